#include "gl/TableFrames.h"

#include <GL/gl.h>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFunctions>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#ifndef GL_RGBA8
#define GL_RGBA8 0x8058
#endif

namespace {

QOpenGLFunctions *Functions() { return QOpenGLContext::currentContext()->functions(); }

// Window pixels, y down, as SetupProjection has them.
void WindowProjection(int W, int H)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, W, H, 0, 0, 15);
    glTranslatef(0, 0, -10);
    glMatrixMode(GL_MODELVIEW);
}

// A part of a texture of the window's size (bottom row first, as a
// framebuffer keeps it) laid over the same part of the target moved by
// `by`, texel for pixel, unblended.
void CopyTexture(uint32_t tex, int W, int H, const QRect &part, QPoint by = {})
{
    WindowProjection(W, H);
    glDisable(GL_BLEND);
    glColor4f(1, 1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    const float x0 = float(part.left()), y0 = float(part.top());
    const float x1 = float(part.left() + part.width()), y1 = float(part.top() + part.height());
    const float s0 = x0 / float(W), s1 = x1 / float(W), t0 = 1.0f - y0 / float(H), t1 = 1.0f - y1 / float(H);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(float(by.x()), float(by.y()), 0);
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0); glVertex2f(x0, y0);
    glTexCoord2f(s0, t1); glVertex2f(x0, y1);
    glTexCoord2f(s1, t1); glVertex2f(x1, y1);
    glTexCoord2f(s1, t0); glVertex2f(x1, y0);
    glEnd();
    glPopMatrix();
    glEnable(GL_BLEND);
}

// The source framebuffer's pixels into the target's moved by `by`
// (window pixels, device pixels alike), the rest of the target as it was.
void Blit(uint32_t from, uint32_t to, const TFrameScene &s, QPoint by)
{
    const QRect all(0, 0, s.W, s.H), src = all & all.translated(-by), dst = src.translated(by);
    QOpenGLExtraFunctions *f = QOpenGLContext::currentContext()->extraFunctions();
    f->glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
    f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
    // Rows bottom first: the window's y runs the other way.
    f->glBlitFramebuffer(src.left(), s.H - src.top() - src.height(), src.left() + src.width(), s.H - src.top(),
                         dst.left(), s.H - dst.top() - dst.height(), dst.left() + dst.width(), s.H - dst.top(),
                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    f->glBindFramebuffer(GL_FRAMEBUFFER, to);
}

} // namespace

TTableFrames::TTableFrames() = default;

bool TTableFrames::Blits() const
{
    return m_table && m_limits.Blits && QOpenGLFramebufferObject::hasOpenGLFramebufferBlit();
}

TTableFrames::~TTableFrames() = default;

void TTableFrames::SetLimits(const TCacheLimits &limits)
{
    m_limits = limits;
    m_deviceW = m_deviceH = -1; // chosen again with the next frame
}

void TTableFrames::SetWindowKeeps(bool keeps)
{
    if (keeps != m_keeps)
        m_deviceW = m_deviceH = -1;
    m_keeps = keeps;
}

void TTableFrames::Invalidate()
{
    m_tableDigest = 0;
    m_frameDigest = 0;
    m_anywhere = 0;
    m_tableAnywhere = 0;
    m_drawn = {};
    m_felt.Forget();
}

void TTableFrames::Release()
{
    ReleaseTargets();
    m_felt.Release();
}

void TTableFrames::ReleaseTargets()
{
    m_frame.reset();
    m_table.reset();
    if (m_copy != 0 && QOpenGLContext::currentContext()) {
        const GLuint n = m_copy;
        glDeleteTextures(1, &n);
    }
    m_copy = 0;
    m_mode = TCacheMode::None;
    m_deviceW = m_deviceH = 0;
    Invalidate();
}

TCacheMode TTableFrames::ChooseMode(int deviceW, int deviceH) const
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (m_limits.LargestTexture > 0)
        largest = std::min<GLint>(largest, m_limits.LargestTexture);
    if (deviceW <= 0 || deviceH <= 0 || deviceW > largest || deviceH > largest)
        return TCacheMode::None;
    if (m_limits.Framebuffers && QOpenGLFramebufferObject::hasOpenGLFramebufferObjects())
        return TCacheMode::Framebuffer;
    return TCacheMode::BackBufferCopy;
}

