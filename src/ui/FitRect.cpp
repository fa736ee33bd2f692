#include "ui/FitRect.h"

#include <cmath>

QRect FitRect(int w, int h, int W, int H)
{
    int nw = w;
    int nh = h;
    if (w <= W && h <= H) {
        // small enough: drawn at its own size
    } else if (w <= 0 || h <= 0) {
        nw = W;
        nh = H;
    } else {
        // The ratio is kept as a double, but the products and quotients are
        // worked out in extended precision and truncated: an 800 x 600
        // picture thus gets 231 x 174, not 232 x 174.
        const long double r = static_cast<double>(w) / static_cast<double>(h);
        if (w > h) {
            nw = W;
            nh = static_cast<int>(std::trunc(static_cast<long double>(W) / r));
            if (nh > H) {
                nh = H;
                nw = static_cast<int>(std::trunc(static_cast<long double>(H) * r));
            }
        } else {
            nh = H;
            nw = static_cast<int>(std::trunc(static_cast<long double>(H) * r));
            if (nw > W) {
                nw = W;
                nh = static_cast<int>(std::trunc(static_cast<long double>(W) / r));
            }
        }
    }
    return QRect((W - nw) / 2, (H - nh) / 2, nw, nh);
}
