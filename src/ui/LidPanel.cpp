#include "ui/LidPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/LidGeometry.h"

namespace {

constexpr qreal kOpacity = 0.85;

} // namespace

TLidPanel::TLidPanel(QWidget *table) : QWidget(table)
{
    setObjectName(QStringLiteral("LidPanel"));
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::OpenHandCursor);
    setToolTip(QStringLiteral("Картинка"));
    hide();
}

void TLidPanel::SetPicture(const QImage &picture)
{
    m_picture = picture;
    m_scaled = QImage();
    update();
}

void TLidPanel::Place(QPoint wanted, QSize table)
{
    const QSize size = LidSize(m_picture.size(), table);
    if (size != this->size())
        m_scaled = QImage();
    resize(size);
    move(LidPlace(wanted, size, table));
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

void TLidPanel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grab = e->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void TLidPanel::mouseMoveEvent(QMouseEvent *e)
{
    if (!m_dragging || !parentWidget())
        return;
    const QPoint wanted = mapToParent(e->position().toPoint()) - m_grab;
    move(LidPlace(wanted, size(), parentWidget()->size()));
}

void TLidPanel::mouseReleaseEvent(QMouseEvent *e)
{
    if (!m_dragging || e->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
    emit moved(pos());
}
