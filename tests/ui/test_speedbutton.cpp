// Behaviour of the image button: layout, push, switch and radio groups,
// dragging off, disabled buttons.
#include <QApplication>
#include <QShortcut>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "ButtonTestUtil.h"

namespace {

struct Face {
    QPoint glyph;
    QRect caption;
};

Face Layout(const TMySpeedButton &b, QRect face, QPoint offset = {})
{
    Face f;
    b.LayoutFace(face, offset, f.glyph, f.caption);
    return f;
}

} // namespace

TEST(SpeedButtonLayout, ToolbarGlyphSitsAtMarginAndMovesWhenPressed)
{
    TMySpeedButton b;
    b.setGlyph(SolidGlyph(32, 32, Qt::red));
    b.setMargin(2);
    const QRect face(2, 2, 36, 35);
    EXPECT_EQ(Layout(b, face).glyph, QPoint(4, 4)); // 2 + 2, 2 + (35 - 32 + 1) / 2
    EXPECT_EQ(Layout(b, face, QPoint(1, 1)).glyph, QPoint(5, 5));
}

TEST(SpeedButtonLayout, MarginBelowMinusOneIsIgnored)
{
    TMySpeedButton b;
    EXPECT_EQ(b.Margin(), -1);
    b.setMargin(3);
    b.setMargin(-2);
    EXPECT_EQ(b.Margin(), 3);
    b.setMargin(-1);
    EXPECT_EQ(b.Margin(), -1);
}

TEST(SpeedButtonLayout, AutomaticMarginAndSpacing)
{
    TMySpeedButton b;
    b.setGlyph(SolidGlyph(10, 10, Qt::blue));
    b.setCaption(QStringLiteral("Text"));
    const int capW =
        b.fontMetrics().boundingRect(QRect(0, 0, 100, 0), Qt::TextSingleLine, QStringLiteral("Text")).width();
    const QRect face(0, 0, 100, 30);

    // Margin -1, spacing -1: three equal gaps, rounding toward zero.
    b.setSpacing(-1);
    const int gap = (100 - 10 - capW) / 3;
    Face f = Layout(b, face);
    EXPECT_EQ(f.glyph.x(), gap);
    EXPECT_EQ(f.caption.left(), gap + 10 + gap);

    // Margin -1, fixed spacing: the pair is centred.
    b.setSpacing(4);
    f = Layout(b, face);
    EXPECT_EQ(f.glyph.x(), (100 - (10 + 4 + capW) + 1) / 2);
    EXPECT_EQ(f.caption.left(), f.glyph.x() + 14);

    // Fixed margin, spacing -1: the caption centred in what is left.
    b.setMargin(5);
    b.setSpacing(-1);
    f = Layout(b, face);
    EXPECT_EQ(f.glyph.x(), 5);
    EXPECT_EQ(f.caption.left(), 5 + 10 + ((100 - 5 - 10) - capW) / 2);

    // The properties themselves are untouched by the layout.
    EXPECT_EQ(b.Margin(), 5);
    EXPECT_EQ(b.Spacing(), -1);
}

TEST(SpeedButtonLayout, RightToLeftSwapsSidesAndTopLayoutCentresAcross)
{
    TMySpeedButton b;
    b.setGlyph(SolidGlyph(10, 8, Qt::blue));
    b.setMargin(3);
    b.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(Layout(b, QRect(0, 0, 50, 20)).glyph, QPoint(50 - 3 - 10, 6));
    b.setLayoutDirection(Qt::LeftToRight);
    b.setLayout(blGlyphBottom);
    EXPECT_EQ(Layout(b, QRect(10, 10, 51, 20)).glyph, QPoint(10 + 21, 10 + 20 - 3 - 8));
}

TEST(SpeedButtonLayout, CaptionFollowsThePressOnlyWithoutVisualStyles)
{
    TMySpeedButton b;
    b.setCaption(QStringLiteral("A"));
    const QRect face(0, 0, 60, 30);
    TMySpeedButton::SetVisualStyles(true);
    EXPECT_EQ(Layout(b, face, QPoint(1, 1)).caption, Layout(b, face).caption);
    TMySpeedButton::SetVisualStyles(false);
    EXPECT_EQ(Layout(b, face, QPoint(1, 1)).caption, Layout(b, face).caption.translated(1, 1));
    TMySpeedButton::SetVisualStyles(true);
}

