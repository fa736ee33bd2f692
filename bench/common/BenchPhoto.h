// A photo-like JPEG (smooth gradients with some detail) of w x h, made once
// in the temporary folder and reused by every benchmark run.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <turbojpeg.h>
#include <vector>

inline QString PhotoJpeg(int w, int h)
{
    const QString dir = QDir::tempPath() + "/jigsy_bench";
    const QString path = dir + QStringLiteral("/photo_%1x%2.jpg").arg(w).arg(h);
    if (QFile::exists(path))
        return path;
    QDir().mkpath(dir);
    std::vector<unsigned char> px(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char *p = &px[(size_t(y) * w + x) * 3];
            p[0] = (unsigned char)(x * 255 / w);
            p[1] = (unsigned char)(y * 255 / h);
            p[2] = (unsigned char)(((x / 37) ^ (y / 23)) * 5 + ((x * y) >> 12));
        }
    tjhandle tj = tjInitCompress();
    unsigned char *out = nullptr;
    unsigned long size = 0;
    if (tjCompress2(tj, px.data(), w, 0, h, TJPF_RGB, &out, &size, TJSAMP_420, 90, 0) == 0) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char *>(out), qint64(size));
    }
    tjFree(out);
    tjDestroy(tj);
    return path;
}
