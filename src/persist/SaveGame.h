// Saved games: a game on the table written to an INI text file key by key,
// and read back.  Reading checks the whole file into a plain TSavedGame
// before the caller touches the board, so a damaged or hostile file is
// refused while the game on the table goes on untouched.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "board/Board.h"

class TProfileFile;

// One piece as stored in its "piece<i>" section.
struct TSavedPiece {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Col = 0;
    int32_t Row = 0;
    int32_t Group = -1;
    uint8_t Rotation = 0;
};

// Everything a saved game holds, checked and ready to be put on the board.
struct TSavedGame {
    uint8_t SizeIndex = 1;   // "psind"
    bool OwnImage = false;   // "OwnerImg"
    int PiecesCount = 0;     // "piecesCount"
    uint8_t BgIndex = 0;     // "bgind"
    QString ImgFileName;     // "ImgFileName"
    std::vector<int> DrawOrder; // "PPosLst": piece numbers, bottom first
    int32_t JoinCount = 0;   // "Spind"
    int64_t GameTime = 0;    // "Time": whole seconds of play, as "H:mm:ss"
    bool RotateEnabled = true;
    bool FlipVer = false;    // "RotateVer"
    bool FlipHor = false;    // "RotateHor"
    std::vector<TSavedPiece> Pieces;  // one per piece, in piece order
    std::vector<std::vector<int>> Groups; // "gr<j>": member numbers
    // Absent from older files, which then take the defaults.
    int32_t TableW = 0;      // "TableW", "TableH": the table it was laid on;
    int32_t TableH = 0;      //   0: not known
    int32_t HintsUsed = 0;   // "Hints"

    // ---- Section "Trays", written only when a tray holds or says anything ----
    std::vector<TTray> Trays = DefaultTrays(); // "name<k>", "list<k>", "colour<k>"
    bool TraysShown = false;                   // "shown": the strip is open (a big cut's by default)
};

// The game on the table, with the path of its picture.
TSavedGame SavedGameFromBoard(const Board &b, const QString &imgFileName);

// Writes every key in its order through the profile-file layer.  The old
// content of the file is kept except for the keys written.  On failure
// returns false with the player's message in *error; the old file stays
// whole.
bool WriteSavedGame(const QString &path, const TSavedGame &g, QString *error = nullptr);
// The same, but the file is begun afresh: nothing it held before is kept.
bool WriteFreshSavedGame(const QString &path, const TSavedGame &g, QString *error = nullptr);

enum class TSaveCheck {
    Ok,
    PictureMissing, // "ImgFileName" empty or naming no file
    Invalid,        // the file breaks a rule of saved games
};

// Reads and checks a whole saved game.  Keys that are missing, and integer,
// Boolean and time keys that cannot be read, take their defaults (some of
// them the values of the game on the table, `current`); a turn is taken
// modulo 4.  Counts and indices that do not fit the cut, and groups that
// contradict the pieces, refuse the file.
// On Invalid, *message holds the player's message naming the file.
TSaveCheck ReadSavedGame(const QString &path, const Board &current, TSavedGame &out, QString *message = nullptr);
// The same over a file already read; on Invalid, *reason says what broke.
TSaveCheck ReadSavedGame(const TProfileFile &f, const Board &current, TSavedGame &out, QString *reason = nullptr);
// Every rule of the format, without looking for the picture on the disk.
bool CheckSavedGame(const TProfileFile &f, const Board &current, TSavedGame &out, QString *reason = nullptr);

// Every flag of a saved game onto the board: the cut, whether the picture
// is an installed one, turning, the background number, joins, clock and
// mirroring, the table's size and the hints used; no finished display.
void ApplySavedFlags(Board &b, const TSavedGame &g);
// After the picture has been cut again into g.PiecesCount pieces: each
// piece's place, turn and group, the stacking order and the groups.
// False (and nothing changed) when the board holds another number of pieces.
bool ApplySavedPieces(Board &b, const TSavedGame &g);

// Messages of loading.
QString PictureNotFoundText();     // "Файл картинки не найден!"
QString BadSaveText(const QString &path, const QString &reason);
