#include "board/Tray.h"

QString DefaultTrayName(int tray) { return QStringLiteral("Лоток %1").arg(tray + 1); }

std::vector<TTray> DefaultTrays()
{
    std::vector<TTray> trays(MaxTrays);
    for (int k = 0; k < MaxTrays; ++k)
        trays[size_t(k)].Name = DefaultTrayName(k);
    return trays;
}

bool TraysAreDefault(const std::vector<TTray> &trays)
{
    if (trays.size() != size_t(MaxTrays))
        return false;
    for (int k = 0; k < MaxTrays; ++k) {
        const TTray &t = trays[size_t(k)];
        if (!t.Pieces.empty() || t.Swatch >= 0 || t.Name != DefaultTrayName(k))
            return false;
    }
    return true;
}
