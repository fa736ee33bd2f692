// A file under a name of any bytes (see base/FileName.h), removed with the
// test: QTemporaryDir cannot see a name that is not UTF-8 to remove it.
#pragma once

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <unistd.h>

#include "base/FileName.h"
#include "base/FileWrite.h"

class TAnyNamedFile {
public:
    TAnyNamedFile(const QString &path, const QByteArray &content) : m_path(path)
    {
        EXPECT_TRUE(WriteWholeFile(path, content));
    }
    ~TAnyNamedFile() { ::unlink(EncodeFileName(m_path).constData()); }
    TAnyNamedFile(const TAnyNamedFile &) = delete;
    TAnyNamedFile &operator=(const TAnyNamedFile &) = delete;
    const QString &Path() const { return m_path; }

private:
    QString m_path;
};
