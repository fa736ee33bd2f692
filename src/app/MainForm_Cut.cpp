// Setting up the picture of a game and cutting it into pieces on the real
// textures.  The pixel work lives in board/PictureSetup and board/Cutting;
// here it is wired to the board, the texture layer, the messages and the
// progress bar.
#include "app/MainForm.h"

#include <QFileInfo>

#include "app/ProgramFiles.h"
#include "board/Cutting.h"
#include "board/GLTextures.h"
#include "board/PictureSetup.h"

bool TMainForm::Setimg(const QString &fileName)
{
    QImage picture;
    const TSetimgResult rc = LoadPictureForCut(fileName, board.OwnImage, board.Cut(), picture);
    if (rc != TSetimgResult::Ok) {
        ShowMessage(SetimgMessage(rc));
        return false;
    }
    const QImage finished = FinishedTextureImage(picture);
    if (GL)
        board.FinishedTex = GL->ReplaceRGBA(board.FinishedTex, finished);
    board.PictureBmp = std::move(picture);
    return true;
}

bool TMainForm::CreateJigsy()
{
    const TCutInfo &cut = board.Cut();
    const int n = PieceCount(cut);

    for (Tpiece &p : board.Pieces) {
        if (GL && p.ShdTex != 0)
            GL->DeleteTexture(p.ShdTex);
        if (GL && p.ImgTex != 0)
            GL->DeleteTexture(p.ImgTex);
    }
    board.Pieces.Clear();
    board.DrawOrder.clear();
    board.Groups.Clear();

    TCutAssets assets;
    QString file;
    const TAssetResult loaded =
        LoadCutAssets(board.SizeIndex, board.FlipHor, board.FlipVer, board.Eff3DOn, assets, file);
    if (loaded != TAssetResult::Ok) {
        board.Cutting = false;
        ShowMessage(AssetErrorMessage(loaded, file));
        // Without the shape folder the game cannot go on at all.
        if (loaded == TAssetResult::NoFolder)
            close();
        else
            Draw();
        return false;
    }

    for (int i = 0; i < n; ++i) {
        Tpiece &piece = board.Pieces.Add();
        piece.Rotation = 0;
        piece.Row = i / cut.Cols;
        piece.Col = i - piece.Row * cut.Cols;
        const QImage image = PieceImage(board.PictureBmp, assets, cut, piece.Col, piece.Row);
        const QImage shadow = PieceShadowImage(assets, cut, piece.Col, piece.Row);
        if (GL) {
            piece.ImgTex = GL->UploadRGBA(image);
            piece.ShdTex = GL->UploadRGBA(shadow);
        }
        board.CutProgress = float(std::lround(256.0 * i / n));
        Draw();
    }

    board.Cutting = false;
    DrawTimer.start();
    return true;
}
