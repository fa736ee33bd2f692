// The INI layer under settings and saved games.
#include <gtest/gtest.h>

#include "FileBytes.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include "base/ProfileFile.h"

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path;
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("test.ini"));
    }
};

} // namespace

TEST_F(ProfileFileTest, MissingFileGivesDefaultsAndCloseWithoutWritesTouchesNothing)
{
    TProfileFile f(path);
    EXPECT_EQ(f.ReadString("Set", "x", "dflt"), "dflt");
    EXPECT_EQ(f.ReadInteger("Set", "x", 42), 42);
    EXPECT_TRUE(f.ReadBool("Set", "x", true));
    bool found = true;
    EXPECT_TRUE(f.ReadRaw("Set", "x", &found).isEmpty());
    EXPECT_FALSE(found);
    EXPECT_TRUE(f.Close());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileFileTest, NewFileHoldsSectionsAndKeysInWriteOrder)
{
    TProfileFile f(path);
    f.WriteInteger("Set", "psind", 1);
    f.WriteBool("Set", "OwnerImg", true);
    f.WriteString("piece0", "FX", "-12");
    f.WriteList("Groups", "gr0", {"3", "4", "10"});
    f.WriteList("Groups", "gr1", {});
    f.WriteBool("Set", "RotateVer", false);
    ASSERT_TRUE(f.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("[Set]\npsind=1\nOwnerImg=1\nRotateVer=0\n"
                                        "[piece0]\nFX=-12\n"
                                        "[Groups]\ngr0=3,4,10\ngr1=\n"));
}

TEST_F(ProfileFileTest, NamesMatchWithoutRegardToCase)
{
    WriteAll(path, "[SeT]\nPlayMusic=0\n");
    TProfileFile f(path);
    bool found = false;
    f.ReadRaw("SET", "playmusic", &found);
    EXPECT_TRUE(found);
    EXPECT_FALSE(f.ReadBool("set", "PLAYMUSIC", true));
    f.WriteBool("SET", "PLAYMUSIC", true);
    ASSERT_TRUE(f.Close());
    // Replaced, not added: one section, one key.
    EXPECT_EQ(ReadAll(path), QByteArray("[SeT]\nPLAYMUSIC=1\n"));
}

TEST_F(ProfileFileTest, WritesReplaceInPlaceAppendToSectionAndFileAndKeepEverythingElse)
{
    WriteAll(path, "; made by hand\n"
                   "[Set]\n"
                   "bgind=3\n"
                   "# a note\n"
                   "odd line without equals\n"
                   "Eff3D=1\n"
                   "\n"
                   "[Other]\n"
                   "a=b\n");
    TProfileFile f(path);
    f.WriteInteger("set", "bgind", 7);        // in place
    f.WriteBool("Set", "RoundPlace", true);   // end of its section, before the blank line
    f.WriteString("Other", "c", "d");         // end of the last section
    f.WriteString("New", "k", "v");           // new section at the end of the file
    ASSERT_TRUE(f.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("; made by hand\n"
                                        "[Set]\n"
                                        "bgind=7\n"
                                        "# a note\n"
                                        "odd line without equals\n"
                                        "Eff3D=1\n"
                                        "RoundPlace=1\n"
                                        "\n"
                                        "[Other]\n"
                                        "a=b\n"
                                        "c=d\n"
                                        "[New]\n"
                                        "k=v\n"));
    // Reading the result back agrees with what was written.
    TProfileFile g(path);
    EXPECT_EQ(g.ReadInteger("Set", "bgind", 0), 7);
    EXPECT_TRUE(g.ReadBool("Set", "RoundPlace", false));
    EXPECT_EQ(g.ReadString("New", "k", ""), "v");
    bool found = true;
    g.ReadRaw("Set", "; made by hand", &found);
    EXPECT_FALSE(found);
}

TEST_F(ProfileFileTest, FirstOfDuplicateSectionsAndKeysWins)
{
    WriteAll(path, "[A]\nk=1\nk=2\n[B]\nx=0\n[a]\nk=3\n");
    TProfileFile f(path);
    EXPECT_EQ(f.ReadInteger("A", "k", 0), 1);
    f.WriteInteger("A", "k", 9);
    ASSERT_TRUE(f.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("[A]\nk=9\nk=2\n[B]\nx=0\n[a]\nk=3\n"));
}

