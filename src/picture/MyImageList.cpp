#include "picture/MyImageList.h"

#include "picture/PictureReader.h"

bool TPicture::LoadFromFile(const QString &path)
{
    QImage img;
    TPictureFormat format = TPictureFormat::Unknown;
    if (!ReadPicture(path, QSize(), img, &format))
        return false;
    Kind k = Other;
    switch (format) {
    case TPictureFormat::Bmp: k = Bitmap; break;
    case TPictureFormat::Png: k = Png; break;
    case TPictureFormat::Jpeg: k = Jpeg; break;
    case TPictureFormat::Ico: k = Icon; break;
    case TPictureFormat::Unknown: break;
    }
    *this = FromImage(img, k);
    return true;
}

TPicture TPicture::FromImage(const QImage &img, Kind kind)
{
    TPicture p;
    p.Image = img;
    p.Format = img.isNull() ? Empty : kind;
    return p;
}

void TMyImageListItem::SetPicture(const TPicture &pic)
{
    m_picture = pic;
    if (m_picture.Format == TPicture::Bitmap && !m_picture.Image.isNull())
        m_transparentColor = m_picture.Image.pixelColor(0, m_picture.Image.height() - 1);
}

void TMyImageListItem::SetTransparent(bool v)
{
    if (m_picture.Format != TPicture::Bitmap || m_picture.Image.isNull() || v == m_transparent)
        return;
    m_transparent = v;
}

void TMyImageListItem::SetTransparentColor(const QColor &c)
{
    if (m_picture.Format != TPicture::Bitmap || m_picture.Image.isNull() || c.rgb() == m_transparentColor.rgb())
        return;
    m_transparentColor = c;
}

void TMyImageListItem::Assign(const TMyImageListItem &src)
{
    if (&src == this)
        return;
    m_picture = src.m_picture;
    Caption = src.Caption;
    m_transparent = src.m_transparent;
    m_transparentColor = src.m_transparentColor;
}

QImage KeyOutColor(const QImage &img, const QColor &key)
{
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = key.rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == rgb)
                line[x] = 0;
    }
    out.setDevicePixelRatio(img.devicePixelRatio());
    return out;
}

QImage TMyImageListItem::Drawable() const
{
    if (!m_transparent || m_picture.Format != TPicture::Bitmap || m_picture.Image.isNull())
        return m_picture.Image;
    return KeyOutColor(m_picture.Image, m_transparentColor);
}

TMyImageListItem &TMyImageList::Add()
{
    m_items.emplace_back();
    return m_items.back();
}

void TMyImageList::AssignItems(const TMyImageList &other)
{
    if (&other == this)
        return;
    m_items.clear();
    for (const TMyImageListItem &it : other.m_items)
        Add().Assign(it);
}
