// Cutting the picture into pieces with the generated shape bitmaps.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TempXdg.h"
#include "TestImages.h"
#include "base/ProgramFiles.h"
#include "picture/Cutting.h"

namespace {

// Points the game at the build's program folder for one test.
class ProgramDirScope {
public:
    explicit ProgramDirScope(const QString &dir) : m_old(ProgramDir()) { SetProgramDir(dir); }
    ~ProgramDirScope() { SetProgramDir(m_old); }

private:
    QString m_old;
};

void CopyShape(const QString &relative, const QString &toDir)
{
    const QString from = FindCaseInsensitive(QStringLiteral(JIGSY_PROGRAM_DIR), relative);
    const QString name = QFileInfo(relative).fileName();
    ASSERT_TRUE(QFile::copy(from, toDir + "/Image/" + name)) << qPrintable(from);
}

uint8_t Alpha(const QImage &rgba, int x, int y) { return rgba.constScanLine(y)[4 * x + 3]; }

} // namespace

TEST(Cutting, ClampByteAndFlipFlags)
{
    EXPECT_EQ(ClampByte(-5), 0);
    EXPECT_EQ(ClampByte(0), 0);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(256), 255);
    EXPECT_EQ(ClampByte(300), 255);
    EXPECT_EQ(ClampByte(128), 128);
    EXPECT_EQ(FlipFlags(1, 0), 0x0001);
    EXPECT_EQ(FlipFlags(0, 1), 0x0100);
}

TEST(Cutting, FlipBitmapMirrorsRowsThenColumns)
{
    const QImage src = TestPattern(5, 3);
    QImage b = src;
    FlipBitmap(b, FlipFlags(1, 0));
    EXPECT_EQ(b.pixel(0, 1), src.pixel(4, 1));
    b = src;
    FlipBitmap(b, FlipFlags(0, 1));
    EXPECT_EQ(b.pixel(1, 0), src.pixel(1, 2));
    b = src;
    FlipBitmap(b, FlipFlags(1, 1));
    EXPECT_EQ(b.pixel(0, 0), src.pixel(4, 2));
    EXPECT_EQ(b.format(), QImage::Format_BGR888);
    b = src;
    FlipBitmap(b, 0);
    EXPECT_EQ(b, src);
}

TEST(Cutting, ShapeFileNames)
{
    EXPECT_EQ(MaskFileName(1), "Image/JigsyMask5_7.bmp");
    EXPECT_EQ(MaskFileName(2), "image/JigsyMask17_11.bmp");
    EXPECT_EQ(ShadowFileName(1), "Image/JigsyShadow5_7.bmp");
    EXPECT_EQ(ShadowFileName(2), "image/JigsyShadow17_11.bmp");
    EXPECT_EQ(ReliefFileName(1, 1, 0), "Image/JigsyBlend5_7_10.bmp");
    EXPECT_EQ(ReliefFileName(2, 0, 1), "image/JigsyBlend17_11_01.bmp");
    EXPECT_EQ(ShadowFileName(5), "image/JigsyShadow40_25.png");
}

TEST(Cutting, PieceSquaresReachPastThePicture)
{
    const TCutInfo &cut = CutTable[1];
    EXPECT_EQ(PieceSquareX(cut, 0), -20);
    EXPECT_EQ(PieceSquareY(cut, 0), -20);
    EXPECT_EQ(PieceSquareX(cut, 34 % 7), 460);
    EXPECT_EQ(PieceSquareY(cut, 34 / 7), 300);

    const QImage pic = TestPattern(560, 400);
    const QImage first = PieceBitmap(pic, cut, 0, 0);
    ASSERT_EQ(first.size(), QSize(128, 128));
    // Inset 4 + 20 outside the picture stays white.
    EXPECT_EQ(first.pixel(23, 23), qRgb(255, 255, 255));
    EXPECT_EQ(first.pixel(24, 24), pic.pixel(0, 0));
    EXPECT_EQ(first.pixel(123, 123), pic.pixel(99, 99));
    const QImage last = PieceBitmap(pic, cut, 6, 4);
    EXPECT_EQ(last.pixel(4, 4), pic.pixel(460, 300));
    EXPECT_EQ(last.pixel(103, 103), pic.pixel(559, 399));
    EXPECT_EQ(last.pixel(104, 104), qRgb(255, 255, 255));
}

