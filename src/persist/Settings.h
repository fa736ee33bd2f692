// Settings.ini beside the program: the player's switches and background,
// section "Set", read once at start-up and written key by key the moment
// something changes.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

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
};

class TSettingsFile {
public:
    // The program's own Settings.ini.
    TSettingsFile();
    explicit TSettingsFile(const QString &path) : m_path(path) {}

    const QString &Path() const { return m_path; }

    // Reads every start-up key in the order they were written; a missing
    // or unreadable file gives the defaults.  "RoundPlace" defaults to the
    // switch's current state.
    TStartSettings Read(bool roundPlaceDefault) const;

    // Write one key of "Set".  False with "Unable to write to <path>" in
    // *error when the file cannot be written.
    bool WriteBool(const QString &key, bool value, QString *error = nullptr) const;
    bool WriteInteger(const QString &key, int value, QString *error = nullptr) const;
    bool WriteString(const QString &key, const QString &value, QString *error = nullptr) const;

private:
    QString m_path;
};

// The section every setting lives in.
inline QString SettingsSection() { return QStringLiteral("Set"); }

// A toolbar switch was clicked: copy its new state into its variable (if it
// has one), do the switch's immediate work, then write its key.  Returns the
// error to show once the work is done, or an empty string; the new state
// stays either way.
QString ApplySwitch(bool down, bool *variable, const std::function<void()> &work,
                    const TSettingsFile &file, const QString &key);
