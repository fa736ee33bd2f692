#include "picture/Cutting.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <memory>

#include "base/FileWrite.h"
#include "base/ProgramFiles.h"
#include "board/TabLayout.h"
#include "picture/PictureReader.h"
#include "picture/ShapeGen.h"

namespace {

int KnownCut(int sizeIndex) { return ValidSizeIndex(sizeIndex) ? sizeIndex : 1; }
const TCutInfo &CutOf(int sizeIndex) { return CutTable[KnownCut(sizeIndex)]; }
// The first cut's files have always been named rows first ("5_7"), every
// other cut's columns first ("17_11", "24_16", ...).
QString CutSuffix(int sizeIndex)
{
    const TCutInfo &cut = CutOf(sizeIndex);
    return KnownCut(sizeIndex) == 1 ? QStringLiteral("%1_%2").arg(cut.Rows).arg(cut.Cols)
                                    : QStringLiteral("%1_%2").arg(cut.Cols).arg(cut.Rows);
}
// The 5 x 7 files have always lived in "Image", the others in "image"; the
// lookup ignores case, so one folder serves them all.
QString CutFolder(int sizeIndex) { return KnownCut(sizeIndex) == 1 ? QStringLiteral("Image/") : QStringLiteral("image/"); }
// The classic cuts' bitmaps are BMP files; the big cuts' are grey PNG,
// a few percent of the size.
QString CutExtension(int sizeIndex) { return IsBigCut(KnownCut(sizeIndex)) ? QStringLiteral(".png") : QStringLiteral(".bmp"); }

inline const uint8_t *Pixel(const QImage &img, int x, int y) { return img.constScanLine(y) + 3 * x; }

// Reads one shape bitmap, which must be the cut's grid of tiles.
TAssetResult LoadShape(const QString &path, const TCutInfo &cut, QImage &out)
{
    if (!QFileInfo(path).isFile())
        return TAssetResult::MissingFile;
    const QSize expected(cut.Cols * cut.CellSize, cut.Rows * cut.CellSize);
    QSize size;
    TPictureFormat format;
    if (!ReadPictureHeader(path, size, format) || size != expected)
        return TAssetResult::DamagedFile;
    QImage img;
    if (!ReadPicture(path, QSize(), img) || img.size() != expected)
        return TAssetResult::DamagedFile;
    out = img.convertToFormat(QImage::Format_BGR888);
    return TAssetResult::Ok;
}

// Where the big cuts' shapes are made on first use when the program
// folder has none: a folder per layout and drawing, so that a newer
// version never reads an older one's shapes.
QString ShapeCacheFile(int sizeIndex, const QString &relative)
{
    const uint64_t key = TabLayoutOf(sizeIndex).Fingerprint() ^ uint64_t(ShapeGenRevision);
    return QDir(CacheDir()).filePath(QStringLiteral("shapes/%1/").arg(key, 16, 16, QLatin1Char('0')) +
                                     QFileInfo(relative).fileName());
}

// Keeps a shape set made on first use for the next game, each file
// written whole; a cache that cannot be written only means it is made
// again next time.
void KeepShapes(int sizeIndex, const TShapeSet &set)
{
    if (!QDir().mkpath(QFileInfo(ShapeCacheFile(sizeIndex, MaskFileName(sizeIndex))).path()))
        return;
    auto keep = [sizeIndex](const QImage &img, const QString &relative) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (img.save(&buffer, "PNG"))
            WriteWholeFile(ShapeCacheFile(sizeIndex, relative), bytes);
    };
    keep(set.Mask, MaskFileName(sizeIndex));
    keep(set.Shadow, ShadowFileName(sizeIndex));
    for (int m = 0; m < 4; ++m)
        keep(set.Relief[m], ReliefFileName(sizeIndex, m & 1, m >> 1));
}

// One shape bitmap of the cut: from the program folder; for a big cut
// without its files there, from the cache, made (all of the cut's files at
// once, in `made`) when the cache has none or a damaged one.
class TShapeSource {
public:
    explicit TShapeSource(int sizeIndex) : m_sizeIndex(sizeIndex), m_cut(CutOf(sizeIndex)) {}

    TAssetResult Load(const QString &relative, const QImage TShapeSet::*plane, int relief, QImage &out)
    {
        const TAssetResult rc = LoadShape(ProgramFile(relative), m_cut, out);
        if (rc == TAssetResult::Ok || !IsBigCut(KnownCut(m_sizeIndex)))
            return rc;
        if (!m_made && LoadShape(ShapeCacheFile(m_sizeIndex, relative), m_cut, out) == TAssetResult::Ok)
            return TAssetResult::Ok;
        if (!m_made) {
            m_made = std::make_unique<TShapeSet>(MakeShapes(m_sizeIndex));
            KeepShapes(m_sizeIndex, *m_made);
        }
        const QImage &img = plane ? (*m_made).*plane : m_made->Relief[relief];
        out = img.convertToFormat(QImage::Format_BGR888);
        return TAssetResult::Ok;
    }

private:
    int m_sizeIndex;
    const TCutInfo &m_cut;
    std::unique_ptr<TShapeSet> m_made;
};

} // namespace