TEST(Cutting, ReliefLightensDarkensAndSkipsBlack)
{
    const TCutInfo &cut = CutTable[1];
    QImage relief(cut.Cols * cut.CellSize, cut.Rows * cut.CellSize, QImage::Format_BGR888);
    relief.fill(QColor(127, 127, 127));
    QImage A(128, 128, QImage::Format_BGR888);
    A.fill(QColor(10, 100, 200));
    const QImage before = A;
    ApplyRelief(A, 2, 1, relief, cut);
    EXPECT_EQ(A, before); // 127 changes nothing

    relief.fill(QColor(255, 255, 255));
    ApplyRelief(A, 2, 1, relief, cut);
    EXPECT_EQ(A.pixelColor(50, 50), QColor(138, 228, 255)); // +128, clamped
    EXPECT_EQ(A.pixelColor(2, 2), QColor(10, 100, 200));    // outside the tile

    A = before;
    relief.fill(QColor(0, 255, 255)); // any byte 0: the relief does not act
    ApplyRelief(A, 2, 1, relief, cut);
    EXPECT_EQ(A, before);
}

TEST(Cutting, ReliefFileOpenedOnlyWhenReliefIsOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Image"));
    CopyShape(MaskFileName(1), dir.path());
    CopyShape(ShadowFileName(1), dir.path());
    ProgramDirScope scope(dir.path());

    TCutAssets assets;
    QString file;
    ASSERT_EQ(LoadCutAssets(1, 1, 0, false, assets, file), TAssetResult::Ok);
    EXPECT_TRUE(assets.Relief.isNull());
    EXPECT_EQ(assets.Mask.format(), QImage::Format_BGR888);

    EXPECT_EQ(LoadCutAssets(1, 1, 0, true, assets, file), TAssetResult::MissingFile);
    EXPECT_EQ(file, "Image/JigsyBlend5_7_10.bmp");
    EXPECT_TRUE(AssetErrorMessage(TAssetResult::MissingFile, file).contains("JigsyBlend5_7_10.bmp"));

    CopyShape(ReliefFileName(1, 1, 0), dir.path());
    ASSERT_EQ(LoadCutAssets(1, 1, 0, true, assets, file), TAssetResult::Ok);
    EXPECT_FALSE(assets.Relief.isNull());

    // The 17 x 11 files are looked for in "image" and found in "Image".
    EXPECT_EQ(LoadCutAssets(2, 0, 0, false, assets, file), TAssetResult::MissingFile);
    EXPECT_EQ(file, "image/JigsyMask17_11.bmp");
    CopyShape(MaskFileName(2), dir.path());
    CopyShape(ShadowFileName(2), dir.path());
    EXPECT_EQ(LoadCutAssets(2, 0, 0, false, assets, file), TAssetResult::Ok);
}

TEST(Cutting, MissingFolderAndDamagedFilesAreReported)
{
    QTemporaryDir dir;
    ProgramDirScope scope(dir.path());
    TCutAssets assets;
    QString file;
    EXPECT_EQ(LoadCutAssets(1, 0, 0, true, assets, file), TAssetResult::NoFolder);
    // One message on two lines: a bare carriage return would show as a blank.
    EXPECT_EQ(AssetErrorMessage(TAssetResult::NoFolder, file).split(QLatin1Char('\n')),
              QStringList({QStringLiteral("Внимание не найдены файлы необходимые для работы программы!"),
                           QStringLiteral("Программа будет закрыта")}));

    ASSERT_TRUE(QDir(dir.path()).mkdir("image"));
    ASSERT_TRUE(WriteFile(dir.path() + "/image/JigsyMask5_7.bmp", "garbage"));
    EXPECT_EQ(LoadCutAssets(1, 0, 0, false, assets, file), TAssetResult::DamagedFile);
    EXPECT_EQ(file, "Image/JigsyMask5_7.bmp");
    ASSERT_TRUE(TestPattern(100, 100).save(dir.path() + "/image/JigsyMask5_7.bmp", "BMP"));
    EXPECT_EQ(LoadCutAssets(1, 0, 0, false, assets, file), TAssetResult::DamagedFile); // wrong size
}

