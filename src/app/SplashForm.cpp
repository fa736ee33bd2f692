#include "app/SplashForm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>

TSlashFrm::TSlashFrm(const QImage &picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_picture(picture)
{
    setWindowTitle(QStringLiteral("Jigsy"));
    setFixedSize(m_picture.isNull() ? QSize(512, 512) : m_picture.size());
}

void TSlashFrm::ShowOverScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const QPoint topLeft = area.center() - QPoint(width() / 2, height() / 2);
        move(topLeft);
        // The screen's own image beneath the window; where it cannot be had
        // (no grab on this platform) a composited translucent window does
        // the same job.
        const QPixmap grabbed =
            screen->grabWindow(0, topLeft.x() - area.x(), topLeft.y() - area.y(), width(), height());
        m_under = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    }
    if (m_under.isNull())
        setAttribute(Qt::WA_TranslucentBackground);
    show();
    // Wait (briefly) for the window system to map it, then paint now.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300 && !(windowHandle() && windowHandle()->isExposed())) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(5);
    }
    repaint();
}

void TSlashFrm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_under.isNull())
        p.drawImage(rect(), m_under);
    else
        p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_picture);
}
