// The table's own native surface: an OpenGL window inside the main window,
// so that its frames reach the screen without the main window being
// composed again, and a change beside the table (the clock, a button's
// hover) never touches it.  It takes no input of its own: the pointer
// passes through it to the table widget around it.
#pragma once

#include <QWindow>
#include <functional>
#include <memory>

class QOpenGLContext;

class TTableSurface : public QWindow {
public:
    TTableSurface();
    ~TTableSurface() override;

    // Called with the context current: once when it is first made, and for
    // every frame.
    std::function<void()> OnInitialized;
    std::function<void()> OnPaint;

    bool HasContext() const;
    // Makes (once) and binds the context; false while there is none.
    bool MakeCurrent();
    void DoneCurrent();
    // The frame drawn and shown now (swap: presented; else left in the
    // back buffer to be read).
    void Render(bool swap);
    // The frame read back from the back buffer after Render(false), upright.
    QImage ReadBack();

protected:
    void exposeEvent(QExposeEvent *e) override;
    bool event(QEvent *e) override;

private:
    std::unique_ptr<QOpenGLContext> m_context;
    bool m_failed = false;
    bool m_initialized = false;
};
