// The toolbar's buttons as the main window gets them.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

#include "ButtonTestUtil.h"
#include "QtPrinters.h"
#include "ui/AccessText.h"
#include "ui/InterfaceScale.h"
#include "ui/MainToolbar.h"
#include "ui/NewGameFrm.h"
#include "ui/PlayToolbar.h"

namespace {

struct Toolbar {
    QWidget panel;
    TMySpeedButton *buttons[ToolbarButtonCount];
    QLabel *clock;
    Toolbar()
    {
        panel.resize(800, 45);
        PaintToolbarPanel(&panel);
        for (int i = 0; i < ToolbarButtonCount; ++i)
            buttons[i] = MakeToolbarButton(&panel, ToolbarButtons[i]);
        clock = MakeClockLabel(&panel, ToolbarButtonsEnd());
    }
};

} // namespace

TEST(Toolbar, ButtonsSitAtTheirPlacesWithTheirHints)
{
    Toolbar t;
    const int xs[] = {5, 50, 92, 142, 184, 226, 268, 319, 361};
    const char *hints[] = {"Новая игра", "Загрузить игру", "Сохранить игру", "Размещать вилоры по краям",
                           "Включить музыку", "Объемность вилоры", "Тень вилоры", "Cменить фон", "Cменить музыку"};
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        TMySpeedButton *b = t.buttons[i];
        EXPECT_EQ(b->geometry(), QRect(xs[i], 3, 40, 39)) << i;
        EXPECT_EQ(b->Margin(), 2);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(hints[i]));
        EXPECT_EQ(b->parentWidget(), &t.panel);
    }
    // Latin C, not the Cyrillic letter.
    EXPECT_EQ(t.buttons[7]->toolTip().at(0), QChar('C'));
    EXPECT_EQ(t.buttons[8]->toolTip().at(0), QChar('C'));
    EXPECT_FALSE(t.buttons[2]->isEnabled());
    EXPECT_EQ(t.panel.palette().color(QPalette::Window), QColor(166, 202, 240));
    EXPECT_TRUE(t.panel.autoFillBackground());
}

TEST(Toolbar, FourSwitchesToggleIndependently)
{
    Toolbar t;
    for (int i = 3; i <= 6; ++i) {
        EXPECT_EQ(t.buttons[i]->GroupIndex(), i - 2);
        EXPECT_TRUE(t.buttons[i]->AllowAllUp());
    }
    t.buttons[4]->setDown(true); // as the settings do at start-up
    t.buttons[5]->setDown(true);
    ClickAt(t.buttons[3]);
    ClickAt(t.buttons[4]);
    EXPECT_TRUE(t.buttons[3]->Down());
    EXPECT_FALSE(t.buttons[4]->Down());
    EXPECT_TRUE(t.buttons[5]->Down());
    EXPECT_FALSE(t.buttons[6]->Down());
    for (int i : {0, 1, 7, 8}) {
        EXPECT_EQ(t.buttons[i]->GroupIndex(), 0);
        ClickAt(t.buttons[i]);
        EXPECT_FALSE(t.buttons[i]->Down());
    }
}

TEST(Toolbar, DisabledSaveButtonIgnoresClicks)
{
    Toolbar t;
    QSignalSpy spy(t.buttons[2], &TMySpeedButton::clicked);
    ClickAt(t.buttons[2]);
    EXPECT_EQ(spy.count(), 0);
}

TEST(Toolbar, MissingArtworkGivesAnEmptyGlyph)
{
    TToolbarButtonDef def = ToolbarButtons[0];
    def.Name = "NoSuchButtonBtn";
    QWidget panel;
    TMySpeedButton *b = MakeToolbarButton(&panel, def);
    EXPECT_TRUE(b->Glyph().isNull());
    b->resize(40, 39);
    b->grab(); // paints without a glyph
}

