// The one door through which pixel work reaches the graphics card.  Cutting
// builds images on the CPU and hands them here; the OpenGL texture layer
// implements it, tests use a recording fake.
#pragma once

#include <QImage>
#include <cstdint>

class ITextureSink {
public:
    virtual ~ITextureSink() = default;
    // Room for `count` textures of side x side about to come (how a game's
    // pieces arrive); a sink that keeps each texture apart ignores it.
    virtual void Reserve(int count, int side) {}
    // A new texture from an RGBA image (QImage::Format_RGBA8888, top row
    // first, repeat wrapping, linear filters); returns its name.
    virtual uint32_t UploadRGBA(const QImage &rgba) = 0;
    // Refills the texture `name`, or makes a new one when name < 0;
    // returns the name in use (how the finished picture is kept).
    virtual int32_t ReplaceRGBA(int32_t name, const QImage &rgba) = 0;
    virtual void DeleteTexture(uint32_t name) = 0;
};
