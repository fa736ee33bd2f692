// The drawn shape of every piece as one bit a pixel: the cut's whole grid
// of tiles, already in the game's mirroring, a bit set where the piece's
// picture is opaque.  What a press hits is what is drawn, tabs included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TShapeBits {
public:
    TShapeBits() = default;
    // An empty grid of width x height pixels.
    TShapeBits(int width, int height);

    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void Set(int x, int y);
    // Outside the grid nothing is set.
    bool At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return false;
        const size_t i = size_t(y) * size_t(m_stride) + size_t(x >> 6);
        return (m_bits[i] >> (x & 63)) & 1u;
    }

private:
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0; // 64-bit words a row
    std::vector<uint64_t> m_bits;
};
