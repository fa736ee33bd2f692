// Setting up the picture of a game and cutting it into pieces on the real
// textures.  The pixel work lives in board/PictureSetup and board/Cutting;
// here it is wired to the board, the texture layer, the messages and the
// progress bar.
#include "app/MainForm.h"

#include <QElapsedTimer>

#include "board/Cutting.h"
#include "board/gl/GLTextures.h"
#include "board/PictureSetup.h"
#include "board/gl/PieceAtlas.h"
#include "play/Pacer.h"
#include "ui/MySpeedButton.h"

bool TMainForm::Setimg(const QString &fileName, bool quiet)
{
    QImage picture;
    const TSetimgResult rc = LoadPictureForCut(fileName, board.OwnImage, board.Cut(), picture);
    if (rc != TSetimgResult::Ok) {
        if (!quiet)
            ShowMessage(SetimgMessage(rc));
        return false;
    }
    const QImage finished = FinishedTextureImage(picture);
    if (GL)
        board.FinishedTex = GL->ReplaceRGBA(board.FinishedTex, finished);
    board.PictureBmp = std::move(picture);
    board.PictureFile = fileName;
    return true;
}

bool TMainForm::CreateJigsy()
{
    if (!GL || !Atlas)
        return false;
    ClearPieces(board, *Atlas);

    TCutAssets assets;
    QString file;
    const TAssetResult loaded =
        LoadCutAssets(board.SizeIndex, board.FlipHor, board.FlipVer, board.Eff3DOn, assets, file);
    if (loaded != TAssetResult::Ok) {
        // The old pieces are gone and no new ones come: no game is on the
        // table, so nothing runs its clock and nothing can be saved.
        board.Cutting = false;
        board.PiecesVisible = false;
        Timer2.stop();
        if (SaveBtn)
            SaveBtn->setEnabled(false);
        ShowMessage(AssetErrorMessage(loaded, file));
        // Without the shape folder the game cannot go on at all; a single
        // missing file leaves an empty table and the program running.
        if (loaded == TAssetResult::NoFolder)
            close();
        else
            Draw();
        return false;
    }

    // The progress bar moves with the pieces, but a frame of the table is
    // not drawn for every one of them.
    // The frame before the cutting already shows the bar at its start.
    QElapsedTimer clock;
    clock.start();
    play::TPacer pacer(play::ProgressFrameMs);
    pacer.Done(0);
    CutPieces(board, assets, *Atlas, [&] {
        if (pacer.Due(clock.elapsed())) {
            Draw();
            pacer.Done(clock.elapsed());
        }
    });
    board.Cutting = false;
    DrawTimer.start();
    return true;
}
