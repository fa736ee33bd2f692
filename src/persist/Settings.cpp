#include "persist/Settings.h"

#include "base/ProgramFiles.h"
#include "base/ProfileFile.h"

TSettingsFile::TSettingsFile() : m_path(ProgramFile(QStringLiteral("Settings.ini"))) {}

TStartSettings TSettingsFile::Read(bool roundPlaceDefault) const
{
    const QString set = SettingsSection();
    TProfileFile f(m_path);
    TStartSettings s;
    s.ShadowOn = f.ReadBool(set, QStringLiteral("PMShadow"), true);
    s.PlayMusic = f.ReadBool(set, QStringLiteral("PlayMusic"), true);
    s.Eff3DOn = f.ReadBool(set, QStringLiteral("Eff3D"), true);
    // Stored in a byte: 256 is background 0, 300 is background 44.
    s.BgIndex = static_cast<uint8_t>(f.ReadInteger(set, QStringLiteral("bgind"), 0) & 0xFF);
    s.BgDrawStretch = f.ReadBool(set, QStringLiteral("BgDrawStretch"), false);
    s.BgFromFile = f.ReadBool(set, QStringLiteral("BgFromFile"), false);
    s.BgFileName = f.ReadString(set, QStringLiteral("BgFileName"), QString());
    s.RoundPlace = f.ReadBool(set, QStringLiteral("RoundPlace"), roundPlaceDefault);
    f.Close();
    return s;
}

bool TSettingsFile::WriteBool(const QString &key, bool value, QString *error) const
{
    TProfileFile f(m_path);
    f.WriteBool(SettingsSection(), key, value);
    return f.Close(error);
}

bool TSettingsFile::WriteInteger(const QString &key, int value, QString *error) const
{
    TProfileFile f(m_path);
    f.WriteInteger(SettingsSection(), key, value);
    return f.Close(error);
}

bool TSettingsFile::WriteString(const QString &key, const QString &value, QString *error) const
{
    TProfileFile f(m_path);
    f.WriteString(SettingsSection(), key, value);
    return f.Close(error);
}

QString ApplySwitch(bool down, bool *variable, const std::function<void()> &work,
                    const TSettingsFile &file, const QString &key)
{
    if (variable)
        *variable = down;
    if (work)
        work();
    QString error;
    if (!file.WriteBool(key, down, &error))
        return error;
    return QString();
}