TEST(Toolbar, ClockLabelRightOfTheButtons)
{
    Toolbar t;
    t.panel.show();
    t.panel.resize(900, 45);
    QApplication::processEvents();
    EXPECT_EQ(t.clock->text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(t.clock->font().pixelSize(), 27);
    EXPECT_TRUE(t.clock->font().bold());
    EXPECT_EQ(t.clock->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(t.clock->alignment() & Qt::AlignHCenter);
    EXPECT_GE(t.clock->geometry().left(), 361 + 40);
    EXPECT_LE(t.clock->geometry().right(), 900);
    EXPECT_GT(t.clock->width(), t.clock->sizeHint().width());
}

TEST(Toolbar, PlaySwitchesSitBetweenTheLastButtonAndTheClockWithTheProgressBeside)
{
    Toolbar t;
    TMySpeedButton *play[PlayButtonCount];
    for (int i = 0; i < PlayButtonCount; ++i)
        play[i] = MakeToolbarButton(&t.panel, PlayButtons[i]);
    QLabel *progress = MakeProgressLabel(&t.panel);
    t.panel.show();
    QApplication::processEvents();
    int left = t.buttons[ToolbarButtonCount - 1]->geometry().right();
    std::set<int> groups;
    for (TMySpeedButton *b : play) {
        EXPECT_GT(b->geometry().left(), left);
        left = b->geometry().right();
        EXPECT_TRUE(b->AllowAllUp());
        groups.insert(b->GroupIndex());
    }
    for (TMySpeedButton *b : t.buttons)
        groups.insert(b->GroupIndex());
    EXPECT_EQ(groups.size(), size_t(4 + PlayButtonCount + 1)); // every switch alone, pushes in 0
    EXPECT_GT(progress->geometry().left(), left);
    EXPECT_GT(t.clock->geometry().left(), progress->geometry().right());
}

namespace {

// A glyph of one-pixel checks: any smoothing would grey it.
QImage Checks(int side)
{
    QImage img(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            img.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return img;
}

// Whether `part` lies somewhere in `whole`, pixel for pixel.
bool Contains(const QImage &whole, const QImage &part)
{
    const QImage w = whole.convertToFormat(QImage::Format_RGB32), p = part.convertToFormat(QImage::Format_RGB32);
    for (int oy = 0; oy + p.height() <= w.height(); ++oy)
        for (int ox = 0; ox + p.width() <= w.width(); ++ox)
            if (w.copy(ox, oy, p.width(), p.height()) == p)
                return true;
    return false;
}

} // namespace

// At 200% the strip is twice its size and a glyph is its sharp copy, or
// without one its own pixels doubled; back at 100% all is as designed.
TEST(Toolbar, TwoHundredPercentDrawsTheToolbarTwiceAsLargeWithoutBlur)
{
    for (bool sharpCopy : {true, false}) {
        Toolbar t;
        const QImage glyph = Checks(32), glyph2x = Checks(64);
        t.buttons[0]->setGlyph(glyph);
        if (sharpCopy)
            t.buttons[0]->setGlyphHiRes(glyph2x);
        const QImage at100 = t.panel.grab().toImage();
        ApplyInterfaceScale(&t.panel, 2.0);
        const QImage at200 = t.panel.grab().toImage();
        EXPECT_EQ(at200.size(), at100.size() * 2);
        for (int i = 0; i < ToolbarButtonCount; ++i) {
            const QRect g(ToolbarButtons[i].X, ToolbarButtonTop, ToolbarButtonWidth, ToolbarButtonHeight);
            EXPECT_EQ(t.buttons[i]->geometry(), QRect(g.topLeft() * 2, g.size() * 2)) << i;
        }
        EXPECT_EQ(t.clock->font().pixelSize(), 2 * 27);
        const QImage expected = sharpCopy ? glyph2x : glyph.scaled(64, 64); // nearest pixels
        EXPECT_TRUE(Contains(t.buttons[0]->grab().toImage(), expected)) << sharpCopy;
        ApplyInterfaceScale(&t.panel, 1.0);
        EXPECT_EQ(t.panel.grab().toImage(), at100);
    }
}

// A screen reader hears every button of the toolbar and of the new-game
// dialog by a Russian name and what it does; a switch says whether it is
// on, and pressing it through the reader toggles it as a click does.
TEST(Toolbar, EveryButtonHasAnAccessibleNameAndDescription)
{
    Toolbar t;
    TNewGameFrm dialog;
    for (QWidget *root : {static_cast<QWidget *>(&t.panel), static_cast<QWidget *>(&dialog)}) {
        DescribeForAccess(root);
        for (QWidget *w : root->findChildren<QWidget *>()) {
            if (!qobject_cast<TMySpeedButton *>(w) && !qobject_cast<QAbstractButton *>(w))
                continue;
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->role(), qobject_cast<QCheckBox *>(w) ? QAccessible::CheckBox : QAccessible::Button);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
            EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << a->text(QAccessible::Name).toStdString();
        }
    }
    for (TMySpeedButton *b : t.buttons) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
        EXPECT_EQ(a->text(QAccessible::Name), b->toolTip());
        EXPECT_EQ(a->state().checkable, b->GroupIndex() != 0);
    }
    TMySpeedButton *music = t.buttons[4];
    QSignalSpy clicks(music, &TMySpeedButton::clicked);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(music);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(music->Down() && a->state().checked);
    EXPECT_EQ(clicks.count(), 1);
}