bool TTableFrames::MakeTargets(int deviceW, int deviceH)
{
    if (m_limits.FailAllocation)
        return false;
    if (m_mode == TCacheMode::Framebuffer) {
        const auto make = [&] {
            return std::make_unique<QOpenGLFramebufferObject>(deviceW, deviceH, QOpenGLFramebufferObject::NoAttachment,
                                                              GL_TEXTURE_2D, GL_RGBA8);
        };
        if (!m_keeps)
            m_frame = make();
        m_table = make();
        return (m_keeps || m_frame->isValid()) && m_table->isValid();
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint n = 0;
    glGenTextures(1, &n);
    m_copy = n;
    glBindTexture(GL_TEXTURE_2D, n);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, deviceW, deviceH, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    return n != 0 && glGetError() == GL_NO_ERROR;
}

void TTableFrames::BindFrame(uint32_t window) const
{
    Functions()->glBindFramebuffer(GL_FRAMEBUFFER, m_frame ? m_frame->handle() : window);
}

void TTableFrames::Show(const TFrameScene &s, uint32_t window) const
{
    if (!m_frame)
        return;
    Functions()->glBindFramebuffer(GL_FRAMEBUFFER, window);
    CopyTexture(m_frame->texture(), s.W, s.H, QRect(0, 0, s.W, s.H));
}

void TTableFrames::LayCache(const TFrameScene &s, const QRect &part) const
{
    CopyTexture(m_table ? m_table->texture() : m_copy, s.W, s.H, part);
}

TTableView TTableFrames::ViewFor(const TFrameScene &s)
{
    TTableView view = s.View;
    QSize tile;
    // Texel for pixel only where a window pixel is a device pixel.
    view.FeltTex = s.DeviceW == s.W && s.DeviceH == s.H ? m_felt.For(s.Textures, s.B, view.Zoom, tile) : 0;
    view.FeltW = tile.width();
    view.FeltH = tile.height();
    return view;
}

TFrameKind TTableFrames::Paint(const TFrameScene &given, uint32_t window)
{
    const TFrameScene s{given.B, given.Textures, given.W, given.H, given.DeviceW, given.DeviceH, given.Caption,
                        ViewFor(given), given.Atlas};
    return PaintScene(s, window);
}

TFrameKind TTableFrames::PaintScene(const TFrameScene &s, uint32_t window)
{
    if (s.DeviceW != m_deviceW || s.DeviceH != m_deviceH) {
        ReleaseTargets();
        m_deviceW = s.DeviceW;
        m_deviceH = s.DeviceH;
        m_mode = ChooseMode(s.DeviceW, s.DeviceH);
        if (m_mode != TCacheMode::None && !MakeTargets(s.DeviceW, s.DeviceH)) {
            const int w = m_deviceW, h = m_deviceH;
            ReleaseTargets(); // full redraws at this size
            m_deviceW = w;
            m_deviceH = h;
        }
        Functions()->glBindFramebuffer(GL_FRAMEBUFFER, window);
    }
    const uint64_t frame = FrameSignature(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas);
    TFrameKind kind = TFrameKind::Shown;
    // The keys' hand moves with what it holds: those frames are whole.
    const std::vector<int> moving = m_mode == TCacheMode::None || s.View.Hand.Shown
                                        ? std::vector<int>()
                                        : MovingPieces(s.B, s.View.DragShadow);
    m_changed = QRect(0, 0, s.W, s.H);
    // What this frame draws of each piece, when a later frame may repaint
    // round the pieces that changed.
    TPiecesDrawn now;
    const auto Drawn = [&] {
        return Kept() && m_mode != TCacheMode::None
                   ? PiecesDrawn(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving)
                   : TPiecesDrawn();
    };
    if (Kept() && frame == m_frameDigest) {
        // Nothing changed (the window was uncovered): shown again.
        m_changed = QRect();
    } else if (moving.empty() && DrawDrop(s, window)) {
        kind = TFrameKind::Settled;
    } else if (moving.empty() && DrawPan(s, window)) {
        kind = TFrameKind::Panned;
    } else if (moving.empty() && DrawChanged(s, window, now = Drawn())) {
        kind = TFrameKind::Repainted;
    } else if (moving.empty()) {
        BindFrame(window);
        DrawFrame(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas);
        m_tableDigest = 0;
        kind = TFrameKind::Whole;
    } else {
        const uint64_t table = TableSignature(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving);
        if ((table != m_tableDigest || moving != m_moving) && MoveCache(s, moving, table, window)) {
            kind = TFrameKind::CacheMoved;
        } else if (table != m_tableDigest || moving != m_moving) {
            kind = DrawCache(s, moving, table, window);
        } else {
            DrawMotion(s, moving, window);
            kind = TFrameKind::Motion;
        }
    }
    m_frameDigest = Kept() ? frame : 0;
    if (kind == TFrameKind::Motion) {
        // Only the moving pieces moved (or turned) since the last frame.
        for (int m : moving)
            if (m_drawn.Scene != 0 && size_t(m) < m_drawn.Pieces.size()) {
                m_drawn.Pieces[size_t(m)].X = s.B.Pieces[m].X;
                m_drawn.Pieces[size_t(m)].Y = s.B.Pieces[m].Y;
                m_drawn.Pieces[size_t(m)].Rotation = s.B.Pieces[m].Rotation;
            }
    } else if (kind != TFrameKind::Shown) {
        m_drawn = now.Scene != 0 ? std::move(now) : Drawn();
    }
    // A drag's frames are not moved by a pan (the cached table is): their
    // digest is not worth a second pass over the pieces.
    m_anywhere = Kept() && m_mode != TCacheMode::None && moving.empty() &&
                         FrameMovesWithView(s.B, s.View, s.W, s.H, s.DeviceW, s.DeviceH)
                     ? FrameSignatureAnywhere(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas)
                     : 0;
    m_left = s.View.Left;
    m_top = s.View.Top;
    Show(s, window);
    SetupProjection(s.W, s.H, s.DeviceW, s.DeviceH);
    return kind;
}

TFrameKind TTableFrames::DrawCache(const TFrameScene &s, const std::vector<int> &moving, uint64_t table,
                                   uint32_t window)
{
    const QRect all(0, 0, s.W, s.H);
    if (m_table) {
        m_table->bind();
        DrawTable(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving);
        BindFrame(window);
        LayCache(s, all);
    } else {
        // The table drawn where the frame goes, then taken into the copy.
        BindFrame(window);
        DrawTable(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving);
        glBindTexture(GL_TEXTURE_2D, m_copy);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, s.DeviceW, s.DeviceH);
    }
    DrawMoving(s.B, s.W, s.H, s.View, s.Atlas, moving, all);
    m_tableDigest = table;
    m_moving = moving;
    m_movingWas = MovingBounds(s.B, s.View, moving);
    m_tableAnywhere = FrameMovesWithView(s.B, s.View, s.W, s.H, s.DeviceW, s.DeviceH)
                          ? TableSignatureAnywhere(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving)
                          : 0;
    m_tableLeft = s.View.Left;
    m_tableTop = s.View.Top;
    return TFrameKind::CacheDrawn;
}

