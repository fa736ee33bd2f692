// The main window's own work: creation in its order, the table's OpenGL
// context, the projection, the frame, closing, and carrying out what the
// game answered.
#include "app/MainForm.h"

#include <GL/gl.h>
#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPalette>
#include <QTimer>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "app/DrawPanel.h"
#include "app/TableSurface.h"
#include "base/Random.h"
#include "gl/Draw.h"
#include "gl/GLTextures.h"
#include "gl/PieceAtlas.h"
#include "gl/TableFrames.h"
#include "picture/AtlasLayout.h"
#include "gl/Textures.h"
#include "sound/SdlSound.h"
#include "sound/SoundRules.h"
#include "ui/BrowseFrm.h"
#include "ui/LidPanel.h"
#include "ui/MainToolbar.h"
#include "ui/MySpeedButton.h"
#include "ui/NewGameFrm.h"
#include "ui/PlayToolbar.h"
#include "ui/RecordsFrm.h"
#include "ui/SettingsFrm.h"

namespace {

// A move is kept for the next start this long after it, at the latest.
constexpr int kKeepDelayMs = 2000;

// Whether this system can give the table an OpenGL context at all.
bool OpenGLAvailable()
{
    QOpenGLContext probe;
    return probe.create();
}

QString OverlayResource(int k) { return QStringLiteral(":/art/il/%1.png").arg(k, 2, 10, QLatin1Char('0')); }

} // namespace

TMainForm::TMainForm(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Jigsy"));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    resize(800, 612);
    move(196, 142);

    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(45);
    lay->addWidget(Panel1);
    // The table with the trays' strip along its right side.
    auto *row = new QWidget(this);
    auto *rowLay = new QHBoxLayout(row);
    rowLay->setContentsMargins(0, 0, 0, 0);
    rowLay->setSpacing(0);
    lay->addWidget(row, 1);
    if (OpenGLAvailable()) {
        DrawPanel = new TDrawPanel(row);
        rowLay->addWidget(DrawPanel, 1);
        LidPanel = new TLidPanel(DrawPanel);
        // Over the table's native surface only a native window shows.
        LidPanel->setAttribute(Qt::WA_NativeWindow);
    } else {
        // Without OpenGL the window must not hold an OpenGL widget at all
        // (its composition would fail); a plain table of the clear colour
        // stands in, and the missing context is named once the window is up.
        DrawPanel = new TDrawPanel(nullptr);
        auto *table = new QWidget(row);
        table->setAutoFillBackground(true);
        QPalette tp = table->palette();
        tp.setColor(QPalette::Window, QColor(77, 102, 153));
        table->setPalette(tp);
        rowLay->addWidget(table, 1);
        NoteMissing(QStringLiteral("контекст OpenGL (стол не может быть нарисован)"));
    }
    connect(DrawPanel, &TDrawPanel::Initialized, this, &TMainForm::FormCreateGL);
    connect(DrawPanel, &TDrawPanel::Painted, this, &TMainForm::PaintTable);
    connect(DrawPanel, &TDrawPanel::Resized, this, &TMainForm::FormResize);
    connect(DrawPanel, &TDrawPanel::Pressed, this, &TMainForm::DrawPanelMouseDown);
    connect(DrawPanel, &TDrawPanel::Moved, this, &TMainForm::DrawPanelMouseMove);
    connect(DrawPanel, &TDrawPanel::Released, this, &TMainForm::DrawPanelMouseUp);
    connect(DrawPanel, &TDrawPanel::Wheeled, this, &TMainForm::DrawPanelWheel);
    RecordsFrm = new TRecordsFrm(this);

    // The overlay artwork travels with the program; a picture that cannot
    // be read leaves its slot empty and is named once the window is up.
    for (int k = 0; k < OverlayCount; ++k) {
        TPicture pic;
        if (!pic.LoadFromFile(OverlayResource(k)))
            NoteMissing(QStringLiteral("изображение оформления il/%1.png").arg(k, 2, 10, QLatin1Char('0')));
        il.Add().SetPicture(pic);
    }

    GL = std::make_unique<TGLTextures>();
    Atlas = std::make_unique<TPieceAtlas>();
    Frames = std::make_unique<TTableFrames>();
    Game = std::make_unique<game::TGame>(GameRandom(), game::TGameDevices{Atlas.get(), GL.get(), [this] { Draw(); }});
    CreateToolbar();
    CreateTrayStrip(row);
    CreateKeys();
    CreateSettings();
    SetTextureContextHook([this] { return MakeTableCurrent(); });
    FormCreate();
}

