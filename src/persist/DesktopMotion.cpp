#include "persist/DesktopMotion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

std::optional<TMotion> FromGnome(const QString &answer)
{
    const QString a = answer.trimmed();
    if (a == QLatin1String("false"))
        return TMotion::None;
    if (a == QLatin1String("true"))
        return TMotion::Full;
    return std::nullopt;
}

// AnimationDurationFactor in the [KDE] group: 0 switches animation off,
// anything else only makes it faster or slower.
std::optional<TMotion> FromKde(const QString &globals)
{
    bool inKde = false;
    for (const QString &raw : globals.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inKde = line == QLatin1String("[KDE]");
            continue;
        }
        if (!inKde || !line.startsWith(QLatin1String("AnimationDurationFactor")))
            continue;
        bool ok = false;
        const double factor = line.section(QLatin1Char('='), 1).trimmed().toDouble(&ok);
        if (ok && factor >= 0)
            return factor == 0 ? TMotion::None : TMotion::Full;
    }
    return std::nullopt;
}

QString GnomeAnswer()
{
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty())
        return {};
    QProcess p;
    p.start(QStringLiteral("gsettings"), {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                                          QStringLiteral("enable-animations")});
    if (!p.waitForFinished(1000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(100);
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput().left(64));
}

QString KdeGlobals()
{
    QFile f(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                .filePath(QStringLiteral("kdeglobals")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.read(1 << 20)); // far more than any real one
}

} // namespace

std::optional<TMotion> MotionFromDesktop(const QString &gnomeAnswer, const QString &kdeGlobals)
{
    if (const auto g = FromGnome(gnomeAnswer))
        return g;
    return FromKde(kdeGlobals);
}

TMotion DesktopMotion() { return MotionFromDesktop(GnomeAnswer(), KdeGlobals()).value_or(TMotion::Full); }