QRect TTableFrames::PartFor(const QRect &now, const TFrameScene &s) const
{
    const QRect all(0, 0, s.W, s.H);
    // Without a kept frame the window holds nothing of the last one: the
    // whole cached table goes down first.
    return Kept() ? (now | m_movingWas) & all : all;
}

void TTableFrames::Scissor(const TFrameScene &s, const QRect &part)
{
    const double dpr = double(s.DeviceW) / std::max(1, s.W);
    glEnable(GL_SCISSOR_TEST);
    const int x0 = int(std::floor(part.left() * dpr)), x1 = int(std::ceil((part.left() + part.width()) * dpr));
    const int y0 = int(std::floor(part.top() * dpr)), y1 = int(std::ceil((part.top() + part.height()) * dpr));
    glScissor(x0, s.DeviceH - y1, x1 - x0, y1 - y0);
}

void TTableFrames::RepaintPart(const TFrameScene &s, const QRect &part, const std::function<void()> &pieces) const
{
    if (part.isEmpty())
        return;
    Scissor(s, part);
    LayCache(s, part);
    pieces();
    glDisable(GL_SCISSOR_TEST);
}

void TTableFrames::LayOver(const TFrameScene &s, const std::vector<int> &pieces, uint32_t window,
                           const std::function<void(const QRect &)> &draw)
{
    const QRect now = MovingBounds(s.B, s.View, pieces);
    const QRect part = PartFor(now, s);
    m_movingWas = now;
    m_changed = part;
    BindFrame(window);
    RepaintPart(s, part, [&] { draw(part); });
}

void TTableFrames::DrawMotion(const TFrameScene &s, const std::vector<int> &moving, uint32_t window)
{
    LayOver(s, moving, window,
            [&](const QRect &part) { DrawMoving(s.B, s.W, s.H, s.View, s.Atlas, moving, part); });
}

bool TTableFrames::DrawDrop(const TFrameScene &s, uint32_t window)
{
    if (m_mode == TCacheMode::None || m_tableDigest == 0)
        return false;
    const std::vector<int> settled = SettledPieces(s.B, m_moving);
    if (settled.empty() || TableSignature(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, settled) != m_tableDigest)
        return false;
    LayOver(s, settled, window,
            [&](const QRect &part) { DrawSettled(s.B, s.W, s.H, s.View, s.Atlas, settled, part); });
    return true;
}

std::optional<QPoint> TTableFrames::PanSince(const TFrameScene &s, uint64_t was, uint64_t now, double left,
                                             double top) const
{
    if (was == 0 || was != now || !FrameMovesWithView(s.B, s.View, s.W, s.H, s.DeviceW, s.DeviceH))
        return std::nullopt;
    // At 100% on whole pixels the board's offsets are the window's.
    const QPoint by(int(left - s.View.Left), int(top - s.View.Top));
    if (std::abs(by.x()) >= s.W || std::abs(by.y()) >= s.H)
        return std::nullopt;
    return by;
}

