// The table background: the installed backgrounds beside the program, a
// picture file for the table, and the chooser's grid geometry.  No OpenGL
// and no widgets here.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

#include "picture/MyImageList.h"

// The chooser's grid: three columns of 200 x 200 cells.
constexpr int BgGridCols = 3;
constexpr int BgCellSize = 200;

// Files of the folder that can be installed backgrounds: ".jpg" and ".bmp"
// (extension in any case; ".jpeg" is not one), folders skipped, full paths
// in name order.
QStringList ListBackgroundFiles(const QString &dir);
// An installed background: its file name and its picture.
struct TBackground {
    QString Name;
    TPicture Picture;
};
// Every listed file that decodes, in order; the rest are silently skipped.
std::vector<TBackground> LoadBackgrounds(const QString &dir);

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
