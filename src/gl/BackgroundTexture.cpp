#include "gl/BackgroundTexture.h"

#include <GL/gl.h>
#include <QOpenGLContext>
#include <QPainter>

#include "board/BackgroundChoice.h"
#include "gl/Textures.h"

namespace {

bool ContextCurrent() { return MakeTextureContextCurrent() && QOpenGLContext::currentContext() != nullptr; }

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

// Entry 0 shows `pic`: refilled in place, or made anew when there is none
// (an empty list, or "no background" before), so the table never stays bare.
void UploadBackground(TTextureList &list, Board &b, const TPicture &picture, bool crop)
{
    if (!ContextCurrent())
        return;
    const TPicture pic = Opaque(picture);
    if (list.empty()) {
        TexFromPicture(list, b, pic, false, false, crop, true, false);
    } else if (list[0].Id < 0) {
        const uint32_t id = TexFromPicture(list, b, pic, false, false, crop, false, false);
        list[0].Id = int32_t(id);
    } else {
        list[0].Id = int32_t(TexReplaceFromPicture(b, uint32_t(list[0].Id), pic, false, crop, false, false));
    }
}

// No background: entry 0 names no texture and the tiles take 256 x 256.
void ClearBackground(TTextureList &list, Board &b)
{
    if (list.empty()) {
        list.push_back(TTexture{-1});
    } else if (list[0].Id >= 0) {
        if (ContextCurrent()) {
            const GLuint old = GLuint(list[0].Id);
            glDeleteTextures(1, &old);
        }
        list[0].Id = -1;
    }
    b.BgTileW = 256;
    b.BgTileH = 256;
}

} // namespace

void ApplyBackground(TTextureList &list, Board &b, const TMyImageList &installed, const TPicture *filePic)
{
    const TBgChoice c = ChooseBackground(filePic != nullptr, b.BgIndex, installed.Count());
    switch (c.kind) {
    case TBgChoice::FromFile:
        UploadBackground(list, b, *filePic, true);
        break;
    case TBgChoice::None:
        ClearBackground(list, b);
        break;
    case TBgChoice::Installed:
        UploadBackground(list, b, installed.Items(c.index).Picture(), false);
        break;
    }
}

bool BackgroundFitsCard(const TPicture &filePic) { return ContextCurrent() && PictureFitsCard(Opaque(filePic), true); }