TEST_F(ProfileFileTest, IntegersAreDecimalOrHexAndAnythingElseIsTheDefault)
{
    WriteAll(path, "[S]\n"
                   "dec=300\nneg=-17\nplus=+5\nhex=0x1F\nupper=0XfF\nall=0xFFFFFFFF\n"
                   "spaces =  12  \n"
                   "junk=12abc\nword=yes\nempty=\nhexjunk=0xZZ\nbarehex=0x\n"
                   "big=99999999999\nbighex=0x100000000\nminus=-\nfloat=1.5\n");
    TProfileFile f(path);
    EXPECT_EQ(f.ReadInteger("S", "dec", -1), 300);
    EXPECT_EQ(f.ReadInteger("S", "neg", 0), -17);
    EXPECT_EQ(f.ReadInteger("S", "plus", 0), 5);
    EXPECT_EQ(f.ReadInteger("S", "hex", 0), 31);
    EXPECT_EQ(f.ReadInteger("S", "upper", 0), 255);
    EXPECT_EQ(f.ReadInteger("S", "all", 0), -1);
    EXPECT_EQ(f.ReadInteger("S", "spaces", 0), 12);
    for (const char *k : {"junk", "word", "empty", "hexjunk", "barehex", "big", "bighex", "minus", "float", "none"})
        EXPECT_EQ(f.ReadInteger("S", k, 77), 77) << k;
}

TEST_F(ProfileFileTest, BooleansAreAnyNonZeroInteger)
{
    WriteAll(path, "[S]\none=1\nzero=0\nseven=7\nneg=-1\nhex=0x10\nword=true\n");
    TProfileFile f(path);
    EXPECT_TRUE(f.ReadBool("S", "one", false));
    EXPECT_FALSE(f.ReadBool("S", "zero", true));
    EXPECT_TRUE(f.ReadBool("S", "seven", false));
    EXPECT_TRUE(f.ReadBool("S", "neg", false));
    EXPECT_TRUE(f.ReadBool("S", "hex", false));
    EXPECT_FALSE(f.ReadBool("S", "word", false)); // not a number: the default
    EXPECT_TRUE(f.ReadBool("S", "word", true));
}

TEST_F(ProfileFileTest, ValuesAreCutAt2047Characters)
{
    const QString longValue = QString(3000, QLatin1Char('a'));
    {
        TProfileFile f(path);
        f.WriteString("S", "long", longValue);
        f.WriteString("S", "exact", QString(2047, QChar(0x0436))); // Cyrillic, two bytes each
        ASSERT_TRUE(f.Close());
    }
    TProfileFile f(path);
    EXPECT_EQ(f.ReadString("S", "long", "").size(), 2047);
    EXPECT_EQ(f.ReadString("S", "exact", ""), QString(2047, QChar(0x0436)));
    bool found = false;
    EXPECT_EQ(f.ReadRaw("S", "long", &found), longValue);
    EXPECT_TRUE(found);
    // The cut applies before the number is parsed.
    TProfileFile g(path);
    g.WriteString("S", "num", QString(2047, QLatin1Char('0')) + "5");
    EXPECT_EQ(g.ReadInteger("S", "num", 3), 0);
}

TEST_F(ProfileFileTest, ListsAreWrittenAsCommaText)
{
    TProfileFile f(path);
    f.WriteList("S", "d", {"5", "6"});
    EXPECT_EQ(f.ReadString("S", "d", ""), "5,6");
}

