// The toolbar's comforts of play, right of the nine classic buttons and
// before the clock: four switches (pause, the box-lid picture, edge pieces
// only, assembled groups hidden) and the progress label "N из M" beside the
// clock.  The trays' strip opens and closes by its own handle.
#pragma once

#include <vector>

#include "ui/MainToolbar.h"

constexpr int PlayButtonCount = 4;
extern const TToolbarButtonDef PlayButtons[PlayButtonCount];
// The button that opens the settings window, the toolbar's last.
extern const TToolbarButtonDef SettingsButton;

// Where the toolbar's buttons end: the clock and progress labels start here.
int ToolbarButtonsEnd();

// The progress label, left of the clock in the panel's row (the clock label
// must be made first).
QLabel *MakeProgressLabel(QWidget *panel);

// The zoom's readout ("50%"), beside the progress label (which must be
// made first).
QLabel *MakeZoomLabel(QWidget *panel);

// The toolbar's height when its labels fit beside the buttons.
constexpr int ToolbarHeight = 45;
// Lays the labels (left to right) out for a panel `width` wide: in one row
// beside the buttons when they fit there, else in a row of their own under
// the buttons, the panel growing to hold it.  The labels never hold the
// window wider than the buttons.
void ArrangeToolbar(QWidget *panel, int width, const std::vector<QLabel *> &labels);
