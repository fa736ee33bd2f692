// Cutting the picture into pieces: the piece-shape bitmaps (mask, shadow,
// relief), their mirroring, and the two images of every piece.  Pure pixel
// work; the main window uploads the results.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

#include "board/Board.h"
#include "picture/TextureSink.h"

// The shape files of a cut, relative to the program folder.
QString MaskFileName(int sizeIndex);
QString ShadowFileName(int sizeIndex);
// One relief file per mirroring: "..._<h><v>.bmp" (".png" for a big cut).
QString ReliefFileName(int sizeIndex, int flipHor, int flipVer);
// The folder that holds them.
QString ShapeFolderName();

// 0 for negatives, 255 for 256 and more, else the value.
inline uint8_t ClampByte(int v) { return v < 0 ? 0 : v > 255 ? 255 : uint8_t(v); }

// The two mirror flags packed as the game keeps them: left-right in the
// low byte, top-bottom in the high byte.
inline uint16_t FlipFlags(uint8_t hor, uint8_t ver) { return uint16_t(hor | (ver << 8)); }
// Mirrors a 24-bit bitmap in place: top-bottom first, then left-right.
void FlipBitmap(QImage &B, uint16_t flags);

// Lightens and darkens the piece bitmap A (TexSize square, 24-bit) with
// the relief tile (c, r): where all three relief bytes are non-zero each
// byte becomes ClampByte(A + R - 127); elsewhere A is left alone.
void ApplyRelief(QImage &A, int c, int r, const QImage &relief, const TCutInfo &cut);

// The shape bitmaps of one game: mask and shadow already mirrored, the
// relief (absent when relief is off) made for that mirroring.
struct TCutAssets {
    QImage Mask;
    QImage Shadow;
    QImage Relief;
};

enum class TAssetResult { Ok, NoFolder, MissingFile, DamagedFile };

// Loads the shape bitmaps of the cut from the program folder.  A big cut's
// files, which the package does not carry, come from the cache folder's
// "shapes", made there on first use (again when one is damaged, and anew
// for another version's layout).  On
// failure `file` names the file at fault (relative to the program folder).
TAssetResult LoadCutAssets(int sizeIndex, uint8_t flipHor, uint8_t flipVer, bool relief, TCutAssets &out,
                           QString &file);
// The message the player sees for a failed load.
QString AssetErrorMessage(TAssetResult result, const QString &file);

// Where piece (col, row) takes its picture square: (col * pitch - Margin,
// row * pitch - Margin).
inline int PieceSquareX(const TCutInfo &cut, int col) { return col * Pitch(cut) - cut.Margin; }
inline int PieceSquareY(const TCutInfo &cut, int row) { return row * Pitch(cut) - cut.Margin; }

// The piece's colour bitmap: TexSize square, white, with the picture's
// square copied at (inset, inset) (only the part inside the picture).
QImage PieceBitmap(const QImage &picture, const TCutInfo &cut, int col, int row);
// The piece texture image (Format_RGBA8888): colour from PieceBitmap with
// the relief applied when assets.Relief is present, alpha = 255 - mask
// blue, fully transparent around the tile.
QImage PieceImage(const QImage &picture, const TCutAssets &assets, const TCutInfo &cut, int col, int row);
// The piece's shadow (Format_RGBA8888): black, alpha = 255 - shadow blue.
QImage PieceShadowImage(const TCutAssets &assets, const TCutInfo &cut, int col, int row);

// The drawn shapes of a mask already mirrored (TCutAssets::Mask): a bit
// wherever a piece is more opaque than not (alpha 255 - blue >= 128).
TShapeBits ShapeBitsOf(const QImage &mask);

// Deletes every piece's textures (the shadow, then the picture; only names
// that are set) and empties Pieces, DrawOrder and Groups.
void ClearPieces(Board &b, ITextureSink &sink);
// Cuts b.PictureBmp into the pieces of b's cut, appending them to Pieces in
// home order, each with Row, Col, Rotation 0 and its two textures.  After
// each piece CutProgress = round(256 i / n) and afterPiece() runs (the
// frame is redrawn there).
void CutPieces(Board &b, const TCutAssets &assets, ITextureSink &sink, const std::function<void()> &afterPiece);