QString ShapeFolderName() { return QStringLiteral("Image"); }

QString MaskFileName(int sizeIndex)
{
    return CutFolder(sizeIndex) + "JigsyMask" + CutSuffix(sizeIndex) + CutExtension(sizeIndex);
}

QString ShadowFileName(int sizeIndex)
{
    return CutFolder(sizeIndex) + "JigsyShadow" + CutSuffix(sizeIndex) + CutExtension(sizeIndex);
}

QString ReliefFileName(int sizeIndex, int flipHor, int flipVer)
{
    return CutFolder(sizeIndex) + "JigsyBlend" + CutSuffix(sizeIndex) + "_" + QString::number(flipHor) +
           QString::number(flipVer) + CutExtension(sizeIndex);
}

void FlipBitmap(QImage &B, uint16_t flags)
{
    const bool hor = (flags & 0xFF) != 0, ver = (flags >> 8) != 0;
    if (!hor && !ver)
        return;
    const int w = B.width(), h = B.height();
    QImage out(w, h, QImage::Format_BGR888);
    const QImage src = B.convertToFormat(QImage::Format_BGR888);
    for (int y = 0; y < h; ++y) {
        const uint8_t *s = src.constScanLine(ver ? h - 1 - y : y);
        uint8_t *d = out.scanLine(y);
        if (!hor) {
            memcpy(d, s, size_t(w) * 3);
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const uint8_t *p = s + 3 * (w - 1 - x);
            d[3 * x] = p[0];
            d[3 * x + 1] = p[1];
            d[3 * x + 2] = p[2];
        }
    }
    B = std::move(out);
}

void ApplyRelief(QImage &A, int c, int r, const QImage &relief, const TCutInfo &cut)
{
    const int inset = TexInset(cut), cell = cut.CellSize;
    // Outside the tile the relief is black, and black never acts.
    const int x0 = std::max(0, -inset), x1 = std::min(cell, A.width() - inset);
    const int y0 = std::max(0, -inset), y1 = std::min(cell, A.height() - inset);
    for (int ty = y0; ty < y1; ++ty) {
        uint8_t *a = A.scanLine(inset + ty) + 3 * inset;
        const uint8_t *rl = Pixel(relief, c * cell, r * cell + ty);
        for (int tx = x0; tx < x1; ++tx) {
            const uint8_t *rp = rl + 3 * tx;
            if (rp[0] == 0 || rp[1] == 0 || rp[2] == 0)
                continue;
            uint8_t *ap = a + 3 * tx;
            ap[0] = ClampByte(ap[0] + rp[0] - 127);
            ap[1] = ClampByte(ap[1] + rp[1] - 127);
            ap[2] = ClampByte(ap[2] + rp[2] - 127);
        }
    }
}

TAssetResult LoadCutAssets(int sizeIndex, uint8_t flipHor, uint8_t flipVer, bool relief, TCutAssets &out,
                           QString &file)
{
    if (!QFileInfo(ProgramFile(ShapeFolderName())).isDir()) {
        file = ShapeFolderName();
        return TAssetResult::NoFolder;
    }
    TShapeSource source(sizeIndex);
    TCutAssets loaded;
    file = MaskFileName(sizeIndex);
    TAssetResult rc = source.Load(file, &TShapeSet::Mask, 0, loaded.Mask);
    if (rc != TAssetResult::Ok)
        return rc;
    file = ShadowFileName(sizeIndex);
    if ((rc = source.Load(file, &TShapeSet::Shadow, 0, loaded.Shadow)) != TAssetResult::Ok)
        return rc;
    if (relief) {
        file = ReliefFileName(sizeIndex, flipHor, flipVer);
        if ((rc = source.Load(file, nullptr, flipHor + 2 * flipVer, loaded.Relief)) != TAssetResult::Ok)
            return rc;
    }
    file.clear();
    const uint16_t flags = FlipFlags(flipHor, flipVer);
    FlipBitmap(loaded.Mask, flags);
    FlipBitmap(loaded.Shadow, flags);
    out = std::move(loaded);
    return TAssetResult::Ok;
}

QString AssetErrorMessage(TAssetResult result, const QString &file)
{
    switch (result) {
    case TAssetResult::Ok:
        return {};
    case TAssetResult::NoFolder:
        return QStringLiteral("Внимание не найдены файлы необходимые для работы программы!\nПрограмма будет закрыта");
    case TAssetResult::MissingFile:
        return QStringLiteral("Не найден файл «%1», без него нельзя разрезать картинку на кусочки.").arg(file);
    case TAssetResult::DamagedFile:
        return QStringLiteral("Файл «%1» испорчен, без него нельзя разрезать картинку на кусочки.").arg(file);
    }
    return {};
}

