// The toolbar's comforts of play, right of the nine classic buttons and
// before the clock: four switches (pause, the box-lid picture, edge pieces
// only, assembled groups hidden, the trays' strip) and the progress label "N из M" beside the clock.
#pragma once

#include "ui/MainToolbar.h"

constexpr int PlayButtonCount = 5;
extern const TToolbarButtonDef PlayButtons[PlayButtonCount];

// Where the toolbar's buttons end: the clock and progress labels start here.
int ToolbarButtonsEnd();

// The progress label, left of the clock in the panel's row (the clock label
// must be made first).
QLabel *MakeProgressLabel(QWidget *panel);
