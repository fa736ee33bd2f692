// The table background: the installed ones, the one in use, and the
// chooser behind BgBtn.
#include "app/MainForm.h"

#include "base/ProgramFiles.h"
#include "board/gl/BackgroundTexture.h"
#include "persist/Background.h"
#include "persist/Settings.h"
#include "ui/BGChangeFrm.h"

void TMainForm::LoadBG()
{
    for (TBackground &b : LoadBackgrounds(ProgramFile(QStringLiteral("BackGr")))) {
        TMyImageListItem &item = bg.Add();
        item.Caption = b.Name;
        item.SetPicture(b.Picture);
    }
}

void TMainForm::SetBgBmp(bool fromFile, const QString &fileName)
{
    // A file that is gone or cannot be decoded gives way to installed
    // background BgIndex; start-up goes on either way.
    TPicture pic;
    const bool fileUsable = fromFile && LoadBackgroundPicture(fileName, pic) && BackgroundFitsCard(pic);
    ApplyBackground(TextureList, board, bg, fileUsable ? &pic : nullptr);
}

void TMainForm::BgBtnClick()
{
    if (!BGChangeFrm)
        return;
    BGChangeFrm->Bind(&bg, board.BgIndex);
    if (BGChangeFrm->exec() != QDialog::Accepted)
        return;
    const bool fromFile = BGChangeFrm->FromFile;
    TPicture pic;
    if (fromFile && (!LoadBackgroundPicture(BGChangeFrm->BgFile, pic) || !BackgroundFitsCard(pic))) {
        // A picture that cannot be read changes nothing, settings included.
        ShowMessage(BadPictureText());
        return;
    }
    if (!fromFile)
        board.BgIndex = BGChangeFrm->ChosenIndex;
    ApplyBackground(TextureList, board, bg, fromFile ? &pic : nullptr);
    QString error;
    if (!TSettingsFile().WriteBackground(board.BgIndex, fromFile, board.BgDrawStretch, BGChangeFrm->BgFile, &error))
        ShowMessage(error);
    Draw();
}
