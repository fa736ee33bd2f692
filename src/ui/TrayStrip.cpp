#include "ui/TrayStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "play/Trays.h"
#include "ui/MainToolbar.h"

namespace {

constexpr int kCell = 40;        // a tray's cell in strip pixels
constexpr int kColumns = 5;
constexpr int kPad = 4;
constexpr int kTitle = 18;       // a tray's title row
constexpr int kCommandRow = 22;  // one row of commands
constexpr int kCommands = 2 * kCommandRow + kPad;
constexpr int kOpenWidth = kColumns * kCell + 2 * kPad + 2;
constexpr int kFoldedWidth = 16; // folded away: a handle down the table's side

} // namespace

TTrayStrip::TTrayStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TrayStrip"));
    setAccessibleName(QStringLiteral("Лотки"));
    setMouseTracking(false);
    setFixedWidth(kOpenWidth);
    m_trays.resize(MaxTrays);
    m_scroll.assign(MaxTrays, 0);
}

QSize TTrayStrip::sizeHint() const { return QSize(kOpenWidth, 400); }

void TTrayStrip::ShowTrays(const Board &b, const std::function<QImage(int)> &imageOf)
{
    m_open = b.TraysShown;
    // Folded away, the table has the window but for the handle that opens
    // the strip again.
    setFixedWidth(m_open ? kOpenWidth : kFoldedWidth);
    setToolTip(m_open ? QString() : QStringLiteral("Открыть лотки"));
    const TCutInfo &cut = b.Cut();
    m_texSize = cut.TexSize;
    m_imageScale = double(kCell) / play::TrayCell(cut);
    m_images.assign(size_t(b.Pieces.Count()), QImage());
    m_trays.assign(MaxTrays, {});
    for (size_t k = 0; k < b.Trays.size() && k < size_t(MaxTrays); ++k) {
        TShownTray &t = m_trays[k];
        t.Name = b.Trays[k].Name;
        t.Swatch = b.Trays[k].Swatch;
        for (const int p : b.Trays[k].Pieces) {
            if (p < 0 || p >= b.Pieces.Count())
                continue;
            t.Pieces.push_back(p);
            t.Turns.push_back(b.Pieces[p].Rotation);
            if (imageOf)
                m_images[size_t(p)] = imageOf(p);
        }
        m_scroll[k] = std::clamp(m_scroll[k], 0, std::max(0, play::TrayRows(kColumns, int(t.Pieces.size())) - 1));
    }
    update();
}

void TTrayStrip::Highlight(int tray)
{
    if (tray == m_lit)
        return;
    m_lit = tray;
    update();
}

// ---- geometry ----

QRect TTrayStrip::CommandRect(TCommand c) const
{
    // Three short commands in the first row, the long one and the fold
    // handle in the second.
    const int third = (width() - 4 * kPad) / 3;
    const auto inRow = [&](int row, int left, int w) { return QRect(left, row * kCommandRow + 2, w, kCommandRow - 4); };
    if (!m_open)
        return c == TCommand::Fold ? rect() : QRect();
    switch (c) {
    case TCommand::Fold: return inRow(1, width() - 20, 18);
    case TCommand::Spread: return inRow(0, kPad, third);
    case TCommand::ByColour: return inRow(0, 2 * kPad + third, third);
    case TCommand::ByShape: return inRow(0, 3 * kPad + 2 * third, third);
    case TCommand::BringBack: return inRow(1, kPad, width() - 2 * kPad - 22);
    case TCommand::None: break;
    }
    return {};
}

TTrayStrip::TCommand TTrayStrip::CommandAt(QPoint local) const
{
    for (TCommand c : {TCommand::Fold, TCommand::Spread, TCommand::BringBack, TCommand::ByColour, TCommand::ByShape})
        if (CommandRect(c).contains(local))
            return c;
    return TCommand::None;
}

QRect TTrayStrip::PanelRect(int tray) const
{
    const int h = std::max(kTitle, (height() - kCommands) / MaxTrays);
    return QRect(kPad / 2, kCommands + tray * h, width() - kPad, h - 2);
}

QRect TTrayStrip::TitleRect(int tray) const
{
    const QRect r = PanelRect(tray);
    return QRect(r.left(), r.top(), r.width(), kTitle);
}

