// The desktop's wish for motion, and the outlines on the installed
// backgrounds.
#include <gtest/gtest.h>
#include <set>

#include "persist/Background.h"
#include "persist/DesktopMotion.h"
#include "play/OutlinePalette.h"

TEST(DesktopMotion, GnomeIsAskedFirstThenKde)
{
    const QString kdeOff = "[General]\nAnimationDurationFactor=1\n[KDE]\nAnimationDurationFactor=0\n";
    const QString kdeSlow = "[KDE]\nAnimationDurationFactor=2.5\n";
    const struct {
        const char *gnome;
        QString kde;
        std::optional<TMotion> wish;
    } rows[] = {
        {"false\n", kdeSlow, TMotion::None}, {"true\n", kdeOff, TMotion::Full}, {"", kdeOff, TMotion::None},
        {"", kdeSlow, TMotion::Full},        {"", "[General]\nAnimationDurationFactor=0\n", std::nullopt},
        {"nonsense", "", std::nullopt},
    };
    for (const auto &r : rows)
        EXPECT_EQ(MotionFromDesktop(r.gnome, r.kde), r.wish) << r.gnome << r.kde.toStdString();
}

// Every pixel of every installed background: one of each outline's two
// tones stands out from it at 3:1 at least.
TEST(OutlinePalette, EveryOutlineShowsOnEveryInstalledBackground)
{
    const std::vector<TBackground> backgrounds = LoadBackgrounds(JIGSY_SOURCE_DIR "/assets/BackGr");
    ASSERT_FALSE(backgrounds.empty());
    const play::TOutlineKind kinds[] = {play::TOutlineKind::Selection, play::TOutlineKind::Hint,
                                        play::TOutlineKind::Hand};
    for (play::TOutlineKind kind : kinds)
        EXPECT_GE(play::Contrast(play::OutlineOf(kind).Dark, play::OutlineOf(kind).Light), 3.0);
    for (const TBackground &bg : backgrounds) {
        // The background's colours, each once.
        const QImage img = bg.Picture.Image.convertToFormat(QImage::Format_RGB32);
        std::set<QRgb> colours;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            colours.insert(row, row + img.width());
        }
        for (play::TOutlineKind kind : kinds) {
            const play::TOutline &o = play::OutlineOf(kind);
            double worst = 21;
            for (QRgb c : colours) {
                const play::TTone px{uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c))};
                worst = std::min(worst, std::max(play::Contrast(o.Dark, px), play::Contrast(o.Light, px)));
            }
            EXPECT_GE(worst, 3.0) << bg.Name.toStdString() << " outline " << int(kind);
        }
    }
}
