// A current OpenGL context with an offscreen framebuffer for pixel tests,
// and small helpers to make textures and read frames back.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

class GLTestContext {
public:
    // Makes (once) and binds a context with a W x H framebuffer; the
    // table's state and projection are set.  False without OpenGL.
    static bool Begin(int W, int H);
    // The framebuffer as an upright image.
    static QImage Frame();
    // Lets the context go while the application still exists.
    static void End();

private:
    static std::unique_ptr<QOffscreenSurface> s_surface;
    static std::unique_ptr<QOpenGLContext> s_context;
    static std::unique_ptr<QOpenGLFramebufferObject> s_fbo;
};

// A texture of one colour (top row first, alpha kept).
uint32_t SolidTexture(int w, int h, const QColor &c);
// A texture from an image, top row first.
uint32_t ImageTexture(const QImage &img);
// Texel bytes of a bound texture, RGBA, rows packed, bottom row of the
// upload first as OpenGL stores it.
QByteArray ReadTexture(uint32_t name, int w, int h);
bool Near(const QColor &a, const QColor &b, int tol = 3);