// A big cut's shapes, which the package does not carry, are made on first
// use into the cache, the same as the build's; a damaged one is made again.
TEST(Cutting, BigCutShapesAreMadeOnFirstUseIntoTheCache)
{
    TCutAssets built;
    QString file;
    {
        ProgramDirScope scope(QStringLiteral(JIGSY_PROGRAM_DIR));
        ASSERT_EQ(LoadCutAssets(FirstBigCut, 1, 0, true, built, file), TAssetResult::Ok);
    }
    QTemporaryDir dir;
    ProgramDirScope scope(dir.path());
    TTempXdg xdg;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Image"));
    for (int pass = 0; pass < 2; ++pass) {
        TCutAssets made;
        ASSERT_EQ(LoadCutAssets(FirstBigCut, 1, 0, true, made, file), TAssetResult::Ok);
        EXPECT_EQ(made.Mask, built.Mask);
        EXPECT_EQ(made.Relief, built.Relief);
        QDir cache(CacheDir() + "/shapes");
        ASSERT_EQ(cache.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1); // one layout's
        ASSERT_TRUE(cache.cd(cache.entryList(QDir::Dirs | QDir::NoDotAndDotDot)[0]));
        EXPECT_EQ(cache.entryList(QDir::Files).size(), 6);
        ASSERT_TRUE(WriteFile(cache.filePath(QFileInfo(MaskFileName(FirstBigCut)).fileName()), "garbage"));
    }
}

TEST(Cutting, PieceImagesTakeColourMaskAndShadow)
{
    ProgramDirScope scope(QStringLiteral(JIGSY_PROGRAM_DIR));
    const TCutInfo &cut = CutTable[1];
    TCutAssets assets;
    QString file;
    ASSERT_EQ(LoadCutAssets(1, 0, 0, false, assets, file), TAssetResult::Ok) << qPrintable(file);
    const QImage pic = TestPattern(560, 400);
    const QImage img = PieceImage(pic, assets, cut, 3, 2);
    ASSERT_EQ(img.format(), QImage::Format_RGBA8888);
    ASSERT_EQ(img.size(), QSize(128, 128));
    // The middle of the home cell is inside the piece and shows the picture.
    const QColor c = pic.pixelColor(3 * 80 + 40, 2 * 80 + 40);
    const uint8_t *p = img.constScanLine(24 + 40) + 4 * (24 + 40);
    EXPECT_EQ(p[0], c.red());
    EXPECT_EQ(p[1], c.green());
    EXPECT_EQ(p[2], c.blue());
    EXPECT_EQ(p[3], 255);
    EXPECT_EQ(Alpha(img, 0, 0), 0);     // around the tile
    EXPECT_EQ(Alpha(img, 5, 5), 0);     // tile corner: outside the piece

    const QImage shadow = PieceShadowImage(assets, cut, 3, 2);
    ASSERT_EQ(shadow.format(), QImage::Format_RGBA8888);
    const uint8_t *s = shadow.constScanLine(64) + 4 * 64;
    EXPECT_EQ(s[0], 0);
    EXPECT_GT(s[3], 100);              // a real shadow under the middle...
    EXPECT_LT(s[3], 255);              // ...but not a black slab
    EXPECT_EQ(Alpha(shadow, 1, 1), 0);
}

