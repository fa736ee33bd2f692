#include "ui/LidPanel.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kOpacity = 0.85;
constexpr qreal kLensPower = 3.0;
constexpr int kLensRadius = 60;

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
    if (!m_lens)
        return;
    // The picture's point under the lens stays under it, three times larger
    // than the lid shows it.
    const QPointF at(*m_lens);
    const qreal scale = kLensPower * width() / m_picture.width();
    QPainterPath circle;
    circle.addEllipse(at, kLensRadius, kLensRadius);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.setClipPath(circle);
    p.translate(at);
    p.scale(scale, scale);
    p.translate(-at * (m_picture.width() / qreal(width())));
    p.drawImage(0, 0, m_picture);
    p.restore();
    p.drawPath(circle);
}

void TLidPanel::SetLens(std::optional<QPoint> at)
{
    if (at == m_lens)
        return;
    m_lens = at;
    update();
}
