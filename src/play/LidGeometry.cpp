#include "play/LidGeometry.h"

#include <algorithm>

namespace {

constexpr int kGap = 8;

} // namespace

QSize LidSize(QSize picture, QSize table, int width)
{
    if (picture.isEmpty() || table.isEmpty())
        return QSize();
    if (width > 0) {
        const QSize room(std::max(1, table.width() - 2 * kGap), std::max(1, table.height() - 2 * kGap));
        const int wanted = std::max(width, kLidLeastWidth);
        const QSize sized(wanted, std::max(1, int(qint64(wanted) * picture.height() / picture.width())));
        return sized.width() <= room.width() && sized.height() <= room.height()
                   ? sized
                   : sized.scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    }
    const QSize half(std::max(1, picture.width() / 2), std::max(1, picture.height() / 2));
    const QSize third(std::max(1, table.width() / 3), std::max(1, table.height() / 3));
    if (half.width() <= third.width() && half.height() <= third.height())
        return half;
    return half.scaled(third, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QPoint LidPlace(QPoint wanted, QSize lid, QSize table)
{
    if (wanted == QPoint(-1, -1))
        wanted = QPoint(table.width() - lid.width() - kGap, kGap);
    const int x = std::max(0, std::min(wanted.x(), table.width() - lid.width()));
    const int y = std::max(0, std::min(wanted.y(), table.height() - lid.height()));
    return QPoint(x, y);
}
