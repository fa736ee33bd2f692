// The table's frames, drawing only what changed.  When a drag begins, the
// table without the moving pieces is drawn once into a texture of its own
// (the cached table); each frame of the motion then repaints only the
// rectangle the moving pieces left and entered: that part of the cached
// table, then the pieces and their shadows.  Anything else that changes the
// table (a drop, a zoom, a pan, the background) changes its digest and the
// cache is drawn again.  A pan step at 100% moves the last frame (where it
// is kept) by its whole pixels and draws only the strips that came into
// view and the corner plate, which stays on the window; under a drag the
// cached table is moved the same way.  At any other zoom, or with anything
// else drawn on the window, a pan draws the frame (or the cache) whole.  The frame itself is kept in a framebuffer of its
// own so that a frame may repaint a part of it, and is copied whole to the
// window's framebuffer to be shown; a frame that changed nothing is only
// shown again.
//
// Without framebuffer objects the cached table is a copy of the back buffer
// and every motion frame lays the whole of it down before the pieces; where
// the card's largest texture is smaller than the window, or the cache
// cannot be made, every frame is drawn whole.  Slower, never wrong.
//
// Any other frame in which pieces alone changed (a join, a piece sent to a
// tray, a step taken back) draws only round the pieces drawn otherwise,
// elsewhere or in another place of the stacking order, over the kept frame.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gl/Draw.h"
#include "gl/FeltAtZoom.h"

class QOpenGLFramebufferObject;

// One frame to draw: the board, the window's size in logical and device
// pixels, and the rest of DrawFrame's arguments.
struct TFrameScene {
    const Board &B;
    const TTextureList &Textures;
    int W = 0, H = 0;
    int DeviceW = 0, DeviceH = 0;
    QString Caption;
    TTableView View;
    const TAtlasLayout &Atlas;
};

// How the cached table is kept.
enum class TCacheMode { Framebuffer, BackBufferCopy, None };

// What a context lets the cache use; a test narrows it to force each way.
struct TCacheLimits {
    bool Framebuffers = true; // framebuffer objects where the context has them
    int LargestTexture = 0;   // texels a side at most; 0: the card's own limit
    bool FailAllocation = false;
    bool Blits = true; // framebuffer blits where the context has them
};

// What a frame was.
// Settled: the pieces just dropped laid on the cached table they moved over.
// Panned: the last frame moved by the pan, with what came into view drawn;
// CacheMoved: the same done to the cached table under a drag.
// Repainted: the last frame drawn again round the pieces that changed.
enum class TFrameKind { Shown, Whole, CacheDrawn, Motion, Settled, Panned, CacheMoved, Repainted };

class TTableFrames {
public:
    TTableFrames();
    ~TTableFrames();

