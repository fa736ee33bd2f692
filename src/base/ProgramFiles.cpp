#include "base/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &OverrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

QString ProgramDir()
{
    if (!OverrideDir().isEmpty())
        return OverrideDir();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString UserStateDir() { return ProgramDir(); }

void SetProgramDir(const QString &dir)
{
    QString d = dir;
    while (d.size() > 1 && d.endsWith(QLatin1Char('/')))
        d.chop(1);
    OverrideDir() = d;
}

QString FindCaseInsensitive(const QString &base, const QString &relative)
{
    QString current = base;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool searching = true;
    for (const QString &part : parts) {
        QString next = current + QLatin1Char('/') + part;
        if (searching && !QFileInfo::exists(next)) {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString &e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = current + QLatin1Char('/') + e;
                    found = true;
                    break;
                }
            }
            if (!found)
                searching = false;
        }
        current = next;
    }
    return current;
}

QString ProgramFile(const QString &relative)
{
    return FindCaseInsensitive(ProgramDir(), relative);
}
