#include "persist/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "base/ProfileFile.h"
#include "base/ProgramFiles.h"

namespace {

// The section every setting lives in.
const QString Set = QStringLiteral("Set");

QString SwitchKey(TSwitch which)
{
    switch (which) {
    case TSwitch::RoundPlace: return QStringLiteral("RoundPlace");
    case TSwitch::PlayMusic: return QStringLiteral("PlayMusic");
    case TSwitch::Eff3D: return QStringLiteral("Eff3D");
    case TSwitch::Shadow: return QStringLiteral("PMShadow");
    case TSwitch::EdgeOnly: return QStringLiteral("EdgeOnly");
    case TSwitch::ClickToPick: return QStringLiteral("ClickToPick");
    case TSwitch::GamePlayed: return QStringLiteral("GamePlayed");
    case TSwitch::HideAssembled: return QStringLiteral("HideAssembled");
    }
    return {};
}

QString LevelKey(TLevel which)
{
    switch (which) {
    case TLevel::Motion: return QStringLiteral("Animation");
    case TLevel::UiScale: return QStringLiteral("UiScale");
    }
    return {};
}

// The stored level, or `def` when it is missing or not one of its values.
int ReadLevel(const TProfileFile &f, TLevel which, int def, bool *found = nullptr)
{
    const int v = f.ReadInteger(Set, LevelKey(which), INT_MIN);
    const std::vector<int> &values = LevelValues(which);
    const bool ok = std::find(values.begin(), values.end(), v) != values.end();
    if (found)
        *found = ok;
    return ok ? v : def;
}

} // namespace

TSettingsFile::TSettingsFile() : m_path(UserStateFile(QStringLiteral("Settings.ini"))), m_kept(UserStateWritable()) {}

TStartSettings TSettingsFile::Read(bool roundPlaceDefault) const
{
    TProfileFile f(m_path);
    TStartSettings s;
    s.ShadowOn = f.ReadBool(Set, SwitchKey(TSwitch::Shadow), true);
    s.PlayMusic = f.ReadBool(Set, SwitchKey(TSwitch::PlayMusic), true);
    s.Eff3DOn = f.ReadBool(Set, SwitchKey(TSwitch::Eff3D), true);
    // Stored in a byte: 256 is background 0, 300 is background 44.
    s.BgIndex = static_cast<uint8_t>(f.ReadInteger(Set, QStringLiteral("bgind"), 0) & 0xFF);
    s.BgDrawStretch = f.ReadBool(Set, QStringLiteral("BgDrawStretch"), false);
    s.BgFromFile = f.ReadBool(Set, QStringLiteral("BgFromFile"), false);
    s.BgFileName = f.ReadString(Set, QStringLiteral("BgFileName"), QString());
    s.RoundPlace = f.ReadBool(Set, SwitchKey(TSwitch::RoundPlace), roundPlaceDefault);
    s.LidShown = f.ReadBool(Set, QStringLiteral("LidShown"), false);
    s.LidX = f.ReadInteger(Set, QStringLiteral("LidX"), -1);
    s.LidY = f.ReadInteger(Set, QStringLiteral("LidY"), -1);
    s.LidW = f.ReadInteger(Set, QStringLiteral("LidW"), -1);
    s.EdgeOnly = f.ReadBool(Set, SwitchKey(TSwitch::EdgeOnly), false);
    s.ClickToPick = f.ReadBool(Set, SwitchKey(TSwitch::ClickToPick), false);
    s.Motion = TMotion(ReadLevel(f, TLevel::Motion, int(TMotion::Full), &s.MotionChosen));
    s.UiScale = ReadLevel(f, TLevel::UiScale, LevelValues(TLevel::UiScale).front());
    s.GamePlayed = f.ReadBool(Set, SwitchKey(TSwitch::GamePlayed), false);
    s.JoinPx = JoinPxWithin(f.ReadInteger(Set, QStringLiteral("JoinPx"), s.JoinPx));
    s.GhostPercent = GhostStrength(f.ReadInteger(Set, QStringLiteral("Ghost"), s.GhostPercent));
    s.HideAssembled = f.ReadBool(Set, SwitchKey(TSwitch::HideAssembled), false);
    f.Close();
    return s;
}

