// The table background: the installed ones, the texture of the one in use,
// and the chooser behind BgBtn.
#include "app/MainForm.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>

#include "base/ProgramFiles.h"
#include "board/gl/Textures.h"
#include "ui/BGChangeFrm.h"
#include "persist/Background.h"
#include "persist/Settings.h"

namespace {

// A background is opaque: a PNG's own alpha plays no part (it is laid over
// white, as a refilled texture does), and it is cropped and measured like any
// other picture.
TPicture Opaque(const TPicture &p)
{
    if (p.Format != TPicture::Png)
        return p;
    QImage flat(p.Image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, p.Image);
    painter.end();
    return TPicture::FromImage(flat, TPicture::Other);
}

bool MakeContextCurrent()
{
    return MakeTextureContextCurrent() && QOpenGLContext::currentContext() != nullptr;
}

// Entry 0 shows `pic`: refilled in place, or made anew when there is none
// (an empty list, or "no background" before), so the table never stays bare.
void UploadBackground(TMainForm &f, const TPicture &picture, bool crop)
{
    if (!MakeContextCurrent())
        return;
    const TPicture pic = Opaque(picture);
    TTextureList &list = f.TextureList;
    if (list.empty()) {
        TexFromPicture(list, f.board, pic, false, false, crop, true, false);
    } else if (list[0].Id < 0) {
        const uint32_t id = TexFromPicture(list, f.board, pic, false, false, crop, false, false);
        list[0].Id = int32_t(id);
        list[0].Name = QStringLiteral("Texture") + QString::number(id);
    } else {
        list[0].Id = int32_t(TexReplaceFromPicture(f.board, uint32_t(list[0].Id), pic, false, crop, false, false));
    }
}

// No background: entry 0 names no texture and the tiles take 256 x 256.
void ClearBackground(TMainForm &f)
{
    TTextureList &list = f.TextureList;
    if (list.empty()) {
        list.push_back(TTexture{-1, QStringLiteral("Texture-1")});
    } else if (list[0].Id >= 0) {
        if (MakeContextCurrent()) {
            const GLuint old = GLuint(list[0].Id);
            QOpenGLContext::currentContext()->functions()->glDeleteTextures(1, &old);
        }
        list[0].Id = -1;
    }
    f.board.BgTileW = 256;
    f.board.BgTileH = 256;
}

// `filePic`: the decoded background file, or null for an installed one.
void ApplyBackground(TMainForm &f, const TPicture *filePic)
{
    const TBgChoice c = ChooseBackground(filePic != nullptr, f.board.BgIndex, f.bg.Count());
    switch (c.kind) {
    case TBgChoice::FromFile:
        UploadBackground(f, *filePic, true);
        break;
    case TBgChoice::None:
        ClearBackground(f);
        break;
    case TBgChoice::Installed: {
        const TPicture &pic = f.bg.Items(c.index).Picture();
        f.board.BgTileW = pic.Width();
        f.board.BgTileH = pic.Height();
        UploadBackground(f, pic, false);
        break;
    }
    }
}

} // namespace

void TMainForm::LoadBG()
{
    LoadBackgrounds(ProgramFile(QStringLiteral("BackGr")), bg);
}

void TMainForm::SetBgBmp(bool fromFile, const QString &fileName)
{
    // A file that is gone or cannot be decoded gives way to installed
    // background BgIndex; start-up goes on either way.
    TPicture pic;
    const bool fileUsable = fromFile && LoadBackgroundPicture(fileName, pic);
    ApplyBackground(*this, fileUsable ? &pic : nullptr);
}

void TMainForm::BgBtnClick()
{
    if (!BGChangeFrm)
        return;
    BGChangeFrm->Bind(&bg, &board.BgIndex);
    const uint8_t oldIndex = board.BgIndex;
    if (BGChangeFrm->exec() != QDialog::Accepted)
        return;
    const bool fromFile = BGChangeFrm->FromFile;
    TPicture pic;
    if (fromFile && !LoadBackgroundPicture(BGChangeFrm->BgFile, pic)) {
        // A picture that cannot be read changes nothing, settings included.
        board.BgIndex = oldIndex;
        ShowMessage(BadPictureText());
        return;
    }
    ApplyBackground(*this, fromFile ? &pic : nullptr);
    QString error;
    if (!WriteBackgroundSettings(TSettingsFile().Path(), board.BgIndex, fromFile, board.BgDrawStretch,
                                 BGChangeFrm->BgFile, &error))
        ShowMessage(error);
    Draw();
}
