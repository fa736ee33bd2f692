// An ordered list of pictures with captions.  The main window carries its
// overlay artwork and its table backgrounds in these; the picture browser
// keeps one thumbnail per listed picture (Caption = the picture's path).
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

// A picture of any format the program reads.  Only a bitmap has a
// transparent colour that can be switched on.
struct TPicture {
    enum Kind { Empty, Bitmap, Png, Jpeg, Icon, Other };
    QImage Image;
    Kind Format = Empty;

    bool IsEmpty() const { return Format == Empty || Image.isNull(); }
    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    // Loads a file, telling the kind by its content; false on failure.
    bool LoadFromFile(const QString &path);
    static TPicture FromImage(const QImage &img, Kind kind);
};

// A copy of img with every pixel of colour key made fully transparent (how
// a bitmap with a transparent colour is drawn).
QImage KeyOutColor(const QImage &img, const QColor &key);

class TMyImageListItem {
public:
    QString Caption;

    const TPicture &Picture() const { return m_picture; }
    // Copies the picture; a bitmap brings its own transparent colour (its
    // bottom-left pixel, as bitmaps do).
    void SetPicture(const TPicture &pic);
    bool Transparent() const { return m_transparent; }
    QColor TransparentColor() const { return m_transparentColor; }
    // Both take effect only on a bitmap picture and only on a change.
    void SetTransparent(bool v);
    void SetTransparentColor(const QColor &c);
    // Copies picture, caption and both transparency values as they are.
    void Assign(const TMyImageListItem &src);
    // The picture as drawn: a transparent bitmap has its colour keyed out.
    QImage Drawable() const;

private:
    TPicture m_picture;
    bool m_transparent = false;
    QColor m_transparentColor = QColor(0, 0, 0);
};

class TMyImageList {
public:
    TMyImageListItem &Add();
    TMyImageListItem &Items(int i) { return m_items[size_t(i)]; }
    const TMyImageListItem &Items(int i) const { return m_items[size_t(i)]; }
    int Count() const { return int(m_items.size()); }
    void Clear() { m_items.clear(); }
    void AssignItems(const TMyImageList &other);

private:
    std::vector<TMyImageListItem> m_items;
};
