// What the image button puts on the screen: glyph placement on both paint
// paths, glyphs drawn unchanged, bitmap glyphs with their colour keyed out,
// the custom draw hook.
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ButtonTestUtil.h"
#include "picture/MyImageList.h"

namespace {

const QColor Marker(255, 0, 255);

QImage Render(TMySpeedButton &b)
{
    return b.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Top-left corner of the marker-coloured area, or (-1, -1).
QPoint FindMarker(const QImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == Marker)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

struct PaintPath : ::testing::TestWithParam<bool> {
    void SetUp() override { TMySpeedButton::SetVisualStyles(GetParam()); }
    void TearDown() override { TMySpeedButton::SetVisualStyles(true); }
};

} // namespace

TEST_P(PaintPath, ToolbarGlyphAtTwoPlusMarginAndOneFurtherWhenPressed)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setMargin(2);
    b->setGlyph(SolidGlyph(32, 32, Marker));
    EXPECT_EQ(FindMarker(Render(*b)), QPoint(4, 4));

    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(FindMarker(Render(*b)), QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));

    b->setGroupIndex(1);
    b->setAllowAllUp(true);
    b->setDown(true);
    EXPECT_EQ(FindMarker(Render(*b)), QPoint(5, 5));
}

TEST_P(PaintPath, DisabledButtonDrawsItsGlyphUnchanged)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setMargin(2);
    QImage glyph = SolidGlyph(32, 32, Marker);
    glyph.setPixelColor(0, 0, QColor(0, 0, 0, 0)); // its own transparency is kept
    b->setGlyph(glyph);
    b->setEnabled(false);
    const QImage img = Render(*b);
    EXPECT_EQ(img.pixelColor(20, 20), Marker);
    EXPECT_EQ(img.pixelColor(35, 35), Marker);
    EXPECT_NE(img.pixelColor(4, 4), Marker);
}

TEST_P(PaintPath, StatesLookDifferent)
{
    // Normal, hovered, latched and disabled faces must not be the same picture.
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setMargin(2);
    b->setFlat(!GetParam()); // the classic frame shows hover only on a flat face
    b->setGlyph(SolidGlyph(8, 8, Marker));
    b->setGroupIndex(1);
    b->setAllowAllUp(true);
    const QImage normal = Render(*b);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(b, &enter);
    const QImage hovered = Render(*b);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    b->setDown(true);
    const QImage latched = Render(*b);
    b->setDown(false);
    EXPECT_NE(normal, hovered);
    EXPECT_NE(normal, latched);
    EXPECT_NE(hovered, latched);
    if (GetParam()) {
        b->setEnabled(false);
        EXPECT_NE(normal, Render(*b));
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, PaintPath, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool> &i) { return i.param ? "Styled" : "Classic"; });

TEST(SpeedButtonPaint, BitmapGlyphLeavesOutItsBottomLeftColour)
{
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    parent.setPalette(pal);
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 40);
    b->setTransparent(true); // no face: the parent shows through
    b->setMargin(0);
    QImage bmp(40, 40, QImage::Format_RGB32);
    bmp.fill(Qt::white);
    bmp.setPixelColor(20, 20, Marker);
    b->setGlyph(TPicture::FromImage(bmp, TPicture::Bitmap));
    EXPECT_EQ(b->Glyph(), bmp);
    const QImage img = parent.grab(QRect(0, 0, 40, 40)).toImage();
    EXPECT_EQ(img.pixelColor(20, 20), Marker);
    EXPECT_EQ(img.pixelColor(5, 5), QColor(0, 128, 0));

    // The same picture as a PNG is drawn whole.
    b->setGlyph(TPicture::FromImage(bmp, TPicture::Png));
    EXPECT_EQ(parent.grab(QRect(0, 0, 40, 40)).toImage().pixelColor(5, 5), QColor(Qt::white));
}

TEST(SpeedButtonPaint, DrawHookReplacesTheFaceAndMayMoveIt)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setMargin(0);
    b->setGlyph(SolidGlyph(4, 4, Marker));
    TBtnState seen = -1;
    QObject::connect(b, &TMySpeedButton::draw, [&](QPainter *p, QRect &r, TBtnState s) {
        p->fillRect(r, Qt::black);
        r = QRect(10, 0, 20, 39);
        seen = s;
    });
    const QImage img = Render(*b);
    EXPECT_EQ(seen, TBtnState(sbEnabled));
    EXPECT_EQ(FindMarker(img), QPoint(10, (39 - 4 + 1) / 2));
    EXPECT_EQ(img.pixelColor(39, 0), QColor(Qt::black));
}

TEST(SpeedButtonPaint, HiResGlyphIsUsedOnADenseScreenAtTheSameSize)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setMargin(2);
    b->setGlyph(SolidGlyph(32, 32, Qt::blue));
    b->setGlyphHiRes(SolidGlyph(64, 64, Marker));
    QPixmap pm(80, 78);
    pm.setDevicePixelRatio(2.0);
    pm.fill(Qt::transparent);
    b->render(&pm);
    const QImage img = pm.toImage();
    EXPECT_EQ(img.pixelColor(8, 8), Marker); // logical (4, 4)
    EXPECT_EQ(img.pixelColor(71, 71), Marker);
    EXPECT_NE(img.pixelColor(72, 72), Marker);
    // At 100% the plain glyph is drawn.
    EXPECT_EQ(Render(*b).pixelColor(4, 4), QColor(Qt::blue));
}

TEST(SpeedButtonGlyphFiles, IconKeepsItsAlphaAndSharpCopyIsFoundBesideIt)
{
    QTemporaryDir dir;
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(QColor(200, 30, 30, 0));
    icon.setPixelColor(10, 10, QColor(200, 30, 30, 255));
    const QString ico = dir.filePath(QStringLiteral("Btn.ico"));
    ASSERT_TRUE(icon.save(ico, "ICO"));

    TMySpeedButton b;
    ASSERT_TRUE(b.LoadGlyph(ico));
    EXPECT_EQ(b.Glyph().size(), QSize(32, 32));
    EXPECT_EQ(b.Glyph().pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(b.Glyph().pixelColor(10, 10).alpha(), 255);

    // name.png with name@2x.png beside it: the sharp copy shows on a dense
    // screen, the layout keeps the plain size.
    const QString png = dir.filePath(QStringLiteral("Glyph.png"));
    ASSERT_TRUE(SolidGlyph(32, 32, Qt::blue).save(png));
    ASSERT_TRUE(SolidGlyph(64, 64, Marker).save(dir.filePath(QStringLiteral("Glyph@2x.png"))));
    QWidget parent;
    auto *btn = new TMySpeedButton(&parent);
    btn->resize(40, 39);
    btn->setMargin(2);
    ASSERT_TRUE(btn->LoadGlyph(png));
    QPixmap pm(80, 78);
    pm.setDevicePixelRatio(2.0);
    btn->render(&pm);
    EXPECT_EQ(pm.toImage().pixelColor(8, 8), Marker);
    EXPECT_EQ(Render(*btn).pixelColor(4, 4), QColor(Qt::blue));

    // Missing artwork: an empty glyph and a report, never a crash.
    EXPECT_FALSE(btn->LoadGlyph(dir.filePath(QStringLiteral("None.png"))));
    EXPECT_TRUE(btn->Glyph().isNull());
    Render(*btn);
}
