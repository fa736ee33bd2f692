// Where a picture of w x h is drawn inside a W x H box: shrunk to fit with
// its proportions kept (never enlarged) and centred.
#pragma once

#include <QRect>

QRect FitRect(int w, int h, int W, int H);
