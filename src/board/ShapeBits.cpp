#include "board/ShapeBits.h"

TShapeBits::TShapeBits(int width, int height)
    : m_width(width > 0 ? width : 0), m_height(height > 0 ? height : 0), m_stride((m_width + 63) / 64),
      m_bits(size_t(m_stride) * size_t(m_height), 0)
{
}

void TShapeBits::Set(int x, int y)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_bits[size_t(y) * size_t(m_stride) + size_t(x >> 6)] |= uint64_t(1) << (x & 63);
}