QImage PieceBitmap(const QImage &picture, const TCutInfo &cut, int col, int row)
{
    QImage A(cut.TexSize, cut.TexSize, QImage::Format_BGR888);
    A.fill(Qt::white);
    const int inset = TexInset(cut);
    const int px = PieceSquareX(cut, col), py = PieceSquareY(cut, row);
    // Only the part of the square inside the picture is copied.
    const int x0 = std::max(px, 0), x1 = std::min(px + cut.CellSize, picture.width());
    const int y0 = std::max(py, 0), y1 = std::min(py + cut.CellSize, picture.height());
    if (x1 <= x0 || y1 <= y0)
        return A;
    for (int y = y0; y < y1; ++y)
        memcpy(A.scanLine(inset + y - py) + 3 * (inset + x0 - px), Pixel(picture, x0, y), size_t(x1 - x0) * 3);
    return A;
}

namespace {

// RGBA of colour C with alpha 255 - blue of the shape tile (c, r) placed
// at (inset, inset); zero alpha around the tile and wherever the square
// lies beyond the picture (the shapes' frame may reach a pixel or two past
// it on one side, so that it stays the frame in every mirroring).
QImage MaskedImage(const QImage &C, const QImage &shape, const TCutInfo &cut, int col, int row)
{
    const int T = cut.TexSize, inset = TexInset(cut), cell = cut.CellSize;
    QImage out(T, T, QImage::Format_RGBA8888);
    // The columns of the tile, clipped to the texture and to the picture.
    const int px = PieceSquareX(cut, col), py = PieceSquareY(cut, row);
    const int x0 = std::clamp(inset + std::max(0, -px), 0, T);
    const int x1 = std::clamp(inset + std::min(cell, PictureWidth(cut) - px), 0, T);
    const int tyEnd = std::min(cell, PictureHeight(cut) - py), tyBegin = std::max(0, -py);
    const int cBpl = int(C.bytesPerLine()), oBpl = int(out.bytesPerLine());
    const uint8_t *cBits = C.constBits();
    uint8_t *oBits = out.bits();
    for (int y = 0; y < T; ++y) {
        const uint8_t *c = cBits + y * cBpl;
        uint8_t *o = oBits + y * oBpl;
        for (int x = 0; x < T; ++x) {
            o[4 * x] = c[3 * x + 2];
            o[4 * x + 1] = c[3 * x + 1];
            o[4 * x + 2] = c[3 * x];
            o[4 * x + 3] = 0;
        }
        const int ty = y - inset;
        if (ty < tyBegin || ty >= tyEnd)
            continue;
        const uint8_t *m = Pixel(shape, col * cell, row * cell + ty);
        for (int x = x0; x < x1; ++x)
            o[4 * x + 3] = uint8_t(255 - m[3 * (x - inset)]);
    }
    return out;
}

} // namespace

QImage PieceImage(const QImage &picture, const TCutAssets &assets, const TCutInfo &cut, int col, int row)
{
    QImage A = PieceBitmap(picture, cut, col, row);
    if (!assets.Relief.isNull())
        ApplyRelief(A, col, row, assets.Relief, cut);
    return MaskedImage(A, assets.Mask, cut, col, row);
}

QImage PieceShadowImage(const TCutAssets &assets, const TCutInfo &cut, int col, int row)
{
    static thread_local QImage black;
    if (black.width() != cut.TexSize) {
        black = QImage(cut.TexSize, cut.TexSize, QImage::Format_BGR888);
        black.fill(Qt::black);
    }
    return MaskedImage(black, assets.Shadow, cut, col, row);
}

void ClearPieces(Board &b, ITextureSink &sink)
{
    for (const Tpiece &p : b.Pieces) {
        if (p.ShdTex != 0)
            sink.DeleteTexture(p.ShdTex);
        if (p.ImgTex != 0)
            sink.DeleteTexture(p.ImgTex);
    }
    b.Pieces.Clear();
    b.DrawOrder.clear();
    b.Groups.clear();
}

void CutPieces(Board &b, const TCutAssets &assets, ITextureSink &sink, const std::function<void()> &afterPiece)
{
    const TCutInfo &cut = b.Cut();
    const int n = PieceCount(cut);
    sink.Reserve(2 * n, cut.TexSize);
    for (int i = 0; i < n; ++i) {
        Tpiece &piece = b.Pieces.Add();
        piece.Rotation = 0;
        piece.Row = i / cut.Cols;
        piece.Col = i - piece.Row * cut.Cols;
        piece.ImgTex = sink.UploadRGBA(PieceImage(b.PictureBmp, assets, cut, piece.Col, piece.Row));
        piece.ShdTex = sink.UploadRGBA(PieceShadowImage(assets, cut, piece.Col, piece.Row));
        b.CutProgress = float(std::lround(256.0 * i / n));
        if (afterPiece)
            afterPiece();
    }
}

TShapeBits ShapeBitsOf(const QImage &mask)
{
    const QImage m = mask.format() == QImage::Format_BGR888 ? mask : mask.convertToFormat(QImage::Format_BGR888);
    TShapeBits bits(m.width(), m.height());
    for (int y = 0; y < m.height(); ++y) {
        const uint8_t *row = m.constScanLine(y);
        for (int x = 0; x < m.width(); ++x)
            if (row[3 * x] < 128)
                bits.Set(x, y);
    }
    return bits;
}
