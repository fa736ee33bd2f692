#include "play/NewGameFlow.h"

#include "base/FileName.h"
#include "board/Board.h"
#include "board/InstalledPicture.h"

TNewGameOutcome RunNewGame(Board &board, TNewGameHost &host)
{
    board.ShowFinished = false;
    if (host.ShowBrowser() != 1)
        return TNewGameOutcome::BrowserClosed;
    // Whether the picture is an installed one belongs to the game on the
    // table until a new game really replaces it: a save made after a
    // cancelled choice must still describe the game being played.
    const bool oldOwnImage = board.OwnImage;
    board.OwnImage = host.SelfImg();
    if (!IsRegularFile(host.ChosenFile())) {
        host.ShowMessage(QStringLiteral("Не могу загрузить эту картинку, файл отсутствует!"));
        board.OwnImage = oldOwnImage;
        return TNewGameOutcome::PictureMissing;
    }

    const int result = host.ShowNewGameDialog();
    // The switch is taken whatever the answer: it governs the game on the
    // table too.
    board.RotateEnabled = host.RotationChecked();
    if (!ValidSizeIndex(result - 2)) {
        board.OwnImage = oldOwnImage;
        return TNewGameOutcome::DialogCancelled;
    }

    const uint8_t oldSizeIndex = board.SizeIndex;
    board.SizeIndex = uint8_t(result - 2);
    // The browser's choice stays the "A" picture, so the same picture can be
    // started again at any size; the larger cuts are made from its other
    // versions.
    QString source = host.ChosenFile();
    if (board.OwnImage && board.SizeIndex != 1) {
        source = InstalledSource(source, board.SizeIndex);
        if (source.isEmpty()) {
            host.ShowMessage(QStringLiteral("К сожалению файл не найден! Выбери другую картинку."));
            board.SizeIndex = oldSizeIndex;
            board.OwnImage = oldOwnImage;
            return TNewGameOutcome::TwinMissing;
        }
    }

    if (!SetNextPicture(board, host, source, [&] {
            board.SizeIndex = oldSizeIndex;
            board.OwnImage = oldOwnImage;
        }))
        return TNewGameOutcome::PictureNotSet; // the old game goes on as it was

    if (!host.NewGame())
        return TNewGameOutcome::CutFailed; // the cutting has said why
    host.EnableSave();
    host.StartRandomTrack();
    board.JoinCount = 0;
    board.GameTime = 0;
    host.StartClock();
    host.Draw();
    return TNewGameOutcome::Started;
}