TEST(SpeedButtonMouse, PushButtonClicksOnRelease)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    QSignalSpy spy(b, &TMySpeedButton::clicked);
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Pressed);
    EXPECT_TRUE(b->Pressing());
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Up);
    EXPECT_FALSE(b->Pressing());
    EXPECT_FALSE(b->Down()); // a push button never latches

    QTest::mousePress(b, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
}

TEST(SpeedButtonMouse, SwitchTogglesOnEveryClick)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setGroupIndex(2);
    b->setAllowAllUp(true);
    QSignalSpy spy(b, &TMySpeedButton::clicked);
    for (int i = 1; i <= 4; ++i) {
        ClickAt(b);
        EXPECT_EQ(b->Down(), i % 2 == 1) << "click " << i;
        EXPECT_EQ(b->ButtonState(), b->Down() ? TMySpeedButton::Latched : TMySpeedButton::Up);
    }
    EXPECT_EQ(spy.count(), 4);
}

TEST(SpeedButtonMouse, SwitchStateIsSetWhenTheClickArrives)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setGroupIndex(1);
    b->setAllowAllUp(true);
    bool seen = false;
    QObject::connect(b, &TMySpeedButton::clicked, [&] { seen = b->Down(); });
    ClickAt(b);
    EXPECT_TRUE(seen);
}

TEST(SpeedButtonMouse, RadioGroupKeepsExactlyOneDown)
{
    QWidget parent;
    auto *a = new TMySpeedButton(&parent);
    auto *b = new TMySpeedButton(&parent);
    auto *other = new TMySpeedButton(&parent); // another group, untouched
    for (TMySpeedButton *x : {a, b, other})
        x->resize(40, 39);
    a->setGroupIndex(7);
    b->setGroupIndex(7);
    other->setGroupIndex(8);
    other->setAllowAllUp(true);
    other->setDown(true);

    ClickAt(a);
    EXPECT_TRUE(a->Down());
    EXPECT_FALSE(b->Down());
    ClickAt(b);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->ButtonState(), TMySpeedButton::Up);
    EXPECT_TRUE(b->Down());

    QSignalSpy spy(b, &TMySpeedButton::clicked);
    ClickAt(b); // the down one stays down, but the click is still heard
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(spy.count(), 1);
    b->setDown(false); // nor can code release it
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(other->Down());
}

TEST(SpeedButtonMouse, GroupSharesAllowAllUp)
{
    QWidget parent;
    auto *a = new TMySpeedButton(&parent);
    auto *b = new TMySpeedButton(&parent);
    a->setGroupIndex(3);
    b->setGroupIndex(3);
    a->setAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    b->setDown(true);
    b->setDown(false);
    EXPECT_FALSE(b->Down());
}

TEST(SpeedButtonMouse, DraggingOffAndReleasingOutsideDoesNotClick)
{
    QWidget parent;
    auto *push = new TMySpeedButton(&parent);
    auto *sw = new TMySpeedButton(&parent);
    push->resize(40, 39);
    sw->resize(40, 39);
    sw->setGroupIndex(1);
    sw->setAllowAllUp(true);
    sw->setDown(true);

    for (TMySpeedButton *b : {push, sw}) {
        const TMySpeedButton::TButtonState before = b->ButtonState();
        QSignalSpy spy(b, &TMySpeedButton::clicked);
        QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        MoveTo(b, QPoint(60, 5));
        EXPECT_EQ(b->ButtonState(), before);
        MoveTo(b, QPoint(6, 6)); // back over it: pressed again
        EXPECT_EQ(b->ButtonState(), b->Down() ? TMySpeedButton::Latched : TMySpeedButton::Pressed);
        MoveTo(b, QPoint(-3, 5));
        QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(-3, 5));
        EXPECT_EQ(spy.count(), 0);
        EXPECT_EQ(b->ButtonState(), before);
    }
    EXPECT_TRUE(sw->Down());
}

TEST(SpeedButtonMouse, ReleaseOutsideWithoutMoveStillRestoresTheFace)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setGroupIndex(1);
    b->setAllowAllUp(true);
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Up);
    EXPECT_FALSE(b->Down());
}