TMainForm::~TMainForm()
{
    FormDestroy();
    // The table outlives this object's own part while the widget tree is
    // taken down; nothing it says then may reach the window.
    if (DrawPanel)
        DrawPanel->disconnect(this);
    if (DrawPanel && !DrawPanel->parentWidget())
        delete DrawPanel; // the stand-in case: never part of the window
    DrawPanel = nullptr;
}

void TMainForm::SetDialogs(TBrowseFrm *browse, TNewGameFrm *newGame, TBGChangeFrm *bgChange)
{
    BrowseFrm = browse;
    NewGameFrm = newGame;
    BGChangeFrm = bgChange;
    ScaleDialogs();
    // A cut whose pieces the card cannot hold is refused in the dialog.
    if (NewGameFrm)
        NewGameFrm->CutShown = [this](int sizeIndex) {
            return LargestTexture <= 0 || CutFitsCard(CutTable[sizeIndex], LargestTexture);
        };
}

// The window's creation.  The OpenGL steps wait for the table's context,
// which exists once the table is first shown (FormCreateGL); the rest runs
// here in its order.
void TMainForm::FormCreate()
{
    ReSizeTimer.setInterval(100);
    ReSizeTimer.setSingleShot(true);
    Timer1.setInterval(500);
    Timer1.setSingleShot(true);
    Timer2.setInterval(1000);
    PlayerTimer.setInterval(1000);
    AniTimer.setInterval(50);
    ResumeTimer.setInterval(kKeepDelayMs);
    ResumeTimer.setSingleShot(true);
    connect(&ReSizeTimer, &QTimer::timeout, this, &TMainForm::ReSizeTimerTimer);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(&PlayerTimer, &QTimer::timeout, this, &TMainForm::PlayerTimerTimer);
    connect(&AniTimer, &QTimer::timeout, this, &TMainForm::AniTimerTimer);
    connect(&ResumeTimer, &QTimer::timeout, this, [this] { Act(Game->KeepForResume()); });

    ReSizeTimer.start();
    const TSettingsFile settings;
    if (!settings.Kept())
        NoteMissing(SettingsNotKeptText(settings.Path()));
    Game->SetSwitches(settings.Read(RoundPlaceBtn->Down()));
    ShowButtons();
    // No sound card: the players fail to open quietly and the game is silent.
    Player = std::make_unique<TSdlMusicPlayer>();
    Player2 = std::make_unique<TSdlChunkPlayer>();
    // The stored waves travel inside the program.
    wl = std::make_unique<TSdlWaveList>(QStringList{QStringLiteral(":/snd/wave0.wav"),
                                                    QStringLiteral(":/snd/wave1.wav"),
                                                    QStringLiteral(":/snd/wave2.wav")});
    LoadBG();
    MusicList = ListProgramMusic();
    PlayerTimer.start();
    Timer1.start();
}

void TMainForm::FormCreateGL()
{
    if (TableGLReady)
        return;
    InTableGLInit = true;
    const QOpenGLContext *ctx = QOpenGLContext::currentContext();
    if (ctx && ctx->format().profile() == QSurfaceFormat::CoreProfile)
        NoteMissing(QStringLiteral("контекст OpenGL с фиксированным конвейером (стол не может быть нарисован)"));

    SetTableClearColour();
    InitGLState();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    LargestTexture = int(largest);
    Board &scene = Game->Scene();
    // Entry 0, the background slot, from the first overlay picture; the
    // background replaces its image right after.
    uint32_t slot = 0;
    if (il.Count() > 0 && !il.Items(0).Picture().IsEmpty())
        slot = TexFromPNG(TextureList, il.Items(0).Picture().Image, false, true);
    if (slot == 0)
        NewTexture(TextureList, false, true);
    SetBgBmp(Game->Switches().BgFromFile, Game->Switches().BgFileName);
    if (TextureList.empty())
        RegisterTexture(TextureList, 0);
    // Entries 1..OverlayCount: the overlays; a missing picture keeps its slot empty.
    for (int k = 0; k < OverlayCount; ++k) {
        uint32_t name = 0;
        if (k < il.Count() && !il.Items(k).Picture().IsEmpty())
            name = TexFromPicture(TextureList, scene, il.Items(k).Picture(), false, false, false, true, false);
        if (name == 0)
            RegisterTexture(TextureList, 0);
    }
    // The first frames (before the resize timer's rebuild) already use the
    // table's projection.
    const qreal dpr = DrawPanel->devicePixelRatioF();
    SetupProjection(DrawPanel->width(), DrawPanel->height(), int(std::lround(DrawPanel->width() * dpr)),
                    int(std::lround(DrawPanel->height() * dpr)));
    Game->FitToWindow(DrawPanel->size());
    TableGLReady = true;
    InTableGLInit = false;
}

