// A texture sink without a graphics card: it hands out texture names and
// forgets the pixels.
#pragma once

#include "picture/TextureSink.h"

class TCountingSink : public ITextureSink {
public:
    uint32_t UploadRGBA(const QImage &) override { return ++m_last; }
    int32_t ReplaceRGBA(int32_t name, const QImage &) override { return name > 0 ? name : int32_t(++m_last); }
    void DeleteTexture(uint32_t) override {}

private:
    uint32_t m_last = 0;
};