bool TSettingsFile::Write(const std::function<void(TProfileFile &)> &keys, QString *error) const
{
    if (!m_kept)
        return true;
    TProfileFile f(m_path);
    keys(f);
    return f.Close(error);
}

bool TSettingsFile::WriteSwitch(TSwitch which, bool down, QString *error) const
{
    return Write([&](TProfileFile &f) { f.WriteBool(Set, SwitchKey(which), down); }, error);
}

bool TSettingsFile::WriteLevel(TLevel which, int value, QString *error) const
{
    return Write([&](TProfileFile &f) { f.WriteInteger(Set, LevelKey(which), value); }, error);
}

const std::vector<int> &LevelValues(TLevel which)
{
    static const std::vector<int> motion = {int(TMotion::Full), int(TMotion::Less), int(TMotion::None)};
    static const std::vector<int> scale = {100, 125, 150, 200};
    return which == TLevel::Motion ? motion : scale;
}

bool TSettingsFile::WriteBackground(uint8_t bgIndex, bool fromFile, bool drawStretch, const QString &fileName,
                                    QString *error) const
{
    return Write(
        [&](TProfileFile &f) {
            f.WriteInteger(Set, QStringLiteral("bgind"), bgIndex);
            f.WriteBool(Set, QStringLiteral("BgFromFile"), fromFile);
            f.WriteBool(Set, QStringLiteral("BgDrawStretch"), drawStretch);
            f.WriteString(Set, QStringLiteral("BgFileName"), fileName);
        },
        error);
}

QString TSettingsFile::ReadLastPath() const
{
    TProfileFile f(m_path);
    const QString path = f.ReadString(Set, QStringLiteral("LastPath"), QString());
    f.Close();
    return path;
}

bool TSettingsFile::WriteLastPath(const QString &folder, QString *error) const
{
    return Write([&](TProfileFile &f) { f.WriteString(Set, QStringLiteral("LastPath"), folder); }, error);
}

QString TSettingsFile::ReadLastGameFolder() const
{
    return TProfileFile(m_path).ReadString(Set, QStringLiteral("LastGamePath"), QString());
}

bool TSettingsFile::WriteLastGameFolder(const QString &folder, QString *error) const
{
    return Write([&](TProfileFile &f) { f.WriteString(Set, QStringLiteral("LastGamePath"), folder); }, error);
}

bool TSettingsFile::WriteLid(bool shown, int x, int y, int width, QString *error) const
{
    return Write(
        [&](TProfileFile &f) {
            f.WriteBool(Set, QStringLiteral("LidShown"), shown);
            f.WriteInteger(Set, QStringLiteral("LidX"), x);
            f.WriteInteger(Set, QStringLiteral("LidY"), y);
            f.WriteInteger(Set, QStringLiteral("LidW"), width);
        },
        error);
}

bool TSettingsFile::WriteJoinPx(int px, QString *error) const
{
    return Write([&](TProfileFile &f) { f.WriteInteger(Set, QStringLiteral("JoinPx"), JoinPxWithin(px)); }, error);
}

bool TSettingsFile::WriteGhost(int percent, QString *error) const
{
    return Write([&](TProfileFile &f) { f.WriteInteger(Set, QStringLiteral("Ghost"), GhostStrength(percent)); },
                 error);
}

int GhostStrength(int percent)
{
    int best = 0;
    for (int s : {0, 15, 30, 50})
        if (std::abs(percent - s) < std::abs(percent - best))
            best = s;
    return best;
}

int JoinPxWithin(int px) { return std::clamp(px, 3, 15); }

QString ApplySwitch(bool down, bool *variable, const std::function<void()> &work, const TSettingsFile &file,
                    TSwitch which)
{
    if (variable)
        *variable = down;
    if (work)
        work();
    QString error;
    if (!file.WriteSwitch(which, down, &error))
        return error;
    return QString();
}

QString SettingsNotKeptText(const QString &settingsPath)
{
    return QStringLiteral("папку настроек «%1» (настройки не будут сохраняться)")
        .arg(QDir::toNativeSeparators(QFileInfo(settingsPath).absolutePath()));
}