bool TMainForm::MakeTableCurrent()
{
    if (!DrawPanel)
        return false;
    if (InTableGLInit || DrawPanel->Painting())
        return true;
    if (!DrawPanel->isValid()) {
        // The context comes with the shown table.
        if (DrawPanel->isVisible())
            DrawPanel->makeCurrent();
        if (!DrawPanel->isValid())
            return false;
    }
    DrawPanel->makeCurrent();
    return true;
}

void TMainForm::ReSizeTimerTimer()
{
    ReSizeTimer.stop();
    if (MakeTableCurrent()) {
        const qreal dpr = DrawPanel->devicePixelRatioF();
        const int w = DrawPanel->width(), h = DrawPanel->height();
        // Pieces stay exactly where they lie, also beyond a shrunken table.
        SetupProjection(w, h, int(std::lround(w * dpr)), int(std::lround(h * dpr)));
        Act(Game->FitToWindow(DrawPanel->size()));
    } else if (isVisible()) {
        NoteMissing(QStringLiteral("контекст OpenGL (стол не может быть нарисован)"));
    }
    Draw();
    if (!Missing.isEmpty() && !MissingShown && isVisible()) {
        MissingShown = true;
        ShowMessage(QStringLiteral("Не удалось загрузить или создать:\n%1\n\nИгра запущена без этого.")
                        .arg(Missing.join(QStringLiteral("\n"))));
    }
}

// Any change of the table's size (a side edge, the bottom edge, maximize,
// restore) rebuilds the projection once, 100 ms after the first event of a
// burst.
void TMainForm::FormResize()
{
    if (!ReSizeTimer.isActive())
        ReSizeTimer.start();
}

void TMainForm::FormClose()
{
    Timer2.stop();
    AniTimer.stop();
    ClearTextures(TextureList);
    Board &scene = Game->Scene();
    if (Atlas)
        Atlas->Release(); // every piece's texture with it
    if (GL && scene.FinishedTex > 0)
        GL->DeleteTexture(uint32_t(scene.FinishedTex));
    scene.FinishedTex = -1;
    scene.Pieces.Clear();
    scene.DrawOrder.clear();
    scene.Groups.clear();
    scene.PictureBmp = QImage();
    scene.PiecesVisible = false;
    scene.ShowFinished = false;
    MusicList.clear();
}

void TMainForm::FormDestroy()
{
    for (QTimer *t : {&ReSizeTimer, &Timer1, &Timer2, &PlayerTimer, &AniTimer, &ResumeTimer})
        t->stop();
    // Textures still held (the window was never closed) go with the
    // context; then the context is let go on the widget's own terms.
    if (DrawPanel && DrawPanel->isValid()) {
        DrawPanel->makeCurrent();
        if (!TextureList.empty() || Game->board().Pieces.Count() > 0)
            FormClose();
        Frames->Release();
        DrawPanel->doneCurrent();
    }
    SetTextureContextHook(nullptr);
}

