// The main window's toolbar strip: nine image buttons at fixed places and
// the clock label, on a sky-blue panel.  The main window connects the
// buttons' clicks to its handlers.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;
class TMySpeedButton;

struct TToolbarButtonDef {
    const char *Name; // object name; the glyph is ":/art/toolbar/<Name>.png"
    int X;
    const char *Hint;  // UTF-8
    int GroupIndex;    // 0 = push button, else a switch alone in its group
    bool Enabled;
};

constexpr int ToolbarButtonCount = 9;
extern const TToolbarButtonDef ToolbarButtons[ToolbarButtonCount];

constexpr int ToolbarButtonWidth = 40;
constexpr int ToolbarButtonHeight = 39;
constexpr int ToolbarButtonTop = 3;
constexpr int ToolbarGlyphMargin = 2;
QColor ToolbarColor(); // RGB 166, 202, 240

// Gives the panel the toolbar's colour.
void PaintToolbarPanel(QWidget *panel);
// One button of the table, placed on the panel, with its glyph (an empty
// glyph when the artwork is missing).
TMySpeedButton *MakeToolbarButton(QWidget *panel, const TToolbarButtonDef &def);
// The clock label "00:00:00", filling the panel right of `buttonsEnd`,
// where the buttons end.
QLabel *MakeClockLabel(QWidget *panel, int buttonsEnd);
// A bold dark-blue label of the strip, centred, on the strip's colour.
QLabel *MakeToolbarLabel(QWidget *panel, const QString &name, const QString &family, int pixelSize);
