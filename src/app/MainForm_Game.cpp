// Saving the game on the table and loading one back.
#include "app/MainForm.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "board/InstalledPicture.h"
#include "persist/GameFolder.h"
#include "persist/SaveGame.h"
#include "persist/Settings.h"
#include "ui/BrowseFrm.h"
#include "ui/MySpeedButton.h"

namespace {

const QString kSaveFilter = QStringLiteral("VardelJigsySave (*.jgy)");

QString DialogFolder(bool forSaving)
{
    return GameDialogFolder(TSettingsFile().ReadLastGameFolder(), DefaultGameFolder(), forSaving);
}

// The next dialog opens where this game was saved or loaded.  A failure to
// remember is reported like any settings write.
QString RememberGameFolder(const QString &gameFile)
{
    QString error;
    TSettingsFile().WriteLastGameFolder(QFileInfo(gameFile).absolutePath(), &error);
    return error;
}

} // namespace

void TMainForm::SaveBtnClick()
{
    const QString start = DialogFolder(true) + QStringLiteral("/JigsySave");
    QString path = QFileDialog::getSaveFileName(this, QString(), start, kSaveFilter, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".jgy");
    if (QFileInfo::exists(path)
        && QMessageBox::question(this, QStringLiteral("Файл уже существует!"), QStringLiteral("Перезаписать файл?"),
                                 QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return;
    // The picture of the game on the table: the browser's choice may have
    // moved on since, if a new game was begun and then cancelled.
    QString error;
    if (WriteSavedGame(path, SavedGameFromBoard(board, board.PictureFile), &error))
        error = RememberGameFolder(path);
    if (!error.isEmpty())
        ShowMessage(error);
}

void TMainForm::LoadBtnClick()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), DialogFolder(false), kSaveFilter);
    if (path.isEmpty() || !LoadGame(path))
        return;
    const QString error = RememberGameFolder(path);
    if (!error.isEmpty())
        ShowMessage(error);
}

bool TMainForm::LoadGame(const QString &path, bool quiet)
{
    // The whole file is read and checked before anything on the table, in
    // the browser or on the background changes.
    TSavedGame g;
    QString message;
    if (ReadSavedGame(path, board, g, &message) != TSaveCheck::Ok) {
        if (!quiet)
            ShowMessage(message);
        return false;
    }

    const QString oldPicture = BrowseFrm ? BrowseFrm->ChosenFile : QString();
    const uint8_t oldSizeIndex = board.SizeIndex;
    const bool oldOwnImage = board.OwnImage;
    const bool oldRotateEnabled = board.RotateEnabled;
    const bool redrawWasRunning = DrawTimer.isActive();

    // A 187-piece game of an installed picture names the "B" twin it was
    // cut from; the browser's choice is the pair's "A" picture.
    if (BrowseFrm)
        BrowseFrm->ChosenFile = g.OwnImage ? InstalledChoice(g.ImgFileName) : g.ImgFileName;
    board.SizeIndex = g.SizeIndex;
    board.OwnImage = g.OwnImage;
    board.RotateEnabled = g.RotateEnabled;

    DrawTimer.stop();
    board.Cutting = true;
    board.CutProgress = 0;
    Draw();

    if (!Setimg(g.ImgFileName, quiet)) {
        // The game on the table goes on as it was, with its own picture and rules.
        if (BrowseFrm)
            BrowseFrm->ChosenFile = oldPicture;
        board.SizeIndex = oldSizeIndex;
        board.OwnImage = oldOwnImage;
        board.RotateEnabled = oldRotateEnabled;
        board.Cutting = false;
        if (redrawWasRunning)
            DrawTimer.start();
        Draw();
        if (!quiet)
            ShowMessage(ImageNotSetText());
        return false;
    }

    // Nothing of an animation or a drag survives a load.
    AniTimer.stop();
    board.TurnPiece = -1;
    board.TurnAngle = 0;
    board.Dragging = false;
    board.DragGroup = false;

    board.BgIndex = g.BgIndex;
    SetBgBmp(false, QString());
    board.JoinCount = g.JoinCount;
    board.GameTime = g.GameTime;
    board.ShowFinished = false;
    board.FlipVer = g.FlipVer ? 1 : 0;
    board.FlipHor = g.FlipHor ? 1 : 0;

    OpenTable();
    if (!CreateJigsy() || !ApplySavedPieces(board, g)) {
        board.Cutting = false;
        Timer2.stop();
        Draw();
        return false;
    }
    // A game saved on a larger screen may lie beyond this table's edges.
    KeepPiecesOnTable();

    if (SaveBtn && !SaveBtn->isEnabled())
        SaveBtn->setEnabled(true);
    if (!Timer2.isActive())
        Timer2.start();
    board.PiecesVisible = true;
    board.PieceAlpha = 1.0f;
    GameReplaced();
    Draw();
    return true;
}