// The heart of the cut: for every cut and all four mirrorings each pixel
// of the picture is owned by exactly one solved piece, fully opaque there
// (a neighbour may soften the seam, never own it), and no piece shows a
// pixel from outside the picture.
TEST(Cutting, EveryPicturePixelHasExactlyOneOwnerInEveryMirroring)
{
    ProgramDirScope scope(QStringLiteral(JIGSY_PROGRAM_DIR));
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex) {
        const TCutInfo &cut = CutTable[sizeIndex];
        const int PW = PictureWidth(cut), PH = PictureHeight(cut);
        const QImage pic = TestPattern(PW, PH);
        for (int flips = 0; flips < 4; ++flips) {
            const uint8_t h = flips & 1, v = flips >> 1;
            SCOPED_TRACE(QStringLiteral("cut %1, FlipHor %2, FlipVer %3").arg(sizeIndex).arg(h).arg(v).toStdString());
            TCutAssets assets;
            QString file;
            ASSERT_EQ(LoadCutAssets(sizeIndex, h, v, false, assets, file), TAssetResult::Ok) << qPrintable(file);

            std::vector<uint8_t> owners(size_t(PW) * PH, 0);
            int outside = 0;
            const int inset = TexInset(cut);
            for (int r = 0; r < cut.Rows; ++r)
                for (int c = 0; c < cut.Cols; ++c) {
                    const QImage img = PieceImage(pic, assets, cut, c, r);
                    for (int ty = 0; ty < cut.TexSize; ++ty)
                        for (int tx = 0; tx < cut.TexSize; ++tx) {
                            const int a = Alpha(img, tx, ty);
                            const int X = PieceSquareX(cut, c) + tx - inset, Y = PieceSquareY(cut, r) + ty - inset;
                            if (X < 0 || Y < 0 || X >= PW || Y >= PH)
                                outside += a != 0;
                            else if (a == 255)
                                ++owners[size_t(Y * PW + X)];
                        }
                }
            EXPECT_EQ(outside, 0) << "pixels from outside the picture are shown";
            EXPECT_EQ(std::count(owners.begin(), owners.end(), 1), qsizetype(owners.size()))
                << "pixels without an owner: " << std::count(owners.begin(), owners.end(), 0);
        }
    }
}

