// Gaussian blur of a 24-bit bitmap, used to soften the finished picture's
// shadow.  Separable: rows first, then columns; pixels beyond either end of
// a line repeat the end pixel.
#pragma once

#include <QImage>
#include <stdexcept>
#include <vector>

// Raised for a bitmap that is not 24-bit (QImage::Format_BGR888).
class EGBlurError : public std::runtime_error {
public:
    EGBlurError();
};

// The weights actually used: offsets -HalfWidth..HalfWidth, summing to 1.
struct TBlurKernel {
    int HalfWidth = 1;
    std::vector<float> Weights; // index k + HalfWidth
    float Weight(int k) const { return Weights[size_t(k + HalfWidth)]; }
};

// 201 weights exp(-(k/radius)^2/2) for k = -100..100, trimmed where the
// dropped tails weigh less than half a grey level (8 for radius 3).
TBlurKernel MakeKernel(double radius);

// Blurs B in place; throws EGBlurError unless B is Format_BGR888.
void GBlur(QImage &B, double radius);
