// The image button's behaviour: its properties and glyph files, radio
// groups, the mouse, hover and the accelerator key.  Its face is painted in
// MySpeedButton_Paint.cpp.
#include "ui/MySpeedButton.h"
#include "ui/SpeedButtonAccessible.h"

#include <QApplication>
#include <QMouseEvent>
#include <QShortcut>

#include "picture/MyImageList.h"

namespace {

bool g_visualStyles = true;

// "name.png" -> "name@2x.png"
QString HiResName(const QString &fileName)
{
    const int slash = fileName.lastIndexOf(QLatin1Char('/'));
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash)
        return fileName + QStringLiteral("@2x");
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

} // namespace

TMySpeedButton::TMySpeedButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, false); // hover is tracked by enter/leave
    setMouseTracking(true);             // moves without a button resync hover
    m_color = palette().color(QPalette::Button);
    resize(23, 22);
    InstallSpeedButtonAccessible();
}

void TMySpeedButton::setScale(double scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    m_scale = scale;
    update();
}

void TMySpeedButton::SetVisualStyles(bool on) { g_visualStyles = on; }
bool TMySpeedButton::VisualStyles() { return g_visualStyles; }

// ---- properties ----

void TMySpeedButton::setGlyph(const QImage &img)
{
    m_glyph = img;
    m_glyphDraw = img;
    m_glyphHiRes = QImage();
    update();
}

void TMySpeedButton::setGlyph(const TPicture &pic)
{
    m_glyph = pic.Image;
    m_glyphDraw = pic.Image;
    m_glyphHiRes = QImage();
    if (pic.Format == TPicture::Bitmap && !pic.Image.isNull())
        m_glyphDraw = KeyOutColor(pic.Image, pic.Image.pixelColor(0, pic.Image.height() - 1));
    update();
}

void TMySpeedButton::setGlyphHiRes(const QImage &img2x)
{
    m_glyphHiRes = img2x;
    if (!m_glyphHiRes.isNull())
        m_glyphHiRes.setDevicePixelRatio(2.0);
    update();
}

bool TMySpeedButton::LoadGlyph(const QString &fileName)
{
    TPicture pic;
    TPicture hiRes;
    const bool haveBase = pic.LoadFromFile(fileName);
    const bool haveHiRes = hiRes.LoadFromFile(HiResName(fileName));
    if (haveBase) {
        setGlyph(pic);
        if (haveHiRes && hiRes.Width() == 2 * pic.Width() && hiRes.Height() == 2 * pic.Height())
            setGlyphHiRes(hiRes.Image);
        return true;
    }
    if (haveHiRes) {
        // Only the sharp copy exists: it stands for a glyph of half its size.
        QImage img = hiRes.Image;
        img.setDevicePixelRatio(2.0);
        setGlyph(img);
        return true;
    }
    setGlyph(QImage());
    return false;
}

void TMySpeedButton::setCaption(const QString &c)
{
    if (c == m_caption)
        return;
    m_caption = c;
    UpdateAccelerator();
    update();
}

void TMySpeedButton::setLayout(TButtonLayout l)
{
    if (l != m_layout) {
        m_layout = l;
        update();
    }
}

void TMySpeedButton::setMargin(int m)
{
    if (m >= -1 && m != m_margin) {
        m_margin = m;
        update();
    }
}

void TMySpeedButton::setSpacing(int s)
{
    if (s != m_spacing) {
        m_spacing = s;
        update();
    }
}

void TMySpeedButton::setFlat(bool f)
{
    if (f != m_flat) {
        m_flat = f;
        update();
    }
}

void TMySpeedButton::setTransparent(bool t)
{
    if (t != m_transparent) {
        m_transparent = t;
        update();
    }
}

void TMySpeedButton::setDrawImageOnly(bool v)
{
    m_drawImageOnly = v;
    update();
}

void TMySpeedButton::setColor(const QColor &c)
{
    if (c == m_color)
        return;
    m_color = c;
    if (m_flat && !m_transparent)
        update();
}

void TMySpeedButton::setGroupIndex(int g)
{
    if (g != m_groupIndex) {
        m_groupIndex = g;
        NotifyGroup();
    }
}

void TMySpeedButton::setAllowAllUp(bool a)
{
    if (a != m_allowAllUp) {
        m_allowAllUp = a;
        NotifyGroup();
    }
}