    void SetLimits(const TCacheLimits &limits);
    // The window's framebuffer keeps each frame until the next (it is shown
    // by copying, not swapping): frames then repaint it in place, without a
    // framebuffer of their own.
    void SetWindowKeeps(bool keeps);
    // Draws the frame and leaves it in `window`, the framebuffer the
    // window shows (0: the context's default), with the projection of
    // SetupProjection in force.  Context current.
    TFrameKind Paint(const TFrameScene &s, uint32_t window);
    // The view a frame of this scene is drawn through: the felt scaled for
    // its zoom (context current).
    TTableView ViewFor(const TFrameScene &s);
    // Something the digest cannot see changed (a background's picture
    // refilled into the same texture): the next frame is drawn whole.
    void Invalidate();
    // Lets the cache's framebuffers and textures go (context current).
    void Release();
    TCacheMode Mode() const { return m_mode; }
    // The part of the window (logical pixels) the last Paint changed.
    QRect Changed() const { return m_changed; }

private:
    TFrameKind PaintScene(const TFrameScene &s, uint32_t window);
    // The framebuffers and the copy go; the scaled felt stays.
    void ReleaseTargets();
    TCacheMode ChooseMode(int deviceW, int deviceH) const;
    bool MakeTargets(int deviceW, int deviceH);
    void BindFrame(uint32_t window) const;
    void Show(const TFrameScene &s, uint32_t window) const;
    void LayCache(const TFrameScene &s, const QRect &part) const;
    TFrameKind DrawCache(const TFrameScene &s, const std::vector<int> &moving, uint64_t table, uint32_t window);
    // The cached table repainted where `pieces` were last drawn and lie
    // now, `draw` laying them over it there (the part passed).
    void LayOver(const TFrameScene &s, const std::vector<int> &pieces, uint32_t window,
                 const std::function<void(const QRect &)> &draw);
    void DrawMotion(const TFrameScene &s, const std::vector<int> &moving, uint32_t window);
    // The dropped pieces over the cached table, when it is the table under
    // them; false (nothing drawn) otherwise.
    bool DrawDrop(const TFrameScene &s, uint32_t window);
    // The last frame moved by a pan of whole pixels and only the strips
    // that came into view (and the window's fixed plate) drawn, when that
    // is the whole redraw; false (nothing drawn) otherwise.
    bool DrawPan(const TFrameScene &s, uint32_t window);
    // The last frame with the part round the pieces that changed since
    // (`now`) drawn again, when the two can be compared; false otherwise.
    bool DrawChanged(const TFrameScene &s, uint32_t window, const TPiecesDrawn &now);
    // The same for the cached table under a drag (the table scrolling
    // under the dragged pieces), the pieces then drawn over it.
    bool MoveCache(const TFrameScene &s, const std::vector<int> &moving, uint64_t table, uint32_t window);
    // How far the window moved over the table since a frame at
    // (left, top) whose digest less its offset was `was`, when that frame
    // moved is this one but for what DrawComing draws; nullopt otherwise.
    std::optional<QPoint> PanSince(const TFrameScene &s, uint64_t was, uint64_t now, double left, double top) const;
    // Draws with `draw`, each part scissored, the strips that came into
    // view by the move `by` and the fixed plate where it is and where the
    // move took it (the frame's framebuffer bound).
    void DrawComing(const TFrameScene &s, QPoint by, const std::function<void(const QRect &)> &draw) const;
    // The part of the window to repaint for pieces now at `now`.
    QRect PartFor(const QRect &now, const TFrameScene &s) const;
    void RepaintPart(const TFrameScene &s, const QRect &part, const std::function<void()> &pieces) const;
    // Scissors drawing to the part of the window (logical pixels).
    static void Scissor(const TFrameScene &s, const QRect &part);

    // The last frame is there to be repainted in part: in the window's
    // framebuffer or in a framebuffer of the frames' own.
    bool Kept() const { return m_keeps || m_frame; }
    // Framebuffers copy into each other directly.
    bool Blits() const;

    TCacheLimits m_limits;
    bool m_keeps = false;
    QRect m_changed;
    TCacheMode m_mode = TCacheMode::None;
    std::unique_ptr<QOpenGLFramebufferObject> m_frame; // the frame, kept between frames
    std::unique_ptr<QOpenGLFramebufferObject> m_table; // the cached table (Framebuffer mode)
    uint32_t m_copy = 0;                               // the cached table (BackBufferCopy mode)
    int m_deviceW = 0, m_deviceH = 0;
    bool m_failed = false;        // the targets of this size could not be made
    uint64_t m_tableDigest = 0;   // of the cached table; 0 = none
    uint64_t m_frameDigest = 0;   // of the frame in m_frame; 0 = none
    std::vector<int> m_moving;    // the cache leaves these out
    QRect m_movingWas;            // where they were drawn last, window pixels
    uint64_t m_anywhere = 0;      // the kept frame's digest less its offset; 0 = it cannot move
    double m_left = 0, m_top = 0; // its offset
    uint64_t m_tableAnywhere = 0; // the same for the cached table
    double m_tableLeft = 0, m_tableTop = 0;
    TPiecesDrawn m_drawn; // the pieces of the kept frame
    TFeltAtZoom m_felt;
};