TEST_F(ProfileFileTest, CrlfFilesAndUtf8TextRead)
{
    WriteAll(path, "[Set]\r\nBgFileName=/home/\xd0\xb8\xd0\xb3\xd1\x80\xd0\xb0/\xd1\x84\xd0\xbe\xd0\xbd.jpg\r\nbgind=2\r\n");
    TProfileFile f(path);
    EXPECT_EQ(f.ReadString("Set", "BgFileName", ""), QString::fromUtf8("/home/игра/фон.jpg"));
    EXPECT_EQ(f.ReadInteger("Set", "bgind", 0), 2);
    f.WriteInteger("Set", "bgind", 4);
    ASSERT_TRUE(f.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("[Set]\nBgFileName=/home/\xd0\xb8\xd0\xb3\xd1\x80\xd0\xb0/\xd1\x84\xd0\xbe\xd0\xbd.jpg\nbgind=4\n"));
}

TEST_F(ProfileFileTest, AByteOrderMarkBeforeTheFirstSectionIsIgnoredAndKept)
{
    WriteAll(path, "\xef\xbb\xbf[Set]\nbgind=2\n");
    TProfileFile f(path);
    EXPECT_EQ(f.ReadInteger("Set", "bgind", 0), 2);
    f.WriteInteger("Set", "bgind", 3);
    ASSERT_TRUE(f.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("\xef\xbb\xbf[Set]\nbgind=3\n"));
}

TEST_F(ProfileFileTest, UntouchedLinesKeepTheirBytesEvenWhenNotUtf8)
{
    const QByteArray legacy("[Set]\nName=\xcf\xf0\xe8\xe2\xe5\xf2\n"); // windows-1251 text
    WriteAll(path, legacy);
    TProfileFile f(path);
    f.WriteInteger("Set", "bgind", 1);
    ASSERT_TRUE(f.Close());
    EXPECT_EQ(ReadAll(path), legacy + "bgind=1\n");
}

TEST_F(ProfileFileTest, LineBreaksInValuesCannotSplitALine)
{
    TProfileFile f(path);
    f.WriteString("S", "k", "one\ntwo\r\n[Evil]");
    ASSERT_TRUE(f.Close());
    TProfileFile g(path);
    EXPECT_FALSE(ReadAll(path).contains("\n[Evil]"));
    EXPECT_EQ(g.ReadString("S", "k", ""), "one two  [Evil]");
}

TEST_F(ProfileFileTest, UnwritableFolderRaisesTheErrorWithThePathAndTheCause)
{
    // Root may write anywhere, so make the folder a plain file instead.
    const QString blocker = dir.filePath("notadir");
    WriteAll(blocker, "x");
    const std::pair<QString, int> cases[] = {{blocker + "/Settings.ini", ENOTDIR},
                                             {dir.filePath("missing/dir/Settings.ini"), ENOENT}};
    for (const auto &[bad, cause] : cases) {
        TProfileFile f(bad);
        EXPECT_EQ(f.ReadInteger("Set", "bgind", 9), 9);
        f.WriteBool("Set", "PMShadow", false);
        QString error;
        EXPECT_FALSE(f.Close(&error)) << bad.toStdString();
        EXPECT_EQ(error, WriteFailureText(bad, cause));
    }
    EXPECT_EQ(ReadAll(blocker), QByteArray("x"));
}

TEST_F(ProfileFileTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    // A folder where the file should be: reads as empty, writes fail.
    ASSERT_TRUE(QDir(dir.path()).mkdir("test.ini"));
    TProfileFile f(path);
    EXPECT_EQ(f.ReadInteger("Set", "bgind", 4), 4);
    f.WriteInteger("Set", "bgind", 1);
    QString error;
    EXPECT_FALSE(f.Close(&error));
    EXPECT_EQ(error, UnreadableFileText(path));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(ProfileFileTest, AFileFarLargerThanAnyGameWritesIsNotReadNorReplaced)
{
    // Two megabytes of empty lines: no settings or saved game is that big,
    // and reading it line by line would cost a hundred times its size.
    const QByteArray huge = "[Set]\nbgind=3\n" + QByteArray(2 * 1024 * 1024, '\n');
    WriteAll(path, huge);
    TProfileFile f(path);
    EXPECT_EQ(f.ReadInteger("Set", "bgind", 4), 4);
    f.WriteInteger("Set", "bgind", 1);
    EXPECT_FALSE(f.Close());
    QFile back(path);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), huge);
}
