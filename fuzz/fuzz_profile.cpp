// The profile-file reader under any bytes: Settings.ini and saved games
// both come through it.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "base/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TProfileFile f(QStringLiteral("/nonexistent/fuzz.ini"), bytes);
    // The keys the game reads, and a name taken from the input itself.
    const QString own = QString::fromUtf8(bytes.left(16));
    for (const QString &section : {QStringLiteral("Set"), QStringLiteral("piece0"), QStringLiteral("Groups"), own}) {
        for (const QString &key : {QStringLiteral("bgind"), QStringLiteral("PPosLst"), QStringLiteral("gr0"), own}) {
            f.ReadInteger(section, key, 0);
            f.ReadBool(section, key, true);
            bool found = false;
            const QString raw = f.ReadRaw(section, key, &found);
            // A missing key gives the caller's default; a present one its value, cut to the reader's length.
            const QString def = QStringLiteral("<no such key>");
            const QString read = f.ReadString(section, key, def);
            if (found ? !raw.startsWith(read) : read != def)
                abort();
        }
    }
    // A value written is read back as written, line breaks made blanks.
    f.WriteString(QStringLiteral("Fuzz"), QStringLiteral("k"), own);
    QString expected = own;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (f.ReadRaw(QStringLiteral("Fuzz"), QStringLiteral("k"), nullptr) != expected.trimmed())
        abort();
    return 0;
}
