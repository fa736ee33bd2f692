// The one picture reader under any bytes: header checks, then the decode
// shrunk for a thumbnail and at full size.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "picture/PictureReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QSize atLeast : {QSize(244, 174), QSize()}) {
        QImage out;
        if (ReadPictureBytes(bytes, atLeast, out) && (out.isNull() || out.width() <= 0 || out.height() <= 0))
            abort(); // a picture read is never empty
    }
    return 0;
}
