#include "picture/JpegFile.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cstring>

namespace {

const uchar *Bytes(const QByteArray &b) { return reinterpret_cast<const uchar *>(b.constData()); }

} // namespace

TJpegFile::TJpegFile() = default;

TJpegFile::~TJpegFile()
{
    if (m_handle)
        tjDestroy(m_handle);
}

// The frame (sampling factors, progressive or not), Adobe's marker, and the
// number of scans, each scan's coded data skipped up to the next marker.
bool TJpegFile::WalkMarkers()
{
    const uchar *d = Bytes(m_bytes);
    const qint64 size = m_bytes.size();
    qint64 pos = 2;
    while (pos + 1 < size) {
        if (d[pos] != 0xFF)
            return m_scans > 0; // damage after the last scan: the decoder decides
        const uchar m = d[pos + 1];
        if (m == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (m == 0xD9) // end of image
            break;
        if (m == 0xD8 || (m >= 0xD0 && m <= 0xD7) || m == 0x01) {
            pos += 2;
            continue;
        }
        if (pos + 4 > size)
            break;
        const qint64 len = (qint64(d[pos + 2]) << 8) | d[pos + 3];
        if (len < 2 || pos + 2 + len > size)
            break;
        const uchar *seg = d + pos + 4;
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC && len >= 8) {
            m_progressive = m == 0xC2 || m == 0xC6 || m == 0xCA || m == 0xCE;
            m_components = std::min<int>(seg[5], 4);
            for (int c = 0; c < m_components && 8 + 3 * c < len - 2; ++c) {
                m_sampling[c][0] = std::max(1, seg[6 + 3 * c + 1] >> 4);
                m_sampling[c][1] = std::max(1, seg[6 + 3 * c + 1] & 0x0F);
            }
        } else if (m == 0xEE && len >= 7 && memcmp(seg, "Adobe", 5) == 0) {
            m_adobe = true;
        } else if (m == 0xDA) {
            if (++m_scans > MaxScans)
                return false;
            // Coded data runs to the next marker that is not a stuffed zero
            // or a restart.
            pos += 2 + len;
            while (pos + 1 < size && !(d[pos] == 0xFF && d[pos + 1] != 0 && !(d[pos + 1] >= 0xD0 && d[pos + 1] <= 0xD7)))
                ++pos;
            continue;
        }
        pos += 2 + len;
    }
    return true;
}

bool TJpegFile::Open(const QByteArray &bytes)
{
    m_bytes = bytes;
    if (m_bytes.size() < 4 || m_bytes.size() > (qint64(1) << 31))
        return false;
    const uchar *d = Bytes(m_bytes);
    if (d[0] != 0xFF || d[1] != 0xD8)
        return false;
    m_handle = tjInitDecompress();
    if (!m_handle)
        return false;
    int subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(m_handle, d, (unsigned long)m_bytes.size(), &m_width, &m_height, &subsamp, &colorspace) != 0)
        return false;
    if (m_width <= 0 || m_height <= 0)
        return false;
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
    return WalkMarkers();
}

qint64 TJpegFile::DecodeBytes(int denom) const
{
    const qint64 pixels = qint64(ScaledSide(m_width, denom)) * ScaledSide(m_height, denom);
    // CMYK comes out four bytes a pixel first, then is turned into colour.
    qint64 bytes = pixels * (m_channels == 4 ? 4 + 3 : 3);
    if (m_progressive || m_scans > 1) {
        int hmax = 1, vmax = 1;
        for (int c = 0; c < m_components; ++c) {
            hmax = std::max(hmax, m_sampling[c][0]);
            vmax = std::max(vmax, m_sampling[c][1]);
        }
        const qint64 mcuCols = (qint64(m_width) + 8 * hmax - 1) / (8 * hmax);
        const qint64 mcuRows = (qint64(m_height) + 8 * vmax - 1) / (8 * vmax);
        for (int c = 0; c < std::max(m_components, 1); ++c) {
            const qint64 blocks = mcuCols * std::max(1, m_sampling[c][0]) * mcuRows * std::max(1, m_sampling[c][1]);
            bytes += blocks * 64 * 2; // 64 coefficients of two bytes a block
        }
    }
    return bytes;
}

bool TJpegFile::DecodeCmyk(QImage &out, int denom, bool *whole) const
{
    const int w = ScaledSide(m_width, denom), h = ScaledSide(m_height, denom);
    QImage cmyk(w, h, QImage::Format_RGBA8888); // four bytes a pixel, as the decoder gives them
    QImage img(w, h, QImage::Format_BGR888);
    if (cmyk.isNull() || img.isNull())
        return false;
    const int rc = tjDecompress2(m_handle, Bytes(m_bytes), (unsigned long)m_bytes.size(), cmyk.bits(), w,
                                 int(cmyk.bytesPerLine()), h, TJPF_CMYK, TJFLAG_LIMITSCANS);
    if (rc != 0 && tjGetErrorCode(m_handle) != TJERR_WARNING)
        return false;
    if (whole)
        *whole = rc == 0;
    for (int y = 0; y < h; ++y) {
        const uchar *s = cmyk.constScanLine(y);
        uchar *t = img.scanLine(y);
        for (int x = 0; x < w; ++x, s += 4, t += 3) {
            // Adobe's files store ink inverted: 255 is no ink.
            const int c = m_adobe ? s[0] : 255 - s[0], m = m_adobe ? s[1] : 255 - s[1];
            const int yl = m_adobe ? s[2] : 255 - s[2], k = m_adobe ? s[3] : 255 - s[3];
            t[0] = uchar(yl * k / 255);
            t[1] = uchar(m * k / 255);
            t[2] = uchar(c * k / 255);
        }
    }
    out = std::move(img);
    return true;
}

bool TJpegFile::Decode(QImage &out, int denom, bool grey, bool *whole) const
{
    if (!m_handle)
        return false;
    if (denom != 1 && denom != 2 && denom != 4 && denom != 8)
        return false;
    if (m_channels == 4) {
        if (!DecodeCmyk(out, denom, whole))
            return false;
        if (grey)
            out = out.convertToFormat(QImage::Format_Grayscale8);
        return true;
    }
    const int w = ScaledSide(m_width, denom), h = ScaledSide(m_height, denom);
    QImage img(w, h, grey ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
    if (img.isNull())
        return false;
    // LIMITSCANS too: the decoder's own guard behind the walk's.
    const int rc = tjDecompress2(m_handle, Bytes(m_bytes), (unsigned long)m_bytes.size(), img.bits(), w,
                                 int(img.bytesPerLine()), h, grey ? TJPF_GRAY : TJPF_BGR, TJFLAG_LIMITSCANS);
    if (rc != 0 && tjGetErrorCode(m_handle) != TJERR_WARNING)
        return false;
    if (whole)
        *whole = rc == 0;
    out = std::move(img);
    return true;
}
