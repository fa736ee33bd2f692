// The table's felt at the view's zoom.  Below 100% the felt's tile, drawn
// through the view, costs a software renderer about twice what it costs
// texel for pixel; so the tile is scaled once for the zoom (by averaging
// the texels under each pixel, which also keeps it from shimmering) and
// the frame lays it down texel for pixel.  A tile scaled to whole pixels
// is a little off the board's own scale, which only the felt's weave can
// show.
#pragma once

#include <QSize>
#include <cstdint>

#include "board/Board.h"
#include "board/TextureList.h"

class TFeltAtZoom {
public:
    TFeltAtZoom() = default;
    TFeltAtZoom(const TFeltAtZoom &) = delete;
    TFeltAtZoom &operator=(const TFeltAtZoom &) = delete;
    ~TFeltAtZoom();

    // The felt's tile scaled for `zoom` and its size in window pixels, or
    // 0 where the felt is drawn through the view (100% and closer, no
    // background, a tile too large to scale at each zoom).  Context current.
    uint32_t For(const TTextureList &list, const Board &b, double zoom, QSize &tile);
    // The background's texture may hold another picture: scaled again.
    void Forget() { m_source = 0; }
    // Lets the scaled tile go (context current).
    void Release();

private:
    uint32_t m_texture = 0;
    int32_t m_source = 0; // the background texture it was scaled from; 0 = none
    QSize m_from, m_to;
    bool m_failed = false; // that tile could not be scaled for that zoom
};