void TMySpeedButton::setDown(bool d)
{
    if (m_groupIndex == 0)
        d = false;
    if (d == m_down)
        return;
    // A down button of a group that must keep one down stays down.
    if (m_down && !m_allowAllUp)
        return;
    m_down = d;
    if (d) {
        m_state = Latched;
        update();
        NotifyGroup();
    } else {
        m_state = Up;
        repaint();
    }
}

void TMySpeedButton::Click() { emit clicked(); }

// ---- group ----

void TMySpeedButton::NotifyGroup()
{
    if (m_groupIndex == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TMySpeedButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (TMySpeedButton *b : siblings)
        b->GroupPressed(m_groupIndex, this);
}

void TMySpeedButton::GroupPressed(int groupIndex, TMySpeedButton *sender)
{
    if (sender == this || groupIndex != m_groupIndex)
        return;
    if (sender->m_down && m_down) {
        m_down = false;
        m_state = Up;
        update();
    }
    m_allowAllUp = sender->m_allowAllUp;
}

// ---- mouse ----

bool TMySpeedButton::Inside(const QPoint &pt) const
{
    return pt.x() >= 0 && pt.x() < width() && pt.y() >= 0 && pt.y() <= height();
}

void TMySpeedButton::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!m_down) {
        m_state = Pressed;
        update();
    }
    m_pressing = true;
}

void TMySpeedButton::mouseMoveEvent(QMouseEvent *e)
{
    if (m_pressing) {
        TButtonState s = m_down ? Latched : Up;
        if (Inside(e->position().toPoint()))
            s = m_down ? Latched : Pressed;
        if (s != m_state) {
            m_state = s;
            update();
        }
    } else if (!m_hovered) {
        SyncHover();
    }
}

void TMySpeedButton::mouseReleaseEvent(QMouseEvent *e)
{
    if (!m_pressing)
        return;
    m_pressing = false;
    const bool counts = Inside(e->position().toPoint());
    if (m_groupIndex == 0) {
        m_state = Up;
        m_hovered = false;
        if (counts)
            update();
    } else if (counts) {
        setDown(!m_down);
        if (m_down)
            repaint();
    } else {
        // Released off the button: back to how it was before the press.
        m_state = m_down ? Latched : Up;
        repaint();
    }
    if (counts)
        Click();
    SyncHover();
}

void TMySpeedButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click is a press as well.
    if (e->button() == Qt::LeftButton && m_down)
        emit doubleClicked();
    mousePressEvent(e);
}

// ---- hover ----

void TMySpeedButton::HoverEnter()
{
    if ((m_flat && !m_hovered && isEnabled() && !QWidget::mouseGrabber()) || g_visualStyles) {
        m_hovered = true;
        if (isEnabled())
            repaint();
    }
    emit mouseEntered();
}

void TMySpeedButton::HoverLeave()
{
    if ((m_flat && m_hovered && isEnabled() && !m_pressing) || g_visualStyles) {
        m_hovered = false;
        if (isEnabled())
            repaint();
    }
    emit mouseLeft();
}

void TMySpeedButton::SyncHover()
{
    if (!m_flat || !isEnabled())
        return;
    if (QApplication::widgetAt(QCursor::pos()) == this) {
        m_hovered = false;
        HoverEnter();
    } else {
        m_hovered = true;
        HoverLeave();
    }
}

void TMySpeedButton::enterEvent(QEnterEvent *) { HoverEnter(); }
void TMySpeedButton::leaveEvent(QEvent *) { HoverLeave(); }

void TMySpeedButton::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        SyncHover();
        repaint();
        break;
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
        update();
        break;
    default:
        break;
    }
}

// ---- accelerator ----

void TMySpeedButton::UpdateAccelerator()
{
    delete m_accel;
    m_accel = nullptr;
    const QKeySequence key = QKeySequence::mnemonic(m_caption);
    if (key.isEmpty())
        return;
    m_accel = new QShortcut(key, this);
    m_accel->setContext(Qt::WindowShortcut);
    connect(m_accel, &QShortcut::activated, this, [this] {
        if (isEnabled() && isVisible() && parentWidget() && parentWidget()->isVisible())
            Click();
    });
}