TEST(SpeedButtonMouse, DisabledButtonNeitherClicksNorChangesItsGlyph)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    const QImage glyph = SolidGlyph(32, 32, QColor(10, 200, 30, 180));
    b->setGlyph(glyph);
    b->setEnabled(false);
    QSignalSpy spy(b, &TMySpeedButton::clicked);
    ClickAt(b);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_FALSE(b->Pressing());
    EXPECT_EQ(b->Glyph(), glyph);
    b->grab(); // settles the state as painting does
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Disabled);
    b->setEnabled(true);
    b->grab();
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Up);
}

TEST(SpeedButtonMouse, ReEnabledSwitchComesBackLatched)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->setGroupIndex(4);
    b->setAllowAllUp(true);
    b->setDown(true);
    b->setEnabled(false);
    b->grab();
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Disabled);
    b->setEnabled(true);
    b->grab();
    EXPECT_EQ(b->ButtonState(), TMySpeedButton::Latched);
}

TEST(SpeedButtonMouse, DownIsForcedUpWithoutGroup)
{
    TMySpeedButton b;
    b.setDown(true);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(b.ButtonState(), TMySpeedButton::Up);
}

TEST(SpeedButtonMouse, DoubleClickFiresOnlyOnADownButton)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->resize(40, 39);
    b->setGroupIndex(1);
    b->setAllowAllUp(true);
    QSignalSpy dbl(b, &TMySpeedButton::doubleClicked);
    QSignalSpy clicks(b, &TMySpeedButton::clicked);
    auto doubleClick = [&] {
        QMouseEvent ev(QEvent::MouseButtonDblClick, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &ev);
        QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    };
    doubleClick(); // up: a plain press and release, which latches it
    EXPECT_EQ(dbl.count(), 0);
    EXPECT_TRUE(b->Down());
    doubleClick();
    EXPECT_EQ(dbl.count(), 1);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(SpeedButtonHover, EnterAndLeaveTrackHoverAndSignal)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    QSignalSpy in(b, &TMySpeedButton::mouseEntered);
    QSignalSpy out(b, &TMySpeedButton::mouseLeft);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(b, &enter);
    EXPECT_TRUE(b->Hovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    EXPECT_FALSE(b->Hovered());
    EXPECT_EQ(in.count(), 1);
    EXPECT_EQ(out.count(), 1);

    // Without visual styles only a flat button lights up.
    TMySpeedButton::SetVisualStyles(false);
    QApplication::sendEvent(b, &enter);
    EXPECT_FALSE(b->Hovered());
    b->setFlat(true);
    QApplication::sendEvent(b, &enter);
    EXPECT_TRUE(b->Hovered());
    QApplication::sendEvent(b, &leave);
    EXPECT_FALSE(b->Hovered());
    TMySpeedButton::SetVisualStyles(true);
}

TEST(SpeedButtonProperties, Defaults)
{
    TMySpeedButton b;
    EXPECT_EQ(b.size(), QSize(23, 22));
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(b.Glyph().isNull());
    EXPECT_TRUE(b.Caption().isEmpty());
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Spacing(), 0);
    EXPECT_FALSE(b.Flat());
    EXPECT_FALSE(b.Transparent());
    EXPECT_FALSE(b.DrawImageOnly());
    EXPECT_EQ(b.Color(), b.palette().color(QPalette::Button));
    EXPECT_EQ(b.GroupIndex(), 0);
    EXPECT_FALSE(b.AllowAllUp());
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(b.ButtonState(), TMySpeedButton::Up);
}

TEST(SpeedButtonProperties, AcceleratorClicksOnlyAnEnabledVisibleButton)
{
    QWidget parent;
    auto *b = new TMySpeedButton(&parent);
    b->setCaption(QStringLiteral("&Open"));
    QSignalSpy spy(b, &TMySpeedButton::clicked);
    auto *accel = b->findChild<QShortcut *>();
    ASSERT_NE(accel, nullptr);
    EXPECT_EQ(accel->key(), QKeySequence(Qt::ALT | Qt::Key_O));
    emit accel->activated(); // hidden parent: nothing
    EXPECT_EQ(spy.count(), 0);
    parent.show();
    emit accel->activated();
    EXPECT_EQ(spy.count(), 1);
    b->setEnabled(false);
    emit accel->activated();
    EXPECT_EQ(spy.count(), 1);
    b->setCaption(QStringLiteral("Open"));
    EXPECT_EQ(b->findChild<QShortcut *>(), nullptr);
}