void TTableFrames::DrawComing(const TFrameScene &s, QPoint by, const std::function<void(const QRect &)> &draw) const
{
    SetupProjection(s.W, s.H, s.DeviceW, s.DeviceH);
    const QRect all(0, 0, s.W, s.H), plate = FixedOnWindow(s.W, s.H);
    const QRect parts[] = {
        by.x() > 0 ? QRect(0, 0, by.x(), s.H) : QRect(s.W + by.x(), 0, -by.x(), s.H),
        by.y() > 0 ? QRect(0, 0, s.W, by.y()) : QRect(0, s.H + by.y(), s.W, -by.y()),
        plate,
        plate.translated(by),
    };
    glEnable(GL_SCISSOR_TEST);
    for (const QRect &r : parts) {
        const QRect part = r & all;
        if (part.isEmpty())
            continue;
        glScissor(part.left(), s.H - part.top() - part.height(), part.width(), part.height());
        draw(part);
    }
    glDisable(GL_SCISSOR_TEST);
}

bool TTableFrames::DrawPan(const TFrameScene &s, uint32_t window)
{
    const std::optional<QPoint> by =
        m_anywhere == 0 ? std::nullopt
                        : PanSince(s, m_anywhere,
                                   FrameSignatureAnywhere(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas),
                                   m_left, m_top);
    if (!by)
        return false;
    const QRect all(0, 0, s.W, s.H);
    // The last frame moved, through the cached table's texture (which it
    // spoils): framebuffers trade places, a kept window is copied first.
    const bool blit = Blits();
    if (blit && m_frame) {
        Blit(m_frame->handle(), m_table->handle(), s, *by);
        std::swap(m_frame, m_table);
    } else if (blit) {
        Blit(window, m_table->handle(), s, *by);
        Blit(m_table->handle(), window, s, QPoint());
    } else if (m_frame && m_table) {
        m_table->bind();
        CopyTexture(m_frame->texture(), s.W, s.H, all, *by);
        std::swap(m_frame, m_table);
    } else {
        const uint32_t scratch = m_table ? m_table->texture() : m_copy;
        BindFrame(window);
        glBindTexture(GL_TEXTURE_2D, scratch);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, s.DeviceW, s.DeviceH);
        CopyTexture(scratch, s.W, s.H, all, *by);
    }
    m_tableDigest = 0;
    m_tableAnywhere = 0;
    BindFrame(window);
    DrawComing(s, *by, [&](const QRect &part) {
        DrawFramePart(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas, part);
    });
    return true;
}

bool TTableFrames::DrawChanged(const TFrameScene &s, uint32_t window, const TPiecesDrawn &now)
{
    if (!Kept() || m_mode == TCacheMode::None || m_frameDigest == 0)
        return false;
    const std::optional<QRect> changed = ChangedSince(s.B, s.View, m_drawn, now);
    if (!changed)
        return false;
    m_changed = *changed & QRect(0, 0, s.W, s.H);
    BindFrame(window);
    if (!m_changed.isEmpty()) {
        Scissor(s, m_changed);
        DrawFramePart(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas, m_changed);
        glDisable(GL_SCISSOR_TEST);
    }
    return true;
}

bool TTableFrames::MoveCache(const TFrameScene &s, const std::vector<int> &moving, uint64_t table, uint32_t window)
{
    if (m_tableAnywhere == 0 || moving != m_moving)
        return false;
    const std::optional<QPoint> by =
        PanSince(s, m_tableAnywhere, TableSignatureAnywhere(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving),
                 m_tableLeft, m_tableTop);
    if (!by)
        return false;
    // The cached table moved onto the frame, what came into view drawn
    // there, and the whole taken back into the cache.
    const QRect all(0, 0, s.W, s.H);
    const uint32_t cache = m_table ? m_table->texture() : m_copy;
    const uint32_t frame = m_frame ? m_frame->handle() : window;
    const bool blit = Blits();
    if (blit) {
        Blit(m_table->handle(), frame, s, *by);
    } else {
        BindFrame(window);
        CopyTexture(cache, s.W, s.H, all, *by);
    }
    DrawComing(s, *by, [&](const QRect &part) {
        DrawTablePart(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving, part);
    });
    if (blit) {
        Blit(frame, m_table->handle(), s, QPoint());
        BindFrame(window);
    } else {
        glBindTexture(GL_TEXTURE_2D, cache);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, s.DeviceW, s.DeviceH);
    }
    DrawMoving(s.B, s.W, s.H, s.View, s.Atlas, moving, all);
    m_tableDigest = table;
    m_tableLeft = s.View.Left;
    m_tableTop = s.View.Top;
    m_movingWas = MovingBounds(s.B, s.View, moving);
    return true;
}
