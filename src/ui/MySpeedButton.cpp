// Placeholder implementation: behaves as a plain push/switch button until
// the full painting and layout land.
#include "ui/MySpeedButton.h"

#include <QMouseEvent>
#include <QPainter>

TMySpeedButton::TMySpeedButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_color = palette().color(QPalette::Button);
    resize(23, 22);
}

void TMySpeedButton::setGlyph(const QImage &img) { m_glyph = img; update(); }
void TMySpeedButton::setCaption(const QString &c) { m_caption = c; update(); }
void TMySpeedButton::setLayout(TButtonLayout l) { m_layout = l; update(); }
void TMySpeedButton::setMargin(int m) { if (m >= -1) { m_margin = m; update(); } }
void TMySpeedButton::setSpacing(int s) { m_spacing = s; update(); }
void TMySpeedButton::setFlat(bool f) { m_flat = f; update(); }
void TMySpeedButton::setTransparent(bool t) { m_transparent = t; update(); }
void TMySpeedButton::setDrawImageOnly(bool v) { m_drawImageOnly = v; update(); }
void TMySpeedButton::setColor(const QColor &c) { m_color = c; update(); }
void TMySpeedButton::setGroupIndex(int g) { m_groupIndex = g; }
void TMySpeedButton::setAllowAllUp(bool a) { m_allowAllUp = a; }
void TMySpeedButton::setDown(bool d)
{
    if (m_groupIndex == 0)
        d = false;
    m_down = d;
    m_state = d ? Latched : Up;
    update();
}

void TMySpeedButton::LayoutFace(const QRect &face, const QPoint &offset, QPoint &glyphPos, QRect &captionRect) const
{
    glyphPos = face.topLeft() + offset + QPoint(m_margin < 0 ? (face.width() - m_glyph.width()) / 2 : m_margin,
                                                (face.height() - m_glyph.height() + 1) / 2);
    captionRect = face;
}

void TMySpeedButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_down ? m_color.darker(120) : m_color);
    QPoint g;
    QRect c;
    LayoutFace(rect(), (m_state == Pressed || m_state == Latched) ? QPoint(1, 1) : QPoint(0, 0), g, c);
    p.drawImage(g, m_glyph);
    if (!m_caption.isEmpty())
        p.drawText(c, Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}

void TMySpeedButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && isEnabled()) {
        m_pressing = true;
        if (!m_down)
            m_state = Pressed;
        update();
    }
}

void TMySpeedButton::mouseMoveEvent(QMouseEvent *) {}

void TMySpeedButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (!m_pressing)
        return;
    m_pressing = false;
    const bool inside = rect().contains(e->position().toPoint());
    if (inside && m_groupIndex != 0)
        setDown(!m_down || !m_allowAllUp ? true : false);
    m_state = m_down ? Latched : Up;
    update();
    if (inside)
        emit clicked();
}

void TMySpeedButton::mouseDoubleClickEvent(QMouseEvent *) { if (m_down) emit doubleClicked(); }
void TMySpeedButton::enterEvent(QEnterEvent *) { m_hovered = true; update(); emit mouseEntered(); }
void TMySpeedButton::leaveEvent(QEvent *) { m_hovered = false; update(); emit mouseLeft(); }
void TMySpeedButton::changeEvent(QEvent *e) { QWidget::changeEvent(e); }