QRect TTrayStrip::TakeAllRect(int tray) const
{
    const QRect t = TitleRect(tray);
    return QRect(t.right() - 18, t.top() + 1, 18, kTitle - 2);
}

int TTrayStrip::VisibleRows(int tray) const { return std::max(0, (PanelRect(tray).height() - kTitle) / kCell); }

QRect TTrayStrip::CellRect(int tray, int k) const
{
    const QRect r = PanelRect(tray);
    const int row = k / kColumns - m_scroll[size_t(tray)];
    return QRect(r.left() + kPad / 2 + (k % kColumns) * kCell, r.top() + kTitle + row * kCell, kCell, kCell);
}

int TTrayStrip::TrayAt(QPoint local) const
{
    if (!m_open || !rect().contains(local))
        return -1;
    for (int k = 0; k < MaxTrays; ++k)
        if (PanelRect(k).contains(local))
            return k;
    return -1;
}

int TTrayStrip::PieceAt(QPoint local, int *trayOut) const
{
    const int tray = TrayAt(local);
    if (trayOut)
        *trayOut = tray;
    if (tray < 0 || local.y() < PanelRect(tray).top() + kTitle)
        return -1;
    const std::vector<int> &pieces = m_trays[size_t(tray)].Pieces;
    const int first = m_scroll[size_t(tray)] * kColumns;
    const int last = std::min(int(pieces.size()), first + VisibleRows(tray) * kColumns);
    for (int k = first; k < last; ++k)
        if (CellRect(tray, k).contains(local))
            return pieces[size_t(k)];
    return -1;
}

// ---- painting ----

void TTrayStrip::PaintPiece(QPainter &p, const QRect &cell, int piece, uint8_t turns) const
{
    const QImage &img = m_images[size_t(piece)];
    if (img.isNull())
        return;
    const double side = m_texSize * m_imageScale;
    p.save();
    p.translate(QPointF(cell.center()) + QPointF(0.5, 0.5));
    p.rotate(90.0 * (turns % 4));
    p.drawImage(QRectF(-side / 2, -side / 2, side, side), img);
    p.restore();
}

void TTrayStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ToolbarColor().darker(108));
    const QColor ink(0, 0, 128);
    p.setPen(ink);
    if (!m_open) {
        p.drawText(QRect(0, kPad, width(), kCommandRow), Qt::AlignCenter, QStringLiteral("«"));
        QFont f = font();
        f.setPixelSize(10);
        p.setFont(f);
        p.save();
        p.translate(width() / 2 - 4, kCommandRow + 2 * kPad); // the letters run down, to the right of it
        p.rotate(90);
        p.drawText(0, 0, QStringLiteral("Лотки"));
        p.restore();
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont f = font();
    f.setPixelSize(10);
    p.setFont(f);
    const std::pair<TCommand, QString> commands[] = {
        {TCommand::Spread, QStringLiteral("Разложить")},
        {TCommand::BringBack, QStringLiteral("Собрать потерянные")},
        {TCommand::ByColour, QStringLiteral("По цвету")},
        {TCommand::ByShape, QStringLiteral("По форме")},
    };
    for (const auto &[c, text] : commands) {
        const QRect r = CommandRect(c);
        p.fillRect(r, ToolbarColor().lighter(110));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
    p.drawText(CommandRect(TCommand::Fold), Qt::AlignCenter, QStringLiteral("▸"));

    for (int k = 0; k < MaxTrays; ++k) {
        const TShownTray &t = m_trays[size_t(k)];
        const QRect panel = PanelRect(k), title = TitleRect(k);
        p.fillRect(panel, k == m_lit ? QColor(70, 96, 130) : QColor(40, 52, 70));
        p.fillRect(title, ToolbarColor());
        int left = title.left() + 3;
        if (t.Swatch >= 0) {
            p.fillRect(QRect(left, title.top() + 3, 12, kTitle - 6), QColor::fromRgb(QRgb(t.Swatch)));
            p.drawRect(QRect(left, title.top() + 3, 11, kTitle - 7));
            left += 16;
        }
        const QRect text(left, title.top(), TakeAllRect(k).left() - left - 2, kTitle);
        const QString count = QString::number(t.Pieces.size());
        p.drawText(text, Qt::AlignVCenter | Qt::AlignRight, count);
        const int countWidth = p.fontMetrics().horizontalAdvance(count) + 6;
        p.drawText(text.adjusted(0, 0, -countWidth, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   p.fontMetrics().elidedText(t.Name, Qt::ElideRight, text.width() - countWidth));
        if (!t.Pieces.empty())
            p.drawText(TakeAllRect(k), Qt::AlignCenter, QStringLiteral("⇲"));
        p.save();
        p.setClipRect(panel.adjusted(0, kTitle, 0, 0));
        const int first = m_scroll[size_t(k)] * kColumns;
        const int last = std::min(int(t.Pieces.size()), first + (VisibleRows(k) + 1) * kColumns);
        for (int i = first; i < last; ++i)
            if (t.Pieces[size_t(i)] != m_dragPiece || !m_dragging)
                PaintPiece(p, CellRect(k, i), t.Pieces[size_t(i)], t.Turns[size_t(i)]);
        p.restore();
        const int rows = play::TrayRows(kColumns, int(t.Pieces.size()));
        if (rows > VisibleRows(k) && VisibleRows(k) > 0) { // the tray scrolls: where it stands
            const int h = panel.height() - kTitle;
            const int barTop = panel.top() + kTitle + h * m_scroll[size_t(k)] / rows;
            p.fillRect(QRect(panel.right() - 3, barTop, 3, std::max(4, h * VisibleRows(k) / rows)), ToolbarColor());
        }
    }
}

// ---- the mouse ----

void TTrayStrip::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint at = e->position().toPoint();
    switch (CommandAt(at)) {
    case TCommand::Fold: emit OpenToggled(!m_open); return;
    case TCommand::Spread: emit SpreadAsked(); return;
    case TCommand::BringBack: emit BringBackAsked(); return;
    case TCommand::ByColour: emit SortByColourAsked(); return;
    case TCommand::ByShape: emit SortByShapeAsked(); return;
    case TCommand::None: break;
    }
    const int tray = TrayAt(at);
    if (tray >= 0 && TakeAllRect(tray).contains(at) && !m_trays[size_t(tray)].Pieces.empty()) {
        emit TakeAllAsked(tray);
        return;
    }
    m_dragPiece = PieceAt(at, nullptr);
    m_pressAt = at;
    m_dragging = false;
}

void TTrayStrip::mouseMoveEvent(QMouseEvent *e)
{
    if (m_dragPiece < 0)
        return;
    if (!m_dragging && (e->position().toPoint() - m_pressAt).manhattanLength() > 4) {
        m_dragging = true;
        const QImage &img = m_images[size_t(m_dragPiece)];
        if (!img.isNull())
            setCursor(QCursor(QPixmap::fromImage(img.scaled(kCell, kCell, Qt::KeepAspectRatio, Qt::SmoothTransformation))));
        update();
    }
}

void TTrayStrip::mouseReleaseEvent(QMouseEvent *e)
{
    const int piece = m_dragPiece;
    const bool dragged = m_dragging;
    m_dragPiece = -1;
    m_dragging = false;
    unsetCursor();
    update();
    if (piece < 0 || !dragged)
        return;
    const int tray = TrayAt(e->position().toPoint());
    if (tray >= 0)
        emit PieceMovedToTray(piece, tray);
    else if (!rect().contains(e->position().toPoint()))
        emit PieceDropped(piece, e->globalPosition().toPoint());
}

void TTrayStrip::mouseDoubleClickEvent(QMouseEvent *e)
{
    const QPoint at = e->position().toPoint();
    const int tray = TrayAt(at);
    if (tray >= 0 && TitleRect(tray).contains(at) && !TakeAllRect(tray).contains(at))
        emit RenameAsked(tray);
}

void TTrayStrip::wheelEvent(QWheelEvent *e)
{
    const int tray = TrayAt(e->position().toPoint());
    if (tray < 0)
        return;
    const int rows = play::TrayRows(kColumns, int(m_trays[size_t(tray)].Pieces.size()));
    const int step = e->angleDelta().y() > 0 ? -1 : e->angleDelta().y() < 0 ? 1 : 0;
    const int next = std::clamp(m_scroll[size_t(tray)] + step, 0, std::max(0, rows - VisibleRows(tray)));
    if (next != m_scroll[size_t(tray)]) {
        m_scroll[size_t(tray)] = next;
        update();
    }
    e->accept();
}
