// The table background on a real table: the texture of entry 0 through all
// three cases, and the chooser's choice carried into Settings.ini.  Needs an
// X server (the suite runs under xvfb-run); skipped on the offscreen platform.
#include <QDir>
#include <QFile>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <gtest/gtest.h>

#include "MainWindowTest.h"
#include "base/ProfileFile.h"
#include "ui/BGChangeFrm.h"

namespace {

class BackgroundTableTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // A program folder of its own: the shipped backgrounds, no settings yet.
        const QDir shipped(QStringLiteral(JIGSY_SOURCE_DIR "/assets/BackGr"));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("BackGr")));
        for (const QString &f : shipped.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(f), dir.filePath(QStringLiteral("BackGr/") + f)));

        // The chooser does what the test says.
        onModal = [this](QWidget *w) {
            if (auto *d = qobject_cast<TBGChangeFrm *>(w); d && act)
                act(d);
        };
        Open(dir.path());
        win->PassOverMissing();
        form->SetDialogs(nullptr, nullptr, &chooser);
        ShowTable();
    }

    bool IsTexture(int32_t id)
    {
        if (id < 0 || !win->MakeTableCurrent())
            return false;
        return QOpenGLContext::currentContext()->functions()->glIsTexture(GLuint(id));
    }
    QString Picture(const char *name, int w, int h, const char *format)
    {
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(QColor(40, 90, 140, 128));
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(img.save(path, format));
        return path;
    }

    std::function<void(TBGChangeFrm *)> act;
    TBGChangeFrm chooser;
};

} // namespace

TEST_F(BackgroundTableTest, EntryZeroThroughInstalledNoneAndFileBackgrounds)
{
    ASSERT_EQ(win->bg.Count(), 8);
    ASSERT_GE(win->TextureList.size(), 16u);
    // First start: installed background 0, the felt, at its own size.
    const int32_t first = win->TextureList[0].Id;
    EXPECT_TRUE(IsTexture(first));
    EXPECT_EQ(win->board.BgTileW, 512);
    EXPECT_EQ(win->board.BgTileH, 512);

    // A number beyond the installed ones (a saved game from elsewhere): none.
    win->board.BgIndex = 200;
    win->SetBgBmp(false, QString());
    EXPECT_EQ(win->TextureList[0].Id, -1);
    EXPECT_EQ(win->board.BgTileW, 256);
    EXPECT_FALSE(IsTexture(first)); // the old texture is given back

    // A later choice brings the table back at once, on a texture of its own.
    win->board.BgIndex = 5;
    win->SetBgBmp(false, QString());
    const int32_t again = win->TextureList[0].Id;
    EXPECT_TRUE(IsTexture(again));
    EXPECT_EQ(win->board.BgTileW, 512);

    // File backgrounds are cropped to powers of two and refill that texture.
    win->SetBgBmp(true, Picture("wide.jpg", 1000, 700, "JPG"));
    EXPECT_EQ(win->TextureList[0].Id, again);
    EXPECT_EQ(win->board.BgTileW, 512);
    EXPECT_EQ(win->board.BgTileH, 512);
    win->SetBgBmp(true, Picture("small.png", 300, 200, "PNG"));
    EXPECT_EQ(win->board.BgTileW, 256);
    EXPECT_EQ(win->board.BgTileH, 128);
    EXPECT_EQ(win->board.BgIndex, 5); // a file leaves the installed choice alone

    // Gone or damaged: installed background BgIndex instead.
    const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xff\xd8\xff not a picture");
    f.close();
    win->SetBgBmp(true, broken);
    EXPECT_EQ(win->board.BgTileW, 512);
    win->SetBgBmp(true, dir.filePath(QStringLiteral("gone.jpg")));
    EXPECT_EQ(win->board.BgTileW, 512);
    EXPECT_TRUE(IsTexture(win->TextureList[0].Id));

    GLint maxSide = 0;
    ASSERT_TRUE(win->MakeTableCurrent());
    QOpenGLContext::currentContext()->functions()->glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    // A file too narrow to crop and too long for the card: the same.
    win->SetBgBmp(true, Picture("small.png", 300, 200, "PNG"));
    win->SetBgBmp(true, Picture("ribbon.png", 20, maxSide + 1, "PNG"));
    EXPECT_EQ(win->board.BgTileW, 512);
    EXPECT_EQ(win->board.BgTileH, 512);

    // An installed picture too large for the card changes nothing.
    QImage huge(maxSide + 1, 4, QImage::Format_RGB32);
    huge.fill(Qt::red);
    win->bg.Add().SetPicture(TPicture::FromImage(huge, TPicture::Other));
    const int32_t shown = win->TextureList[0].Id;
    win->board.BgIndex = uint8_t(win->bg.Count() - 1);
    win->SetBgBmp(false, QString());
    EXPECT_EQ(win->TextureList[0].Id, shown);
    EXPECT_EQ(win->board.BgTileW, 512);
    EXPECT_EQ(win->board.BgTileH, 512);
}

TEST_F(BackgroundTableTest, ChooserChoiceIsShownAndRemembered)
{
    const QString ini = dir.filePath(QStringLiteral("Settings.ini"));

    // An installed background chosen by a double click.
    act = [](TBGChangeFrm *d) { d->gridDblClick(1, 1); };
    win->BgBtnClick();
    EXPECT_EQ(win->board.BgIndex, 4);
    EXPECT_TRUE(IsTexture(win->TextureList[0].Id));
    {
        TProfileFile s(ini);
        EXPECT_EQ(s.ReadInteger(QStringLiteral("Set"), QStringLiteral("bgind"), -1), 4);
        EXPECT_FALSE(s.ReadBool(QStringLiteral("Set"), QStringLiteral("BgFromFile"), true));
        bool found = false;
        s.ReadRaw(QStringLiteral("Set"), QStringLiteral("BgDrawStretch"), &found);
        EXPECT_TRUE(found);
    }

    // A picture file.
    const QString wide = Picture("wide.jpg", 1000, 700, "JPG");
    act = [&](TBGChangeFrm *d) {
        d->FromFile = true;
        d->BgFile = wide;
        d->accept();
    };
    win->BgBtnClick();
    EXPECT_EQ(win->board.BgTileW, 512);
    EXPECT_EQ(win->board.BgIndex, 4);
    {
        TProfileFile s(ini);
        EXPECT_TRUE(s.ReadBool(QStringLiteral("Set"), QStringLiteral("BgFromFile"), false));
        EXPECT_EQ(s.ReadString(QStringLiteral("Set"), QStringLiteral("BgFileName"), QString()), wide);
    }
    EXPECT_TRUE(answer.Messages.isEmpty()) << answer.Messages.join(QLatin1Char('|')).toStdString();

    // A file that is no picture: the loader's message, nothing changes.
    const QByteArray before = [&] {
        QFile f(ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString junk = dir.filePath(QStringLiteral("junk.bmp"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM but nothing else");
    f.close();
    act = [&](TBGChangeFrm *d) {
        d->FromFile = true;
        d->BgFile = junk;
        d->accept();
    };
    win->BgBtnClick();
    ASSERT_EQ(answer.Messages.size(), 1);
    EXPECT_EQ(answer.Messages[0], QStringLiteral("Не могу загрузить эту картинку, файл либо отсутствует, либо испорчен!"));
    EXPECT_EQ(win->board.BgTileW, 512); // still the wide picture's tile
    QFile after(ini);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    // Closing the chooser chooses nothing.
    act = [](TBGChangeFrm *d) { d->reject(); };
    win->BgBtnClick();
    EXPECT_EQ(win->board.BgIndex, 4);
}
