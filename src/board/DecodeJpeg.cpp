// Placeholder until the TurboJPEG decoder lands.
#include "board/DecodeJpeg.h"

bool DecodeJpeg(QImage &, const QString &, bool) { return false; }
