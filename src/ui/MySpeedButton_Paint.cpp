// The image button's face: where the glyph and the caption go, and the
// classic and styled ways of painting it.
#include "ui/MySpeedButton.h"

#include <algorithm>
#include <cmath>

#include <QMetaMethod>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace {

bool IsDownState(TMySpeedButton::TButtonState s)
{
    return s == TMySpeedButton::Pressed || s == TMySpeedButton::Latched;
}

// The 1-pixel checker of a latched classic face: button face and highlight.
QBrush CheckerBrush(const QPalette &pal)
{
    QImage img(2, 2, QImage::Format_RGB32);
    const QRgb face = pal.color(QPalette::Button).rgb();
    const QRgb light = pal.color(QPalette::Light).rgb();
    img.setPixel(0, 0, face);
    img.setPixel(1, 1, face);
    img.setPixel(1, 0, light);
    img.setPixel(0, 1, light);
    return QBrush(img);
}

} // namespace

// ---- layout ----

QSize TMySpeedButton::GlyphSize() const
{
    if (m_glyph.isNull())
        return QSize(0, 0);
    const QSizeF size = m_glyph.deviceIndependentSize() * m_scale;
    return QSize(qRound(size.width()), qRound(size.height()));
}

void TMySpeedButton::LayoutFace(const QRect &face, const QPoint &offset, QPoint &glyphPos, QRect &captionRect) const
{
    TButtonLayout layout = m_layout;
    // The interface's scale widens the gaps with the glyph.
    int margin = m_margin >= 0 ? int(std::lround(m_margin * m_scale)) : m_margin;
    int spacing = m_spacing >= 0 ? int(std::lround(m_spacing * m_scale)) : m_spacing;
    if (layoutDirection() == Qt::RightToLeft) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }

    const QSize faceSize = face.size();
    const QSize glyphSize = GlyphSize();
    QSize capSize(0, 0);
    if (!m_caption.isEmpty())
        capSize = fontMetrics()
                      .boundingRect(QRect(0, 0, faceSize.width(), 0), Qt::TextSingleLine | Qt::TextHideMnemonic,
                                    m_caption)
                      .size();

    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    QPoint gPos, cPos;
    if (horizontal) {
        gPos.setY((faceSize.height() - glyphSize.height() + 1) / 2);
        cPos.setY((faceSize.height() - capSize.height() + 1) / 2);
    } else {
        gPos.setX((faceSize.width() - glyphSize.width() + 1) / 2);
        cPos.setX((faceSize.width() - capSize.width() + 1) / 2);
    }

    if (capSize.width() == 0 || glyphSize.width() == 0)
        spacing = 0;

    const int faceExt = horizontal ? faceSize.width() : faceSize.height();
    const int glyphExt = horizontal ? glyphSize.width() : glyphSize.height();
    const int capExt = horizontal ? capSize.width() : capSize.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (faceExt - (glyphExt + capExt)) / 3;
            spacing = margin;
        } else {
            margin = (faceExt - (glyphExt + spacing + capExt) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((faceExt - margin - glyphExt) - capExt) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        gPos.setX(margin);
        cPos.setX(gPos.x() + glyphSize.width() + spacing);
        break;
    case blGlyphRight:
        gPos.setX(faceSize.width() - margin - glyphSize.width());
        cPos.setX(gPos.x() - spacing - capSize.width());
        break;
    case blGlyphTop:
        gPos.setY(margin);
        cPos.setY(gPos.y() + glyphSize.height() + spacing);
        break;
    case blGlyphBottom:
        gPos.setY(faceSize.height() - margin - glyphSize.height());
        cPos.setY(gPos.y() - spacing - capSize.height());
        break;
    }

    glyphPos = gPos + face.topLeft() + offset;
    captionRect = QRect(cPos + face.topLeft(), capSize);
    if (!VisualStyles())
        captionRect.translate(offset);
}

// ---- painting ----

void TMySpeedButton::SettleState()
{
    if (!isEnabled()) {
        m_state = Disabled;
        m_pressing = false;
    } else if (m_state == Disabled) {
        m_state = (m_down && m_groupIndex != 0) ? Latched : Up;
    }
}

TBtnState TMySpeedButton::DrawState() const
{
    TBtnState s = 0;
    if (IsDownState(m_state))
        s |= sbDown;
    if (m_hovered)
        s |= sbHover;
    if (isEnabled())
        s |= sbEnabled;
    return s;
}

bool TMySpeedButton::HasDrawHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TMySpeedButton::draw));
}

QRect TMySpeedButton::PaintClassicFace(QPainter &p)
{
    QRect r = rect();
    if (HasDrawHandler()) {
        emit draw(&p, r, DrawState());
        return r;
    }
    if (m_drawImageOnly || m_transparent)
        return r;
    const bool down = IsDownState(m_state);
    const QBrush fill(m_color);
    if (m_flat) {
        if (down || (m_hovered && m_state != Disabled))
            qDrawShadePanel(&p, r, palette(), down, 1, &fill);
        else
            p.fillRect(r, m_color);
        r.adjust(1, 1, -1, -1);
    } else {
        qDrawWinButton(&p, r, palette(), down, &fill);
        r.adjust(2, 2, -2, -2);
    }
    if (m_state == Latched && (!m_flat || !m_hovered))
        p.fillRect(r, CheckerBrush(palette()));
    return r;
}

