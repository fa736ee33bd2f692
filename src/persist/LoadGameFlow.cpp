#include "persist/LoadGameFlow.h"

#include "board/Board.h"
#include "board/InstalledPicture.h"
#include "persist/SaveGame.h"

void ApplySavedCut(Board &b, const TSavedGame &g)
{
    b.SizeIndex = g.SizeIndex;
    b.OwnImage = g.OwnImage;
    b.RotateEnabled = g.RotateEnabled;
}

void ApplySavedFlags(Board &b, const TSavedGame &g)
{
    ApplySavedCut(b, g);
    b.BgIndex = g.BgIndex;
    b.JoinCount = g.JoinCount;
    b.GameTime = g.GameTime;
    b.ShowFinished = false;
    b.FlipVer = g.FlipVer ? 1 : 0;
    b.FlipHor = g.FlipHor ? 1 : 0;
}

TLoadOutcome RunLoadGame(Board &board, TLoadGameHost &host, const QString &path)
{
    // The whole file is read and checked before anything on the table, in
    // the browser or on the background changes.
    TSavedGame g;
    QString message;
    if (ReadSavedGame(path, board, g, &message) != TSaveCheck::Ok) {
        host.ShowMessage(message);
        return TLoadOutcome::Refused;
    }

    const QString oldPicture = host.ChosenFile();
    const uint8_t oldSizeIndex = board.SizeIndex;
    const bool oldOwnImage = board.OwnImage;
    const bool oldRotateEnabled = board.RotateEnabled;
    // A 187-piece game of an installed picture names the "B" twin it was
    // cut from; the browser's choice is the pair's "A" picture.
    host.SetChosenFile(g.OwnImage ? InstalledChoice(g.ImgFileName) : g.ImgFileName);
    ApplySavedCut(board, g);
    if (!SetNextPicture(board, host, g.ImgFileName, [&] {
            // The game on the table goes on with its own picture and rules.
            host.SetChosenFile(oldPicture);
            board.SizeIndex = oldSizeIndex;
            board.OwnImage = oldOwnImage;
            board.RotateEnabled = oldRotateEnabled;
        }))
        return TLoadOutcome::PictureNotSet;

    // Nothing of an animation or a drag survives a load.
    host.StopAnimation();
    board.TurnPiece = -1;
    board.TurnAngle = 0;
    board.Dragging = false;
    board.DragGroup = false;

    ApplySavedFlags(board, g);
    host.ShowInstalledBackground();
    if (!host.CreateJigsy() || !ApplySavedPieces(board, g)) {
        board.Cutting = false;
        host.StopClock();
        host.Draw();
        return TLoadOutcome::CutFailed;
    }
    // A game saved on a larger screen may lie beyond this table's edges.
    host.KeepPiecesOnTable();

    host.EnableSave();
    host.StartClock();
    board.PiecesVisible = true;
    board.PieceAlpha = 1.0f;
    host.GameReplaced();
    host.Draw();
    return TLoadOutcome::Loaded;
}
