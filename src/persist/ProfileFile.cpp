// Placeholder until the real profile-file layer lands.
#include "persist/ProfileFile.h"

struct TProfileFile::Impl {};

TProfileFile::TProfileFile(const QString &path) : m_path(path), d(new Impl) {}
TProfileFile::~TProfileFile() = default;
bool TProfileFile::SectionExists(const QString &) const { return false; }
bool TProfileFile::KeyExists(const QString &, const QString &) const { return false; }
QString TProfileFile::ReadString(const QString &, const QString &, const QString &def) const { return def; }
QString TProfileFile::ReadRaw(const QString &, const QString &, bool *found) const { if (found) *found = false; return {}; }
int TProfileFile::ReadInteger(const QString &, const QString &, int def) const { return def; }
bool TProfileFile::ReadBool(const QString &, const QString &, bool def) const { return def; }
QStringList TProfileFile::ReadList(const QString &, const QString &) const { return {}; }
void TProfileFile::WriteString(const QString &, const QString &, const QString &) {}
void TProfileFile::WriteInteger(const QString &, const QString &, int) {}
void TProfileFile::WriteBool(const QString &, const QString &, bool) {}
void TProfileFile::WriteList(const QString &, const QString &, const QStringList &) {}
bool TProfileFile::Close(QString *) { return true; }
QString TProfileFile::WriteErrorText(const QString &path) { return QStringLiteral("Unable to write to %1").arg(path); }
