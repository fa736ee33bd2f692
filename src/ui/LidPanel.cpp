#include "ui/LidPanel.h"

#include <QPainter>

namespace {

constexpr qreal kOpacity = 0.85;

} // namespace

TLidPanel::TLidPanel(QWidget *table) : QWidget(table)
{
    setObjectName(QStringLiteral("LidPanel"));
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TLidPanel::SetPicture(const QImage &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_scaled = QImage();
    update();
}

void TLidPanel::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull() || size().isEmpty())
        return;
    if (m_scaled.size() != size())
        m_scaled = m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(this);
    p.setOpacity(kOpacity);
    p.drawImage(0, 0, m_scaled);
    p.setOpacity(1.0);
    p.setPen(QPen(QColor(0x1B, 0x33, 0x58), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
