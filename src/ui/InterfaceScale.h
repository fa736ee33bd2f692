// The interface's own scale, on top of the screen's: a window and all
// inside it at 100, 125, 150 or 200% of its designed size.  The designed
// sizes are remembered on the first call, so scales never compound.
#pragma once

class QWidget;

// Fonts, fixed sizes, hand-placed geometry, layout margins and spacing,
// and the image buttons' glyphs of `root` and everything inside it.  A
// dialog is made no larger than its screen's working area.
void ApplyInterfaceScale(QWidget *root, double scale);
