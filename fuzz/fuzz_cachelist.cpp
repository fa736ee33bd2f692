// The thumbnail cache's two readers under any bytes: the list of pictures
// and a cached thumbnail; and the file names in it, which any bytes are.
#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "base/FileName.h"
#include "persist/ThumbCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (EncodeFileName(DecodeFileName(bytes)) != bytes)
        abort();
    const QStringList lines = ParseCacheList(bytes);
    // What is read is written back line for line.
    if (ParseCacheList(CacheListBytes(lines)) != lines)
        abort();
    const QImage thumb = ParseThumb(bytes);
    if (!thumb.isNull() && (thumb.width() != ThumbWidth || thumb.height() != ThumbHeight))
        abort();
    return 0;
}
