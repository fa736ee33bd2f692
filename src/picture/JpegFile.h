// A JPEG in memory read through libjpeg-turbo: its header, and its pixels
// at full size or shrunk by 2, 4 or 8 while decoding (the decoder skips
// most of the work then).  Grey, colour and CMYK files all decode here, so
// every JPEG meets the same scan limit and memory bound.
#pragma once

#include <QByteArray>
#include <QImage>

class TJpegFile {
public:
    // More scans than this is an attack, not a photo: a progressive camera
    // file has about ten.
    static constexpr int MaxScans = 300;

    TJpegFile();
    ~TJpegFile();
    TJpegFile(const TJpegFile &) = delete;
    TJpegFile &operator=(const TJpegFile &) = delete;

    // Reads the header and walks every marker of the file; false for bytes
    // that do not start like a JPEG, a header the decoder refuses, or more
    // than MaxScans scans.  The bytes must outlive this object.
    bool Open(const QByteArray &bytes);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Colour channels of the picture: 1 (grey), 3 (colour) or 4 (CMYK/YCCK).
    int Channels() const { return m_channels; }
    bool Progressive() const { return m_progressive; }
    int Scans() const { return m_scans; }

    // Size of the picture shrunk by 1, 2, 4 or 8: each side divided and
    // rounded up, exactly as the decoder delivers it.
    static int ScaledSide(int side, int denom) { return (side + denom - 1) / denom; }

    // What decoding at 1/denom costs, known from the header alone: the
    // pixels it delivers and, when the picture comes in more than one scan
    // (progressive, or colours in separate scans), the coefficients of the
    // whole picture, which the decoder keeps whatever the shrinking.
    qint64 DecodeBytes(int denom) const;

    // Decodes into `out`, Format_Grayscale8 when grey is set, else
    // Format_BGR888, upright.  A warning of the decoder (a truncated file,
    // damaged data) still leaves a whole picture, its missing rows grey, and
    // *whole (when given) says false; an error fails.
    bool Decode(QImage &out, int denom, bool grey, bool *whole = nullptr) const;

private:
    bool WalkMarkers();
    bool DecodeCmyk(QImage &out, int denom, bool *whole) const;

    QByteArray m_bytes;
    void *m_handle = nullptr;
    int m_width = 0, m_height = 0, m_channels = 0;
    bool m_progressive = false;
    bool m_adobe = false; // Adobe's APP14: CMYK stored inverted
    int m_scans = 0;
    int m_components = 0;
    int m_sampling[4][2] = {}; // horizontal and vertical factor per component
};
