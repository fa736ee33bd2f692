// Helpers for driving image buttons with the mouse in tests.
#pragma once

#include <QImage>
#include <QTest>

#include "ui/MySpeedButton.h"

inline QImage SolidGlyph(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

inline void ClickAt(TMySpeedButton *b, QPoint p = QPoint(5, 5))
{
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, p);
}

inline void MoveTo(TMySpeedButton *b, QPoint p)
{
    QMouseEvent ev(QEvent::MouseMove, QPointF(p), b->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
    QApplication::sendEvent(b, &ev);
}
