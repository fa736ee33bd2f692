// A game onto the table: a new one from the player's choice, a saved one,
// the one kept from last time; and saving the game on the table.  Nothing
// of a new choice touches the board until its picture has been set up, so
// a refused picture leaves the game on the table exactly as it was, also in
// the frames drawn while its messages are shown.
#include <QElapsedTimer>
#include <QFileInfo>

#include "base/FileName.h"
#include "board/InstalledPicture.h"
#include "game/Game.h"
#include "game/PieceImages.h"
#include "persist/Resume.h"
#include "persist/SaveGame.h"
#include "persist/StartedGames.h"
#include "picture/Cutting.h"
#include "picture/PictureSetup.h"
#include "picture/TextureSink.h"
#include "play/GameState.h"
#include "play/Layout.h"
#include "play/Pacer.h"
#include "play/Progress.h"
#include "play/Reach.h"

namespace game {

namespace {

void DrawNow(const TGameDevices &d)
{
    if (d.DrawNow)
        d.DrawNow();
}

} // namespace

// ---- the picture and the pieces ----

bool TGame::SetUpPicture(const QString &path, bool installed, const TCutInfo &cut, QImage &out, TAnswer &a)
{
    // The table shows the cutting progress while the picture is read.
    m_board.Cutting = true;
    m_board.CutProgress = 0;
    DrawNow(m_dev);
    bool whole = true;
    const TSetimgResult rc = LoadPictureForCut(path, installed, cut, out, &whole);
    if (rc == TSetimgResult::Ok) {
        if (!whole)
            a.Messages << PartlyReadText(path);
        return true;
    }
    m_board.Cutting = false;
    a.Redraw = true;
    a.Messages << SetimgMessage(rc) << QStringLiteral("img not set");
    return false;
}

void TGame::TakePicture(const QString &path, QImage picture)
{
    if (m_dev.Finished)
        m_board.FinishedTex = m_dev.Finished->ReplaceRGBA(m_board.FinishedTex, FinishedTextureImage(picture));
    m_board.PictureBmp = std::move(picture);
    m_board.PictureFile = path;
}

bool TGame::CutPieces(TAnswer &a)
{
    if (!m_dev.Pieces)
        return false;
    ClearPieces(m_board, *m_dev.Pieces);
    TCutAssets assets;
    QString file;
    const TAssetResult loaded =
        LoadCutAssets(m_board.SizeIndex, m_board.FlipHor, m_board.FlipVer, m_switches.Eff3DOn, assets, file);
    if (loaded != TAssetResult::Ok) {
        // The old pieces are gone and no new ones come: no game is on the
        // table, so nothing runs its clock and nothing can be saved.
        m_board.Cutting = false;
        m_board.PiecesVisible = false;
        m_canSave = false;
        a.ClockTimer = TTimer::Stop;
        a.Buttons = true;
        a.Messages << AssetErrorMessage(loaded, file);
        // Without the shape folder the game cannot go on at all; a single
        // missing file leaves an empty table and the program running.
        (loaded == TAssetResult::NoFolder ? a.Close : a.Redraw) = true;
        return false;
    }
    // The progress bar moves with the pieces, but a frame of the table is
    // not drawn for every one of them.
    QElapsedTimer clock;
    clock.start();
    play::TPacer pacer(play::ProgressFrameMs);
    pacer.Done(0);
    TPieceImageSink kept(*m_dev.Pieces, PieceImageSide); // the trays' strip shows them
    ::CutPieces(m_board, assets, kept, [&] {
        if (pacer.Due(clock.elapsed())) {
            DrawNow(m_dev);
            pacer.Done(clock.elapsed());
        }
    });
    m_board.Shapes = ShapeBitsOf(assets.Mask);
    m_pieceImages = kept.PieceImages(m_board);
    m_board.Cutting = false;
    return true;
}

// ---- a new game ----

// Before the next game's picture is read (which covers the table with the
// cutting's progress).
void TGame::KeepStarted(TAnswer &a)
{
    if (!play::GameInPlay(m_board))
        return;
    QString error;
    if (!TStartedGames().Keep(m_board, m_board.PictureFile, &error))
        a.Messages << error;
}

void TGame::NewGameAsked() { m_board.ShowFinished = false; }

QString TGame::PictureProblem(const QString &file) const
{
    if (!IsRegularFile(file))
        return QStringLiteral("Не могу загрузить эту картинку, файл отсутствует!");
    return {};
}

TAnswer TGame::NewGame(const TNewGameChoice &c)
{
    TAnswer a;
    if (!ValidSizeIndex(c.SizeIndex))
        return a;
    // The browser's choice stays the "A" picture, so the same picture can be
    // started again at any size; the larger cuts are made from its other
    // versions.
    QString source = c.File;
    if (c.Installed && c.SizeIndex != 1) {
        source = InstalledSource(c.File, c.SizeIndex);
        if (source.isEmpty()) {
            a.Messages << QStringLiteral("К сожалению файл не найден! Выбери другую картинку.");
            return a;
        }
    }
    KeepStarted(a);
    QImage picture;
    if (!SetUpPicture(source, c.Installed, CutTable[c.SizeIndex], picture, a))
        return a; // the old game goes on as it was

    // From here the new game replaces the old one.
    a.AniTimer = TTimer::Stop; // no fade or turn of the last game runs on
    m_board.OwnImage = c.Installed;
    m_board.RotateEnabled = c.RotateEnabled;
    m_board.SizeIndex = uint8_t(c.SizeIndex);
    TakePicture(source, std::move(picture));
    OpenTable();
    const QSize table = m_view.Table();
    if (!play::NewGame(m_board, m_random, table.width(), table.height(), m_switches.RoundPlace,
                       [&] { return CutPieces(a); }))
        return a; // the cutting has said why
    ResetSorting();
    m_resumeMine = true;
    WaitForKeeping();
    TResumeFile().Retire(); // a new game: the old one is not resumed
    GameReplaced(a, false);
    a.NewTrack = true;
    m_board.JoinCount = 0;
    m_board.GameTime = 0;
    m_board.HintsUsed = 0;
    a.ClockTimer = TTimer::Start;
    a.Redraw = true;
    return a;
}

// ---- a saved game ----

bool TGame::LoadFile(const QString &path, TAnswer &a)
{
    // The whole file is read and checked before anything on the table, in
    // the browser or on the background changes.
    TSavedGame g;
    QString message;
    if (ReadSavedGame(path, m_board, g, &message) != TSaveCheck::Ok) {
        a.Messages << message;
        return false;
    }
    return LoadSaved(g, false, a);
}

TAnswer TGame::LoadGame(const QString &path)
{
    TAnswer a;
    if (LoadFile(path, a)) {
        m_resumeMine = true; // the player's choice replaces the kept game
        const QString error = RememberGameFolder(path);
        if (!error.isEmpty())
            a.Messages << error;
    }
    return a;
}

bool TGame::LoadSaved(const TSavedGame &g, bool resume, TAnswer &a)
{
    if (!resume)
        KeepStarted(a);
    QImage picture;
    if (!SetUpPicture(g.ImgFileName, g.OwnImage, CutTable[g.SizeIndex], picture, a)) {
        if (resume)
            a.Messages.clear(); // the kept game is put aside without a word
        return false; // the game on the table goes on with its own picture and rules
    }

    // A 187-piece game of an installed picture names the "B" twin it was
    // cut from; the browser's choice is the pair's "A" picture.
    a.BrowserChoice = g.OwnImage ? InstalledChoice(g.ImgFileName) : g.ImgFileName;
    // Nothing of an animation or a drag survives a load.
    a.AniTimer = TTimer::Stop;
    m_board.TurnPiece = -1;
    m_board.TurnAngle = 0;
    m_board.Dragging = false;
    m_board.DragGroup = false;
    ResetSorting(); // the saved game's trays come with its pieces

    const uint8_t playersBackground = m_board.BgIndex;
    ApplySavedFlags(m_board, g);
    if (resume)
        m_board.BgIndex = playersBackground; // the table looks as the player left it
    else
        a.Background = true; // a loaded game brings its own installed background
    TakePicture(g.ImgFileName, std::move(picture));
    OpenTable();
    if (!CutPieces(a) || !ApplySavedPieces(m_board, g)) {
        m_board.Cutting = false;
        a.ClockTimer = TTimer::Stop;
        a.Redraw = true;
        return false;
    }
    // A join count that disagrees with the groups would finish the picture
    // too early or never: the groups are what the player sees.
    m_board.JoinCount = play::JoinsOnTable(m_board);
    // A game saved on another screen keeps its table and every piece on it.
    OpenLoadedTable(QSize(g.TableW, g.TableH));
    m_board.PiecesVisible = true;
    m_board.PieceAlpha = 1.0f;
    GameReplaced(a, resume);
    a.ClockTimer = TTimer::Start;
    a.Redraw = true;
    return true;
}

TAnswer TGame::SaveGame(const QString &path)
{
    TAnswer a;
    QString error;
    if (WriteSavedGame(path, SavedGameFromBoard(m_board, m_board.PictureFile), &error))
        error = RememberGameFolder(path);
    if (!error.isEmpty())
        a.Messages << error;
    return a;
}

// The next dialog opens where this game was saved or loaded.  A failure to
// remember is told like any settings write.
QString TGame::RememberGameFolder(const QString &gameFile) const
{
    QString error;
    TSettingsFile().WriteLastGameFolder(QFileInfo(gameFile).absolutePath(), &error);
    return error;
}

// ---- start-up ----

TAnswer TGame::StartUp(const QString &commandLineGame)
{
    if (commandLineGame.isEmpty())
        return RestoreResume();
    m_resumeMine = false; // the kept game waits for a start without a file
    TAnswer a;
    if (IsRegularFile(commandLineGame))
        LoadFile(commandLineGame, a);
    return a;
}

TAnswer TGame::RestoreResume()
{
    const TResumeFile file;
    TSavedGame g;
    if (!file.Read(m_board, g))
        return {};
    TAnswer a;
    if (!LoadSaved(g, true, a))
        file.MoveAside(); // it could not be put on the table: never asked about again
    return a;
}

} // namespace game
