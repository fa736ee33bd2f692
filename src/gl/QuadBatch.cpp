#include "gl/QuadBatch.h"

#include <QRectF>
#include <cmath>

void TQuadBatch::AddSquare(uint32_t handle, float x, float y, float side, float cell, int quarters, const float *turn,
                           float alpha)
{
    if (handle == 0)
        return;
    QRectF uv(0, 0, 1, 1);
    uint32_t tex = handle;
    if (!m_atlas.Pages.empty()) {
        uv = m_atlas.SlotCoords(handle);
        tex = m_atlas.TextureOf(handle);
        if (uv.isEmpty() || tex == 0)
            return;
    }
    // The cell lies at the texture's inset, (side - cell) div 2.
    const float in = std::floor((side - cell) / 2), before = in / side, after = (side - in - cell) / side;
    uv.adjust(uv.width() * before, uv.height() * before, -uv.width() * after, -uv.height() * after);
    // Corners top-left, bottom-left, bottom-right, top-right of the
    // unturned square with their texture coordinates.
    const float x0 = x + in, y0 = y + in, x1 = x + in + cell, y1 = y + in + cell;
    float px[4] = {x0, x0, x1, x1};
    float py[4] = {y0, y1, y1, y0};
    const float s[4] = {float(uv.left()), float(uv.left()), float(uv.right()), float(uv.right())};
    const float t[4] = {float(uv.top()), float(uv.bottom()), float(uv.bottom()), float(uv.top())};
    if (quarters % 4 != 0)
        Turn(px, py, x + side / 2, y + side / 2, float(quarters % 4) * 90.0f);
    if (turn)
        Turn(px, py, turn[0], turn[1], turn[2]);
    if (m_runs.empty() || m_runs.back().Texture != tex)
        m_runs.push_back({tex, int(m_v.size() / Floats)});
    for (int k = 0; k < 4; ++k) {
        const float v[Floats] = {px[k], py[k], s[k], t[k], 1.0f, 1.0f, 1.0f, alpha};
        m_v.insert(m_v.end(), v, v + Floats);
    }
}

void TQuadBatch::Draw() const
{
    if (m_v.empty())
        return;
    // Fully transparent texels (round every piece's shape) are skipped
    // before blending.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    const int vertices = int(m_v.size() / Floats);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, Floats * sizeof(float), m_v.data());
    glTexCoordPointer(2, GL_FLOAT, Floats * sizeof(float), m_v.data() + 2);
    glColorPointer(4, GL_FLOAT, Floats * sizeof(float), m_v.data() + 4);
    for (size_t r = 0; r < m_runs.size(); ++r) {
        const int end = r + 1 < m_runs.size() ? m_runs[r + 1].First : vertices;
        glBindTexture(GL_TEXTURE_2D, m_runs[r].Texture);
        glDrawArrays(GL_QUADS, m_runs[r].First, end - m_runs[r].First);
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_ALPHA_TEST);
}

void TQuadBatch::Turn(float *px, float *py, float cx, float cy, float deg)
{
    const double a = double(deg) * M_PI / 180.0;
    // Quarter turns exactly, so that turned pieces stay on whole pixels.
    double c = std::cos(a), s = std::sin(a);
    if (std::fabs(c) < 1e-9) c = 0;
    if (std::fabs(s) < 1e-9) s = 0;
    for (int k = 0; k < 4; ++k) {
        const double dx = px[k] - cx, dy = py[k] - cy;
        px[k] = float(cx + dx * c - dy * s);
        py[k] = float(cy + dx * s + dy * c);
    }
}

namespace {

void SetPageFilters(const TAtlasLayout &atlas, GLint minFilter, GLint magFilter)
{
    for (const uint32_t page : atlas.Pages) {
        glBindTexture(GL_TEXTURE_2D, page);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    }
}

} // namespace

TPageFilters::TPageFilters(const TAtlasLayout &atlas, bool fullSize, const TTableView &view) : m_atlas(atlas)
{
    if (fullSize)
        m_changed = true, SetPageFilters(atlas, GL_NEAREST, GL_NEAREST);
    else if (view.Reduced && view.Zoom < ReducedZoom)
        m_changed = true, SetPageFilters(atlas, GL_LINEAR_MIPMAP_NEAREST, GL_LINEAR);
}

TPageFilters::~TPageFilters()
{
    if (m_changed)
        SetPageFilters(m_atlas, GL_LINEAR, GL_LINEAR);
}

TOneToOne::TOneToOne(std::initializer_list<int32_t> textures, bool on)
{
    if (on)
        for (const int32_t t : textures)
            if (t > 0)
                m_textures.push_back(uint32_t(t));
    Set(GL_NEAREST);
}

TOneToOne::~TOneToOne() { Set(GL_LINEAR); }

void TOneToOne::Set(GLint filter) const
{
    for (const uint32_t t : m_textures) {
        glBindTexture(GL_TEXTURE_2D, t);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    }
}
