#include "board/JpegFile.h"

#include <turbojpeg.h>

namespace {

// Finds the frame marker: SOF2, SOF6, SOF10 and SOF14 are progressive.
bool IsProgressive(const uchar *d, qint64 size)
{
    qint64 pos = 2;
    while (pos + 4 <= size) {
        if (d[pos] != 0xFF)
            return false;
        const uchar m = d[pos + 1];
        if (m == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)
            return m == 0xC2 || m == 0xC6 || m == 0xCA || m == 0xCE;
        if (m == 0xD8 || (m >= 0xD0 && m <= 0xD7) || m == 0x01) {
            pos += 2;
            continue;
        }
        pos += 2 + ((qint64(d[pos + 2]) << 8) | d[pos + 3]);
    }
    return false;
}

} // namespace

TJpegFile::TJpegFile() = default;

TJpegFile::~TJpegFile()
{
    if (m_handle)
        tjDestroy(m_handle);
}

bool TJpegFile::Open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_size = m_file.size();
    if (m_size < 4 || m_size > (qint64(1) << 31))
        return false;
    m_data = m_file.map(0, m_size);
    if (!m_data || m_data[0] != 0xFF || m_data[1] != 0xD8)
        return false;
    m_handle = tjInitDecompress();
    if (!m_handle)
        return false;
    int subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(m_handle, m_data, (unsigned long)m_size, &m_width, &m_height, &subsamp, &colorspace) != 0)
        return false;
    if (m_width <= 0 || m_height <= 0)
        return false;
    m_progressive = IsProgressive(m_data, m_size);
    switch (colorspace) {
    case TJCS_GRAY:
        m_channels = 1;
        break;
    case TJCS_CMYK:
    case TJCS_YCCK:
        m_channels = 4;
        break;
    default:
        m_channels = 3;
        break;
    }
    return true;
}

bool TJpegFile::Decode(QImage &out, int denom, bool grey) const
{
    if (!m_handle || m_channels == 4)
        return false;
    if (denom != 1 && denom != 2 && denom != 4 && denom != 8)
        return false;
    const int w = ScaledSide(m_width, denom), h = ScaledSide(m_height, denom);
    QImage img(w, h, grey ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
    if (img.isNull())
        return false;
    // LIMITSCANS: a progressive file with thousands of scans is an attack,
    // not a photo.
    const int flags = TJFLAG_LIMITSCANS;
    const int rc = tjDecompress2(m_handle, m_data, (unsigned long)m_size, img.bits(), w, int(img.bytesPerLine()), h,
                                 grey ? TJPF_GRAY : TJPF_BGR, flags);
    if (rc != 0 && tjGetErrorCode(m_handle) != TJERR_WARNING)
        return false;
    out = std::move(img);
    return true;
}
