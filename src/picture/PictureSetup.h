// Turning a picture file into the picture of a game: loading it upright,
// refusing what is too small or unreadable, scaling it to cover the cut and
// cropping the middle, and the finished picture with its soft shadow.
// Pure pixel work; the main window shows the messages and uploads.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "board/Board.h"

enum class TSetimgResult { Ok, Unreadable, TooSmall };

// The message the player sees for a refused picture (empty for Ok).
QString SetimgMessage(TSetimgResult result);

// Scale-to-cover of a w x h picture onto the target, keeping the aspect
// ratio, rounding halves to even.
QSize CoverSize(QSize picture, QSize target);

// Brings a loaded picture to the cut's picture size: an installed picture
// (ownImage) already of that size as it is; any other scaled to cover and
// cropped in the middle.
TSetimgResult FitPictureToCut(const QImage &src, bool ownImage, const TCutInfo &cut, QImage &out);

// Both steps: the picture of a game from a file.  *whole (when given) says
// whether every pixel of the file could be read (a truncated JPEG is still
// played, its missing part grey).
TSetimgResult LoadPictureForCut(const QString &path, bool ownImage, const TCutInfo &cut, QImage &out,
                                bool *whole = nullptr);
// What the player is told once about such a picture, naming its file.
QString PartlyReadText(const QString &path);

// The finished picture lies this far in from its texture's top-left corner
// (the drawing puts it back over the pieces by the same amount).
constexpr int FinishedInset = 5;

// The side of the finished picture's texture: powers of two holding the
// picture at (5, 5) with its shadow; 1024 x 512 for the two classic cuts.
QSize FinishedTextureSize(QSize picture);

// The two bitmaps of the finished picture (FinishedTextureSize, 24-bit): A black
// with the picture at (5, 5); B white with the blurred black shadow
// (5, 5)..(PW + 7, PH + 7) and the picture's own rectangle black again.
void MakeFinishedBitmaps(const QImage &picture, QImage &A, QImage &B);
// The finished picture's texture image (Format_RGBA8888): colour from A,
// alpha = 255 - blue of B.
QImage FinishedTextureImage(const QImage &picture);
