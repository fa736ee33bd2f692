#include "app/TableSurface.h"

#include <GL/gl.h>
#include <QImage>
#include <QOpenGLContext>
#include <cmath>

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

void TTableSurface::Render(bool swap)
{
    if (!MakeCurrent())
        return;
    if (OnPaint)
        OnPaint();
    if (swap && isExposed())
        m_context->swapBuffers(this);
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

void TTableSurface::exposeEvent(QExposeEvent *)
{
    if (isExposed())
        Render(true);
}

bool TTableSurface::event(QEvent *e)
{
    if (e->type() == QEvent::UpdateRequest) {
        if (isExposed())
            Render(true);
        return true;
    }
    return QWindow::event(e);
}