QRect TMySpeedButton::PaintStyledFace(QPainter &p)
{
    QRect r = rect();
    if (HasDrawHandler()) {
        emit draw(&p, r, DrawState());
        return r;
    }
    if (m_drawImageOnly)
        return r;

    const bool enabled = isEnabled();
    const bool pressed = IsDownState(m_state);
    const bool hot = m_hovered && !pressed;
    const bool normal = enabled && !pressed && !hot;
    if (m_flat && normal) {
        p.fillRect(r, m_color);
        return r;
    }
    p.fillRect(r, m_color);

    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.rect = r;
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    if (enabled)
        opt.state |= QStyle::State_Enabled;
    else
        opt.state &= ~QStyle::State_Enabled;
    if (m_state == Pressed)
        opt.state |= QStyle::State_Sunken;
    else if (m_state == Latched)
        opt.state |= QStyle::State_On;
    else
        opt.state |= QStyle::State_Raised;
    if (m_hovered && enabled)
        opt.state |= QStyle::State_MouseOver;
    if (m_flat)
        opt.state |= QStyle::State_AutoRaise;

    // The face colour tells the states apart at a glance: a warm glow when
    // hovered, a deeper amber while held, a cool blue for a switch that is
    // on, and a face melting into the strip behind it when disabled.
    QPalette pal = opt.palette;
    const QColor face = palette().color(QPalette::Button);
    QColor shown = face;
    QColor rim = palette().color(QPalette::Window);
    if (!enabled) {
        shown = m_color.darker(110);
        rim = m_color.lighter(112);
    } else if (m_state == Pressed) {
        shown = QColor(246, 196, 96);
        rim = QColor(200, 140, 40);
    } else if (m_state == Latched) {
        shown = m_hovered ? QColor(136, 184, 242) : QColor(104, 156, 228);
        rim = m_hovered ? QColor(220, 160, 60) : QColor(40, 76, 150);
    } else if (hot) {
        shown = QColor(255, 228, 140);
        rim = QColor(220, 160, 60);
    }
    pal.setColor(QPalette::Button, shown);
    pal.setColor(QPalette::Window, rim);
    if (!enabled) {
        pal.setColor(QPalette::Disabled, QPalette::Button, shown);
        pal.setColor(QPalette::Disabled, QPalette::Window, rim);
        pal.setCurrentColorGroup(QPalette::Disabled);
    }
    opt.palette = pal;

    style()->drawPrimitive(m_flat ? QStyle::PE_PanelButtonTool : QStyle::PE_PanelButtonCommand, &opt, &p, this);
    if (!m_flat)
        r.adjust(2, 2, -2, -2);
    return r;
}

void TMySpeedButton::PaintGlyph(QPainter &p, const QPoint &pos) const
{
    if (m_glyphDraw.isNull())
        return;
    const qreal dpr = std::max(devicePixelRatioF(), p.deviceTransform().m11()) * m_scale;
    const QImage &img = (!m_glyphHiRes.isNull() && dpr > 1.0) ? m_glyphHiRes : m_glyphDraw;
    // A whole multiple of the picture's own pixels copies them; anything
    // else is filtered rather than left jagged.
    const double ratio = dpr / img.devicePixelRatio();
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, std::fabs(ratio - std::round(ratio)) > 1e-6);
    p.drawImage(QRect(pos, GlyphSize()), img);
    p.restore();
}

void TMySpeedButton::PaintCaption(QPainter &p, const QRect &face, QRect captionRect) const
{
    if (m_caption.isEmpty())
        return;
    if (GlyphSize().width() == 0)
        captionRect = face.adjusted(3, 3, -3, -3);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextHideMnemonic;
    const QRect extent = p.fontMetrics().boundingRect(captionRect, flags, m_caption);
    QRect textRect = extent;
    textRect.moveCenter(captionRect.center());
    if (m_state == Disabled) {
        p.setPen(palette().color(QPalette::Light));
        p.drawText(textRect.translated(1, 1), flags, m_caption);
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(textRect, flags, m_caption);
    } else {
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(textRect, flags, m_caption);
    }
}

void TMySpeedButton::paintEvent(QPaintEvent *)
{
    SettleState();
    QPainter p(this);
    p.setFont(font());
    const bool classic = !VisualStyles() || m_transparent;
    const QRect face = classic ? PaintClassicFace(p) : PaintStyledFace(p);
    const QPoint offset = IsDownState(m_state) ? QPoint(1, 1) : QPoint(0, 0);
    QPoint glyphPos;
    QRect captionRect;
    LayoutFace(face, offset, glyphPos, captionRect);
    PaintGlyph(p, glyphPos);
    PaintCaption(p, face, captionRect);
}
