#include "app/TableSurface.h"

#include <GL/gl.h>
#include <QImage>
#include <QOpenGLContext>
#include <cmath>

#include "app/PartPresent.h"

TTableSurface::TTableSurface()
{
    setSurfaceType(QSurface::OpenGLSurface);
    setFlag(Qt::WindowTransparentForInput);
}

TTableSurface::~TTableSurface() = default;

bool TTableSurface::HasContext() const { return m_context && m_context->isValid(); }

bool TTableSurface::MakeCurrent()
{
    if (!m_context && !m_failed) {
        if (!handle())
            create();
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(requestedFormat());
        if (context->create())
            m_context = std::move(context);
        else
            m_failed = true;
    }
    if (!HasContext() || !m_context->makeCurrent(this))
        return false;
    if (!m_initialized) {
        m_initialized = true;
        m_keeps = CanPresentPart();
        if (OnInitialized)
            OnInitialized();
    }
    return true;
}

void TTableSurface::DoneCurrent()
{
    if (m_context)
        m_context->doneCurrent();
}

void TTableSurface::Render(bool swap, bool whole)
{
    if (!MakeCurrent())
        return;
    const QRect all(0, 0, width(), height());
    const bool resized = m_resized;
    const QRect changed = OnPaint ? OnPaint() : all;
    if (!swap || !isExposed())
        return;
    if (!m_keeps || resized) {
        m_context->swapBuffers(this);
        return;
    }
    const QRect part = whole ? all : changed & all;
    const qreal dpr = devicePixelRatio();
    const int x0 = int(std::floor(part.left() * dpr)), x1 = int(std::ceil((part.left() + part.width()) * dpr));
    const int y0 = int(std::floor(part.top() * dpr)), y1 = int(std::ceil((part.top() + part.height()) * dpr));
    const int deviceH = int(std::lround(height() * dpr));
    PresentPart(x0, deviceH - y1, x1 - x0, y1 - y0);
}

QImage TTableSurface::ReadBack()
{
    if (!MakeCurrent())
        return {};
    const int w = int(std::lround(width() * devicePixelRatio())), h = int(std::lround(height() * devicePixelRatio()));
    QImage img(w, h, QImage::Format_RGBA8888);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, img.bits());
    return img.mirrored().convertToFormat(QImage::Format_RGB32);
}

void TTableSurface::resizeEvent(QResizeEvent *) { m_resized = true; }

void TTableSurface::exposeEvent(QExposeEvent *)
{
    if (isExposed())
        Render(true, true);
}
