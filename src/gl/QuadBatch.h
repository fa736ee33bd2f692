// Batched quads over the piece atlas's pages, and the texture filters a
// frame samples with: the drawing machinery of the table's piece layers.
#pragma once

#include <GL/gl.h>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "gl/Draw.h"
#include "picture/AtlasLayout.h"

// The quads of one frame's pieces and shadows, in drawing order, with the
// texture of each run of quads that share one (one run per atlas page as
// long as the stacking order stays on it).  Each quad carries its own
// opacity, so faint and strong shadows and the pieces go out together.
class TQuadBatch {
public:
    explicit TQuadBatch(const TAtlasLayout &atlas) : m_atlas(atlas) {}

    // The texture square at corner (x, y), turned by `quarters` about its
    // centre, then (when `turn`) by the turn's angle about its centre.  Only
    // its middle `cell` square is sent: the ring around it is transparent in
    // every piece texture, and costs a software renderer as much as the rest.
    void AddSquare(uint32_t handle, float x, float y, float side, float cell, int quarters, const float *turn,
                   float alpha);
    void Draw() const;

private:
    // Clockwise on the screen (y runs down) by deg about (cx, cy).
    static void Turn(float *px, float *py, float cx, float cy, float deg);

    static constexpr int Floats = 8; // x, y, s, t, r, g, b, a per vertex
    struct TRun {
        uint32_t Texture;
        int First; // vertex
    };
    const TAtlasLayout &m_atlas;
    std::vector<float> m_v;
    std::vector<TRun> m_runs;
};

// The filters of every atlas page for this frame: the nearest texel at full
// size (every texel lands on one pixel, whole quarter turns included, so it
// is exactly what filtering would give at a fraction of a software
// renderer's cost), the reduced copies below ReducedZoom, linear between.
class TPageFilters {
public:
    TPageFilters(const TAtlasLayout &atlas, bool fullSize, const TTableView &view);
    ~TPageFilters();

private:
    const TAtlasLayout &m_atlas;
    bool m_changed = false;
};

// The background's and the picture's textures sampled nearest while a
// board pixel is one window pixel: every texel then lies on one pixel, so
// it is what filtering gives, and stays so wherever the window lies over
// the table (a pan may move the last frame instead of drawing it again).
class TOneToOne {
public:
    TOneToOne(std::initializer_list<int32_t> textures, bool on);
    ~TOneToOne();

private:
    void Set(GLint filter) const;
    std::vector<uint32_t> m_textures;
};
