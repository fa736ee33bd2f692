// Settings.ini in the player's folder (beside a portable program, else
// under their XDG config folder): the switches, the background and the last
// folders used, section "Set", read at start-up and written key by key the
// moment something changes.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TProfileFile;

// How much moves on the table by itself: full, less (turns and the final
// fade instant, nothing flashes) or none (as less, and no motion at all the
// player did not ask for).
enum class TMotion { Full = 0, Less = 1, None = 2 };

// What start-up takes from the file, each with its default for a first run.
struct TStartSettings {
    bool ShadowOn = true;      // "PMShadow"
    bool PlayMusic = true;     // "PlayMusic"
    bool Eff3DOn = true;       // "Eff3D"
    uint8_t BgIndex = 0;       // "bgind", kept in one byte
    bool BgDrawStretch = false; // "BgDrawStretch", written back unchanged
    bool BgFromFile = false;   // "BgFromFile"
    QString BgFileName;        // "BgFileName"
    bool RoundPlace = false;   // "RoundPlace"
    bool LidShown = false;     // "LidShown": the box-lid picture is shown
    int LidX = -1;             // "LidX", "LidY": its corner on the table;
    int LidY = -1;             //   -1 leaves the place to the game
    int LidW = -1;             // "LidW": its width as the player made it; -1: the game's
    bool EdgeOnly = false;     // "EdgeOnly": only the edge pieces are shown
    // ---- the settings window ----
    bool ClickToPick = false;  // "ClickToPick": a click picks up, the next drops
    TMotion Motion = TMotion::Full; // "Animation": 0 full, 1 less, 2 none
    bool MotionChosen = false; // "Animation" was in the file; else the desktop's
    int UiScale = 100;         // "UiScale": the interface's size in percent
    bool GamePlayed = false;   // "GamePlayed": the first game has been begun
    // Finding one's way on a big table.
    int JoinPx = 8;            // "JoinPx": «Точность стыковки», screen pixels, 3..15
    int GhostPercent = 0;      // "Ghost": the picture's ghost on the home area, 0/15/30/50
    bool HideAssembled = false; // "HideAssembled": groups of two or more are hidden
};

// The settings window's rows of more than two values, one key each; the
// value is checked against the row's own list (LevelValues) on reading.
enum class TLevel {
    Motion,  // "Animation", a TMotion
    UiScale, // "UiScale", percent
};
// The values a level may take, in the order the window offers them; the
// first is its default.
const std::vector<int> &LevelValues(TLevel which);

// The toolbar switches that are remembered one key each.
enum class TSwitch {
    RoundPlace, // "RoundPlace": the edge layout
    PlayMusic,  // "PlayMusic"
    Eff3D,      // "Eff3D": the relief
    Shadow,     // "PMShadow": the drag shadow
    EdgeOnly,   // "EdgeOnly": the edge filter of the game on the table
    ClickToPick, // "ClickToPick"
    GamePlayed, // "GamePlayed": written once, by the first game
    HideAssembled, // "HideAssembled": only the loose pieces are shown
};

class TSettingsFile {
public:
    // The player's Settings.ini.
    TSettingsFile();
    explicit TSettingsFile(const QString &path) : m_path(path) {}

    const QString &Path() const { return m_path; }

    // Reads every start-up key in the order they were written; a missing
    // or unreadable file gives the defaults.  "RoundPlace" defaults to the
    // switch's current state.
    TStartSettings Read(bool roundPlaceDefault) const;

    // Every write below commits at once.  False with the player's message
    // (the file and what failed) in *error when the file cannot be written.

    // One toolbar switch.
    bool WriteSwitch(TSwitch which, bool down, QString *error = nullptr) const;
    // One level of the settings window.
    bool WriteLevel(TLevel which, int value, QString *error = nullptr) const;
    // "bgind", "BgFromFile", "BgDrawStretch", "BgFileName", in that order.
    bool WriteBackground(uint8_t bgIndex, bool fromFile, bool drawStretch, const QString &fileName,
                         QString *error = nullptr) const;
    // "LastPath": the folder the picture browser last opened.
    QString ReadLastPath() const;
    bool WriteLastPath(const QString &folder, QString *error = nullptr) const;
    // The box-lid picture's state, place and width, in one write.
    bool WriteLid(bool shown, int x, int y, int width, QString *error = nullptr) const;
    // "JoinPx" and "Ghost", each brought within its values.
    bool WriteJoinPx(int px, QString *error = nullptr) const;
    bool WriteGhost(int percent, QString *error = nullptr) const;
    // "LastGamePath": the folder a game was last saved to or loaded from,
    // empty before the first.
    QString ReadLastGameFolder() const;
    bool WriteLastGameFolder(const QString &folder, QString *error = nullptr) const;

    // Whether the settings of this run are kept.  The player's file is not
    // when their settings folder cannot be written (an unwritable XDG
    // folder, or an XDG variable naming a file): the writes above then do
    // nothing and succeed, the player having been told once at start-up.
    // A file named by its path is always written.
    bool Kept() const { return m_kept; }

private:
    // Collects one write's keys and commits them, when the file is kept.
    bool Write(const std::function<void(TProfileFile &)> &keys, QString *error) const;

    QString m_path;
    bool m_kept = true;
};

// The nearest of the ghost's strengths, 0, 15, 30 or 50 percent.
int GhostStrength(int percent);
// «Точность стыковки» within 3..15 screen pixels.
int JoinPxWithin(int px);

// What the start-up message names when the settings are not kept: the
// settings folder, with the consequence.
QString SettingsNotKeptText(const QString &settingsPath);

// A toolbar switch was clicked: copy its new state into its variable (if it
// has one), do the switch's immediate work, then write its key.  Returns the
// error to show once the work is done, or an empty string; the new state
// stays either way.
QString ApplySwitch(bool down, bool *variable, const std::function<void()> &work,
                    const TSettingsFile &file, TSwitch which);
