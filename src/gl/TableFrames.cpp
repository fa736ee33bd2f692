#include "gl/TableFrames.h"

#include <GL/gl.h>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <algorithm>
#include <cmath>

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
// framebuffer keeps it) laid over the same part of the target, texel for
// pixel, unblended.
void CopyTexture(uint32_t tex, int W, int H, const QRect &part)
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
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0); glVertex2f(x0, y0);
    glTexCoord2f(s0, t1); glVertex2f(x0, y1);
    glTexCoord2f(s1, t1); glVertex2f(x1, y1);
    glTexCoord2f(s1, t0); glVertex2f(x1, y0);
    glEnd();
    glEnable(GL_BLEND);
}

} // namespace

TTableFrames::TTableFrames() = default;

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
}

void TTableFrames::Release()
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

TFrameKind TTableFrames::Paint(const TFrameScene &s, uint32_t window)
{
    if (s.DeviceW != m_deviceW || s.DeviceH != m_deviceH) {
        Release();
        m_deviceW = s.DeviceW;
        m_deviceH = s.DeviceH;
        m_mode = ChooseMode(s.DeviceW, s.DeviceH);
        if (m_mode != TCacheMode::None && !MakeTargets(s.DeviceW, s.DeviceH)) {
            const int w = m_deviceW, h = m_deviceH;
            Release(); // full redraws at this size
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
    if (Kept() && frame == m_frameDigest) {
        // Nothing changed (the window was uncovered): shown again.
        m_changed = QRect();
    } else if (moving.empty() && DrawDrop(s, window)) {
        kind = TFrameKind::Settled;
    } else if (moving.empty()) {
        BindFrame(window);
        DrawFrame(s.B, s.Textures, s.W, s.H, s.Caption, s.View, s.Atlas);
        m_tableDigest = 0;
        kind = TFrameKind::Whole;
    } else {
        const uint64_t table = TableSignature(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, moving);
        if (table != m_tableDigest || moving != m_moving) {
            kind = DrawCache(s, moving, table, window);
        } else {
            DrawMotion(s, moving, window);
            kind = TFrameKind::Motion;
        }
    }
    m_frameDigest = Kept() ? frame : 0;
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
    return TFrameKind::CacheDrawn;
}

QRect TTableFrames::PartFor(const QRect &now, const TFrameScene &s) const
{
    const QRect all(0, 0, s.W, s.H);
    // Without a kept frame the window holds nothing of the last one: the
    // whole cached table goes down first.
    return Kept() ? (now | m_movingWas) & all : all;
}

void TTableFrames::RepaintPart(const TFrameScene &s, const QRect &part, const std::function<void()> &pieces) const
{
    if (part.isEmpty())
        return;
    const double dpr = double(s.DeviceW) / std::max(1, s.W);
    glEnable(GL_SCISSOR_TEST);
    const int x0 = int(std::floor(part.left() * dpr)), x1 = int(std::ceil((part.left() + part.width()) * dpr));
    const int y0 = int(std::floor(part.top() * dpr)), y1 = int(std::ceil((part.top() + part.height()) * dpr));
    glScissor(x0, s.DeviceH - y1, x1 - x0, y1 - y0);
    LayCache(s, part);
    pieces();
    glDisable(GL_SCISSOR_TEST);
}

void TTableFrames::DrawMotion(const TFrameScene &s, const std::vector<int> &moving, uint32_t window)
{
    const QRect now = MovingBounds(s.B, s.View, moving);
    const QRect part = PartFor(now, s);
    m_movingWas = now;
    m_changed = part;
    BindFrame(window);
    RepaintPart(s, part, [&] { DrawMoving(s.B, s.W, s.H, s.View, s.Atlas, moving, part); });
}

bool TTableFrames::DrawDrop(const TFrameScene &s, uint32_t window)
{
    if (m_mode == TCacheMode::None || m_tableDigest == 0)
        return false;
    const std::vector<int> settled = SettledPieces(s.B, m_moving);
    if (settled.empty() || TableSignature(s.B, s.Textures, s.W, s.H, s.View, s.Atlas, settled) != m_tableDigest)
        return false;
    const QRect now = MovingBounds(s.B, s.View, settled);
    const QRect part = PartFor(now, s);
    m_movingWas = now;
    m_changed = part;
    BindFrame(window);
    RepaintPart(s, part, [&] { DrawSettled(s.B, s.W, s.H, s.View, s.Atlas, settled, part); });
    return true;
}
