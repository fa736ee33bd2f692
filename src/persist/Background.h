// The table background: the installed backgrounds beside the program, the
// choice between a picture file, an installed background and none, the
// chooser's grid geometry and the settings written after a choice.  No
// OpenGL here; the main window turns the choice into the texture.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

class TMyImageList;
struct TPicture;

// The chooser's grid: three columns of 200 x 200 cells.
constexpr int BgGridCols = 3;
constexpr int BgCellSize = 200;

// Files of the folder that can be installed backgrounds: ".jpg" and ".bmp"
// (extension in any case; ".jpeg" is not one), folders skipped, full paths
// in name order.
QStringList ListBackgroundFiles(const QString &dir);
// Appends every listed file that decodes to `bg`, silently skipping the
// rest; returns the number added.
int LoadBackgrounds(const QString &dir, TMyImageList &bg);

// What the table shows.
struct TBgChoice {
    enum Kind { FromFile, None, Installed };
    Kind kind = None;
    int index = -1;    // the installed background, for Installed
    bool crop = false; // crop to power-of-two sides before uploading
};
// `fileUsable`: a background file was asked for, exists and decoded.
TBgChoice ChooseBackground(bool fileUsable, int bgIndex, int bgCount);

// Loads a picture file for the table; false when it cannot be decoded.
bool LoadBackgroundPicture(const QString &path, TPicture &pic);
// The loader's message for a picture that cannot be read.
QString BadPictureText();

// Rows of the chooser's grid for `count` backgrounds (at least one).
int BackgroundGridRows(int count);
// The background shown in a cell, or -1 for an empty cell.
int BackgroundCellIndex(int col, int row, int count);
// Where a picture of w x h is drawn in a cell: fitted into the cell less
// 5 pixels each side, never enlarged, centred.
QRect FitBackgroundCell(const QRect &cell, int w, int h);

// The chooser's filter: every picture format the program reads.
QString PictureFileFilter();

// "bgind", "BgFromFile", "BgDrawStretch", "BgFileName" of section "Set",
// in that order, committed at once; "Unable to write to <path>" on failure.
bool WriteBackgroundSettings(const QString &iniPath, uint8_t bgIndex, bool fromFile, bool drawStretch,
                             const QString &fileName, QString *error = nullptr);