// The generated files as the game reads them: the classic cuts' 24-bit
// uncompressed BMP, the big cuts' PNG, and each relief made for its own
// mirrored mask.
TEST(ShapeFiles, ClassicBmpBigPngAndReliefFollowsItsMirroredMask)
{
    ProgramDirScope scope(QStringLiteral(JIGSY_PROGRAM_DIR));
    for (int sizeIndex = 1; sizeIndex <= CutCount; ++sizeIndex) {
        const TCutInfo &cut = CutTable[sizeIndex];
        QFile f(ProgramFile(MaskFileName(sizeIndex)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray header = f.read(54);
        ASSERT_EQ(header.size(), 54);
        if (IsBigCut(sizeIndex)) {
            EXPECT_EQ(header.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        } else {
            EXPECT_EQ(header.left(2), "BM");
            EXPECT_EQ(uint8_t(header[28]), 24); // bits per pixel
            EXPECT_EQ(uint8_t(header[30]), 0);  // no compression
        }

        for (int flips = 0; flips < 4; ++flips) {
            const uint8_t h = flips & 1, v = flips >> 1;
            TCutAssets a;
            QString file;
            ASSERT_EQ(LoadCutAssets(sizeIndex, h, v, true, a, file), TAssetResult::Ok);
            int mismatched = 0, lit = 0, shaded = 0;
            for (int y = 0; y < a.Mask.height(); ++y)
                for (int x = 0; x < a.Mask.width(); ++x) {
                    const uint8_t m = a.Mask.constScanLine(y)[3 * x];
                    const uint8_t r = a.Relief.constScanLine(y)[3 * x];
                    mismatched += (m == 255) != (r == 0); // relief acts exactly inside
                }
            // Near the top-left corner of each piece, just inside its top
            // edge, the relief lightens; near the bottom-right corner, just
            // inside its bottom edge, it darkens (clear of the tabs, which
            // never come that near a corner).
            auto edgeAt = [&](int x, int r, bool first) {
                int found = -1;
                for (int y = r * cut.CellSize; y < (r + 1) * cut.CellSize; ++y)
                    if (a.Mask.constScanLine(y)[3 * x] == 0 && (found < 0 || !first))
                        found = y;
                return found;
            };
            for (int r = 0; r < cut.Rows; ++r)
                for (int c = 0; c < cut.Cols; ++c) {
                    const int left = c * cut.CellSize + cut.Margin + Pitch(cut) / 10;
                    const int right = c * cut.CellSize + cut.Margin + Pitch(cut) - Pitch(cut) / 10;
                    const int top = edgeAt(left, r, true), bottom = edgeAt(right, r, false);
                    lit += top >= 0 && a.Relief.constScanLine(top + 1)[3 * left] > 140;
                    shaded += bottom >= 0 && a.Relief.constScanLine(bottom - 1)[3 * right] < 114;
                }
            EXPECT_EQ(mismatched, 0) << "cut " << sizeIndex << " flips " << flips;
            EXPECT_EQ(lit, PieceCount(cut));
            EXPECT_EQ(shaded, PieceCount(cut));
            // The middle of a piece is left as it is.
            EXPECT_EQ(a.Relief.constScanLine(cut.CellSize / 2)[3 * (cut.CellSize / 2)], 127);
        }
    }
}

namespace {

// Records what cutting asks of the texture layer.
class TRecordingSink : public ITextureSink {
public:
    uint32_t UploadRGBA(const QImage &rgba) override
    {
        Sizes.push_back(rgba.size());
        Formats.push_back(rgba.format());
        return ++m_next;
    }
    int32_t ReplaceRGBA(int32_t name, const QImage &) override { return name < 0 ? int32_t(++m_next) : name; }
    void DeleteTexture(uint32_t name) override { Deleted.push_back(name); }

    std::vector<QSize> Sizes;
    std::vector<QImage::Format> Formats;
    std::vector<uint32_t> Deleted;

private:
    uint32_t m_next = 100;
};

} // namespace

TEST(Cutting, NewCutReplacesTheOldPiecesAndReportsProgress)
{
    ProgramDirScope scope(QStringLiteral(JIGSY_PROGRAM_DIR));
    Board b;
    b.SizeIndex = 1;
    b.PictureBmp = TestPattern(560, 400);
    // An old game: textures to delete (0 names none), a stacking order, a group.
    Tpiece &old0 = b.Pieces.Add();
    old0.ImgTex = 7;
    old0.ShdTex = 8;
    Tpiece &old1 = b.Pieces.Add();
    old1.ImgTex = 9;
    old1.ShdTex = 0;
    b.DrawOrder = {0, 1};
    b.Groups.push_back({0, 1});

    TRecordingSink sink;
    ClearPieces(b, sink);
    EXPECT_EQ(sink.Deleted, (std::vector<uint32_t>{8, 7, 9})); // shadow first, never 0
    EXPECT_EQ(b.Pieces.Count(), 0);
    EXPECT_TRUE(b.DrawOrder.empty());
    EXPECT_TRUE(b.Groups.empty());

    TCutAssets assets;
    QString file;
    ASSERT_EQ(LoadCutAssets(1, 0, 1, true, assets, file), TAssetResult::Ok);
    std::vector<float> progress;
    CutPieces(b, assets, sink, [&] { progress.push_back(b.CutProgress); });
    ASSERT_EQ(b.Pieces.Count(), 35);
    EXPECT_EQ(b.Pieces[8].Row, 1);
    EXPECT_EQ(b.Pieces[8].Col, 1);
    EXPECT_EQ(b.Pieces[34].Row, 4);
    EXPECT_EQ(b.Pieces[34].Col, 6);
    EXPECT_EQ(b.Pieces[0].ImgTex, 101u);
    EXPECT_EQ(b.Pieces[0].ShdTex, 102u);
    EXPECT_EQ(b.Pieces[34].ShdTex, 170u);
    ASSERT_EQ(sink.Sizes.size(), 70u);
    EXPECT_EQ(sink.Sizes[0], QSize(128, 128));
    EXPECT_EQ(sink.Formats[1], QImage::Format_RGBA8888);
    ASSERT_EQ(progress.size(), 35u);
    EXPECT_EQ(progress.front(), 0.f);
    EXPECT_EQ(progress[1], 7.f);     // 256 / 35 = 7.3
    EXPECT_EQ(progress[2], 15.f);    // 14.6
    EXPECT_EQ(progress.back(), 249.f); // 256 x 34 / 35 = 248.7
}
