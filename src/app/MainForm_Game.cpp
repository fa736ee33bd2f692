// The save and load buttons: the file dialogs and the overwrite question.
#include "app/MainForm.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "persist/GameFolder.h"
#include "persist/SaveGame.h"
#include "persist/Settings.h"

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
