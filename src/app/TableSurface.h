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
    // every frame, which answers the part of the window (logical pixels)
    // it changed.
    std::function<void()> OnInitialized;
    std::function<QRect()> OnPaint;

    bool HasContext() const;
    // Makes (once) and binds the context; false while there is none.
    bool MakeCurrent();
    void DoneCurrent();
    // The back buffer keeps the last frame: frames are shown by copying
    // the part they changed to the screen, never by swapping.
    bool KeepsFrame() const { return m_keeps; }
    // The frame drawn and shown now (swap: presented; else left in the
    // back buffer to be read).  `whole`: the whole window is shown, also
    // what the frame did not change (the window was uncovered).
    void Render(bool swap, bool whole = false);
    // Whether the surface changed size since last asked: its back buffer
    // then holds nothing of the last frame.
    bool TakeResized()
    {
        const bool r = m_resized;
        m_resized = false;
        return r;
    }
    // The frame read back from the back buffer after Render(false), upright.
    QImage ReadBack();

protected:
    void exposeEvent(QExposeEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    std::unique_ptr<QOpenGLContext> m_context;
    bool m_failed = false;
    bool m_keeps = false;
    bool m_resized = true;
    bool m_initialized = false;
};
