// A JPEG file read through libjpeg-turbo: its header, and its pixels at
// full size or shrunk by 2, 4 or 8 while decoding (the decoder skips most
// of the work then).  The file is mapped, not copied.
#pragma once

#include <QFile>
#include <QImage>
#include <QString>

class TJpegFile {
public:
    TJpegFile();
    ~TJpegFile();
    TJpegFile(const TJpegFile &) = delete;
    TJpegFile &operator=(const TJpegFile &) = delete;

    // Maps the file and reads its header; false for a missing file or one
    // that does not start like a JPEG.
    bool Open(const QString &path);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Colour channels of the picture: 1 (grey), 3 (colour) or 4 (CMYK/YCCK).
    int Channels() const { return m_channels; }
    // Progressive files keep every coefficient of the whole picture in
    // memory while decoding, whatever the shrinking.
    bool Progressive() const { return m_progressive; }

    // Size of the picture shrunk by 1, 2, 4 or 8: each side divided and
    // rounded up, exactly as the decoder delivers it.
    static int ScaledSide(int side, int denom) { return (side + denom - 1) / denom; }

    // Decodes into `out`, Format_Grayscale8 when grey is set, else
    // Format_BGR888, upright.  A warning of the decoder (a truncated file,
    // damaged data) still leaves a whole picture, its missing rows grey; an
    // error fails.  Refuses 4-channel files.
    bool Decode(QImage &out, int denom, bool grey) const;

private:
    QFile m_file;
    const uchar *m_data = nullptr;
    qint64 m_size = 0;
    void *m_handle = nullptr;
    int m_width = 0, m_height = 0, m_channels = 0;
    bool m_progressive = false;
};
