// Settings.ini in the player's folder (beside a portable program, else
// under their XDG config folder): the switches, the background and the last
// folders used, section "Set", read at start-up and written key by key the
// moment something changes.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class TProfileFile;

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
    bool EdgeOnly = false;     // "EdgeOnly": only the edge pieces are shown
    bool HideAssembled = false; // "HideAssembled": groups of two or more are hidden
};

// The toolbar switches that are remembered one key each.
enum class TSwitch {
    RoundPlace, // "RoundPlace": the edge layout
    PlayMusic,  // "PlayMusic"
    Eff3D,      // "Eff3D": the relief
    Shadow,     // "PMShadow": the drag shadow
    EdgeOnly,   // "EdgeOnly": the edge filter of the game on the table
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
    // "bgind", "BgFromFile", "BgDrawStretch", "BgFileName", in that order.
    bool WriteBackground(uint8_t bgIndex, bool fromFile, bool drawStretch, const QString &fileName,
                         QString *error = nullptr) const;
    // "LastPath": the folder the picture browser last opened.
    QString ReadLastPath() const;
    bool WriteLastPath(const QString &folder, QString *error = nullptr) const;
    // The box-lid picture's state and place, in one write.
    bool WriteLid(bool shown, int x, int y, QString *error = nullptr) const;
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

// What the start-up message names when the settings are not kept: the
// settings folder, with the consequence.
QString SettingsNotKeptText(const QString &settingsPath);

// A toolbar switch was clicked: copy its new state into its variable (if it
// has one), do the switch's immediate work, then write its key.  Returns the
// error to show once the work is done, or an empty string; the new state
// stays either way.
QString ApplySwitch(bool down, bool *variable, const std::function<void()> &work,
                    const TSettingsFile &file, TSwitch which);
