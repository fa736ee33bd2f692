// Key-by-key access to an INI ("profile") text file, the way settings and
// saved games are stored.  Sections and keys match without regard to case;
// a missing key gives the caller's default; an existing key is replaced in
// place, a new key goes to the end of its section, a new section to the end
// of the file; every other line of the file is kept.  UTF-8, LF (CRLF is
// read too).  Writes are collected and committed by Close(), which writes
// the whole file through WriteWholeFile: a crash or a full disk never
// leaves half a file, and the old one stays whole.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "base/FileWrite.h"

class TProfileFile {
public:
    // Reads the file if it exists; an unreadable file reads as empty.
    // Close() writes through `writer`, which must outlive this object.
    explicit TProfileFile(const QString &path, const TFileWriter &writer = TFileWriter::System());
    // The file's bytes already in memory, held to the same limits.
    TProfileFile(const QString &path, const QByteArray &content, const TFileWriter &writer = TFileWriter::System());
    ~TProfileFile(); // does not commit: call Close()

    const QString &Path() const { return m_path; }
    // The file is there but is not one this layer reads (a folder, a
    // device, too large, unreadable): it reads as empty and is never
    // overwritten.
    bool Unreadable() const;

    // Values are cut to 2047 characters, as the reader has always done.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // Full stored value (no cut) and whether the key exists: validators use
    // it to refuse over-long values instead of silently cutting them.
    QString ReadRaw(const QString &section, const QString &key, bool *found) const;
    // Decimal or 0x/0X hexadecimal; anything else gives def.
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // An integer as above; any non-zero value is true.
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value); // "1"/"0"
    void WriteList(const QString &section, const QString &key, const QStringList &items); // "a,b,c"

    // Commits collected writes.  On failure returns false, leaves the old
    // file whole, keeps the writes pending and sets *error to the player's
    // message naming the file and what failed.  Without pending writes it
    // touches nothing and returns true.
    bool Close(QString *error = nullptr);

private:
    struct Impl;
    QString m_path;
    const TFileWriter *m_writer;
    std::unique_ptr<Impl> d;
};