void TMainForm::PaintTable()
{
    // The table widget sets the viewport to its whole current size before
    // every paint, so the projection follows here too: a frame drawn
    // between a resize and the resize timer's rebuild is neither stretched
    // nor has its plates off-centre.
    const qreal dpr = DrawPanel->devicePixelRatioF();
    const int w = DrawPanel->width(), h = DrawPanel->height();
    SetupProjection(w, h, int(std::lround(w * dpr)), int(std::lround(h * dpr)));
    Game->FollowWindow(QSize(w, h));
    const play::TView &v = Game->View();
    TTableView view;
    const QPointF corner = v.ToBoard(QPointF(0, 0));
    view.Left = corner.x();
    view.Top = corner.y();
    view.Zoom = v.Zoom();
    view.TableW = v.Table().width();
    view.TableH = v.Table().height();
    view.DragShadow = Game->Switches().ShadowOn;
    view.Hand = HandMark();
    view.UiScale = float(Game->Switches().UiScale / 100.0);
    view.Ghost = float(Game->Switches().GhostPercent) / 100.0f;
    // The reduced copies are made once the pieces are all cut, not for
    // every progress frame.
    view.Reduced = view.Zoom < ReducedZoom && !Game->board().Cutting && Atlas->PrepareReduced();
    const TFrameScene scene{Game->board(), TextureList, w, h, int(std::lround(w * dpr)), int(std::lround(h * dpr)),
                            TimeLab->text(), view, Atlas->Layout()};
    Frames->SetWindowKeeps(DrawPanel->Surface()->KeepsFrame());
    if (DrawPanel->FrameLost())
        Frames->Invalidate();
    Frames->Paint(scene, QOpenGLContext::currentContext()->defaultFramebufferObject());
    DrawPanel->SetChanged(Frames->Changed());
}

void TMainForm::Draw()
{
    // Inside the table's own paint or its first set-up the frame follows
    // by itself; a nested repaint would recurse.
    if (DrawPanel && DrawPanel->isValid() && !DrawPanel->Painting() && !InTableGLInit)
        DrawPanel->PaintNow();
}

void TMainForm::DrawSoon()
{
    if (DrawPanel && DrawPanel->isValid())
        DrawPanel->Update();
}

// ---- the game's answers ----

void TMainForm::TellTableSize() { Game->FollowWindow(DrawPanel->size()); }

void TMainForm::Run(QTimer &timer, game::TTimer what)
{
    if (what == game::TTimer::Start && !timer.isActive())
        timer.start();
    else if (what == game::TTimer::Stop)
        timer.stop();
}

void TMainForm::Act(const game::TAnswer &a)
{
    Run(AniTimer, a.AniTimer);
    if (a.KeepSoon && !ResumeTimer.isActive())
        ResumeTimer.start();
    Run(Timer2, a.ClockTimer);
    if (a.Background)
        SetBgBmp(false, QString());
    if (a.BrowserChoice && BrowseFrm)
        BrowseFrm->ChosenFile = *a.BrowserChoice;
    if (a.Clock)
        TimeLab->setText(Game->ClockText());
    if (a.Progress) {
        ProgressLab->setText(Game->ProgressText());
        ArrangeToolbar(Panel1, width(), {ProgressLab, ZoomLab, TimeLab});
    }
    if (a.Buttons)
        ShowButtons();
    if (a.Lid)
        PlaceLid();
    if (a.Trays || a.Progress)
        ShowTrays();
    if (a.JoinClick)
        wl->Play(0);
    if (a.Milestone)
        PlayMilestone(Player2.get(), wl.get(), GameRandom());
    if (a.Finish) {
        StopForFinish(Player.get());
        wl->Play(2);
    }
    if (a.StopMusic)
        StopMusic(Player.get());
    if (a.NewTrack)
        ChMusBtnClick();
    if (a.Redraw) {
        ZoomLab->setText(Game->ZoomText());
        DrawSoon();
    }
    // Told once the move is over, so the table already shows its outcome.
    for (const QString &m : a.Messages)
        ShowMessage(m);
    if (a.ShowRecords)
        ShowRecords();
    if (a.OfferHintJump)
        OfferHintJump();
    if (a.Close)
        close();
}

void TMainForm::PlaceLid()
{
    ShowAccess();
    if (!LidPanel)
        return;
    const bool visible = Game->LidVisible();
    if (visible) {
        LidPanel->SetPicture(Game->board().PictureBmp);
        LidPanel->setGeometry(Game->LidRect());
        LidPanel->SetLens(Game->LidLens());
    }
    LidPanel->setVisible(visible);
}

// ---- messages and closing ----

void TMainForm::NoteMissing(const QString &what)
{
    if (!Missing.contains(what))
        Missing << what;
}

void TMainForm::ShowMessage(const QString &text)
{
    QMessageBox::information(this, QStringLiteral("Jigsy"), text);
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    const game::TAnswer a = Game->Close();
    for (const QString &m : a.Messages)
        ShowMessage(m);
    FormClose();
    e->accept();
}

void TMainForm::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    ArrangeToolbar(Panel1, width(), {ProgressLab, ZoomLab, TimeLab});
    FormResize();
}
