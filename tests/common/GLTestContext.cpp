#include "GLTestContext.h"

#include <GL/gl.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gl/Draw.h"
#include "gl/GLTextures.h"

std::unique_ptr<QOffscreenSurface> GLTestContext::s_surface;
std::unique_ptr<QOpenGLContext> GLTestContext::s_context;
std::unique_ptr<QOpenGLFramebufferObject> GLTestContext::s_fbo;

namespace {

// Ends the context after the last test, before the application goes.
class GLEnvironment : public ::testing::Environment {
public:
    void TearDown() override { GLTestContext::End(); }
};

::testing::Environment *const s_env = ::testing::AddGlobalTestEnvironment(new GLEnvironment);

} // namespace

void GLTestContext::End()
{
    if (s_context && s_surface && s_context->makeCurrent(s_surface.get())) {
        s_fbo.reset();
        s_context->doneCurrent();
    }
    s_fbo.reset();
    s_context.reset();
    s_surface.reset();
}

bool GLTestContext::Begin(int W, int H)
{
    if (!s_context) {
        s_context = std::make_unique<QOpenGLContext>();
        if (!s_context->create())
            return false;
        s_surface = std::make_unique<QOffscreenSurface>();
        s_surface->setFormat(s_context->format());
        s_surface->create();
    }
    if (!s_context->makeCurrent(s_surface.get()))
        return false;
    if (!s_fbo || s_fbo->size() != QSize(W, H))
        s_fbo = std::make_unique<QOpenGLFramebufferObject>(W, H);
    s_fbo->bind();
    SetTableClearColour();
    InitGLState();
    SetupProjection(W, H, W, H);
    return true;
}

QImage GLTestContext::Frame()
{
    glFinish();
    return s_fbo->toImage().convertToFormat(QImage::Format_RGB32);
}

uint32_t SolidTexture(int w, int h, const QColor &c)
{
    QImage img(w, h, QImage::Format_RGBA8888);
    img.fill(c);
    return ImageTexture(img);
}

uint32_t ImageTexture(const QImage &img)
{
    TGLTextures gl;
    return gl.UploadRGBA(img);
}

QByteArray ReadTexture(uint32_t name, int w, int h)
{
    QByteArray out(qsizetype(w) * h * 4, 0);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    return out;
}

bool Near(const QColor &a, const QColor &b, int tol)
{
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
           std::abs(a.blue() - b.blue()) <= tol;
}
