// File names of any bytes: decoded to text and back unchanged, listed,
// opened and kept in a profile file.
#include <gtest/gtest.h>

#include "FileBytes.h"
#include "AnyNamedFile.h"
#include "QtPrinters.h"

#include <QTemporaryDir>

#include "base/FileName.h"
#include "base/FileRead.h"
#include "base/ProfileFile.h"

TEST(FileName, AnyBytesComeBackAndOnlyUtf8IsText)
{
    struct TRow {
        const char *name;
        QByteArray bytes;
        bool utf8;
    };
    const TRow rows[] = {
        {"ascii", "photo 1.jpg", true},
        {"cyrillic", "Картинка.jpg", true},
        {"astral", "\xF0\x9F\x8C\x84.jpg", true},
        {"byte-order mark first", "\xEF\xBB\xBFname", true},
        {"latin-1", "\xE9t\xE9.jpg", false},
        {"cut short", "a\xD0", false},
        {"overlong slash", "\xC0\xAF", false},
        {"encoded surrogate", "\xED\xB2\x80", false},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
        {"stray continuation", "\x80\xBF", false},
    };
    for (const TRow &r : rows) {
        SCOPED_TRACE(r.name);
        const QString text = DecodeFileName(r.bytes);
        EXPECT_EQ(EncodeFileName(text), r.bytes);
        if (r.utf8) {
            EXPECT_EQ(DisplayFileName(text), text); // nothing escaped
        } else {
            EXPECT_TRUE(DisplayFileName(text).contains(QChar(QChar::ReplacementCharacter)));
        }
    }
}

TEST(FileName, ANameThatIsNotUtf8IsListedReadAndKept)
{
    QTemporaryDir dir;
    const TAnyNamedFile file(dir.path() + '/' + DecodeFileName("\xE9t\xE9 \xD0\xBB.jpg"), "pixels");
    const QString &path = file.Path();

    EXPECT_EQ(FolderEntries(dir.path()), QStringList{path.mid(dir.path().size() + 1)});
    EXPECT_TRUE(IsRegularFile(path));
    EXPECT_FALSE(IsRegularFile(dir.path()));
    QByteArray content;
    ASSERT_EQ(ReadRegularFile(path, 100, content), TReadFile::Ok);
    EXPECT_EQ(content, "pixels");

    // A profile value naming it is stored byte for byte and read back.
    const QString ini = dir.filePath("game.ini");
    {
        TProfileFile f(ini);
        f.WriteString("Set", "ImgFileName", path);
        ASSERT_TRUE(f.Close());
    }
    EXPECT_TRUE(ReadAll(ini).contains(EncodeFileName(path)));
    EXPECT_EQ(TProfileFile(ini).ReadString("Set", "ImgFileName", QString()), path);
}
