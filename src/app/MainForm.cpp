// The main window's own work: creation in its order, the table's OpenGL
// context, the projection, closing and the frame.
#include "app/MainForm.h"

#include <GL/gl.h>
#include <QCloseEvent>
#include <QIcon>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPalette>
#include <QVBoxLayout>
#include <cmath>

#include "app/DrawPanel.h"
#include "board/gl/Draw.h"
#include "board/gl/GLTextures.h"
#include "board/gl/PieceAtlas.h"
#include "board/gl/Textures.h"
#include "persist/sound/Sound.h"
#include "ui/MySpeedButton.h"

namespace {

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
    if (OpenGLAvailable()) {
        DrawPanel = new TDrawPanel(this);
        lay->addWidget(DrawPanel, 1);
    } else {
        // Without OpenGL the window must not hold an OpenGL widget at all
        // (its composition would fail); a plain table of the clear colour
        // stands in, and the missing context is named once the window is up.
        DrawPanel = new TDrawPanel(nullptr);
        auto *table = new QWidget(this);
        table->setAutoFillBackground(true);
        QPalette tp = table->palette();
        tp.setColor(QPalette::Window, QColor(77, 102, 153));
        table->setPalette(tp);
        lay->addWidget(table, 1);
        NoteMissing(QStringLiteral("контекст OpenGL (стол не может быть нарисован)"));
    }
    connect(DrawPanel, &TDrawPanel::Initialized, this, &TMainForm::FormCreateGL);
    connect(DrawPanel, &TDrawPanel::Painted, this, &TMainForm::PaintTable);
    connect(DrawPanel, &TDrawPanel::Resized, this, &TMainForm::FormResize);
    connect(DrawPanel, &TDrawPanel::Pressed, this, &TMainForm::DrawPanelMouseDown);
    connect(DrawPanel, &TDrawPanel::Moved, this, &TMainForm::DrawPanelMouseMove);
    connect(DrawPanel, &TDrawPanel::Released, this, &TMainForm::DrawPanelMouseUp);
    connect(DrawPanel, &TDrawPanel::Wheeled, this, &TMainForm::DrawPanelWheel);

    CreateToolbar();
    auto wire = [this](TMySpeedButton *b, void (TMainForm::*handler)()) {
        if (b)
            connect(b, &TMySpeedButton::clicked, this, handler);
    };
    wire(NewGameBtn, &TMainForm::NewGameBtnClick);
    wire(LoadBtn, &TMainForm::LoadBtnClick);
    wire(SaveBtn, &TMainForm::SaveBtnClick);
    wire(RoundPlaceBtn, &TMainForm::RoundPlaceBtnClick);
    wire(MusicBtn, &TMainForm::MusicBtnClick);
    wire(Eff3dBtn, &TMainForm::Eff3dBtnClick);
    wire(ShadowBtn, &TMainForm::ShadowBtnClick);
    wire(BgBtn, &TMainForm::BgBtnClick);
    wire(ChMusBtn, &TMainForm::ChMusBtnClick);
    CreateComforts();

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
    CreateViewShortcuts();
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
    DrawTimer.setInterval(1000);
    PlayerTimer.setInterval(1000);
    AniTimer.setInterval(50);
    connect(&ReSizeTimer, &QTimer::timeout, this, &TMainForm::ReSizeTimerTimer);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(&PlayerTimer, &QTimer::timeout, this, &TMainForm::PlayerTimerTimer);
    connect(&AniTimer, &QTimer::timeout, this, &TMainForm::AniTimerTimer);

    ReSizeTimer.start();
    ReadSettings();
    MusicList.clear();
    CreateSound();
    LoadBG();
    LoadMuz();
    board.SizeIndex = 1;
    board.Pieces.Clear();
    board.DrawOrder.clear();
    PlayerTimer.start();
    Timer1.start();
    board.FinishedTex = -1;
    board.TurnPiece = -1;
    board.TurnAngle = 0;
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
    InitGL();
    // Entry 0, the background slot, from the first overlay picture; the
    // background replaces its image right after.
    uint32_t slot = 0;
    if (il.Count() > 0 && !il.Items(0).Picture().IsEmpty())
        slot = TexFromPNG(TextureList, il.Items(0).Picture().Image, false, true);
    if (slot == 0)
        NewTexture(TextureList, false, true);
    SetBgBmp(StartBgFromFile, StartBgFileName);
    if (TextureList.empty())
        RegisterTexture(TextureList, 0);
    // Entries 1..OverlayCount: the overlays; a missing picture keeps its slot empty.
    for (int k = 0; k < OverlayCount; ++k) {
        uint32_t name = 0;
        if (k < il.Count() && !il.Items(k).Picture().IsEmpty())
            name = TexFromPicture(TextureList, board, il.Items(k).Picture(), false, false, false, true, false);
        if (name == 0)
            RegisterTexture(TextureList, 0);
    }
    // The first frames (before the resize timer's rebuild) already use the
    // table's projection.
    const qreal dpr = DrawPanel->devicePixelRatioF();
    SetupProjection(DrawPanel->width(), DrawPanel->height(), int(std::lround(DrawPanel->width() * dpr)),
                    int(std::lround(DrawPanel->height() * dpr)));
    FitViewToWindow();
    TableGLReady = true;
    InTableGLInit = false;
}

void TMainForm::InitGL() { InitGLState(); }

bool TMainForm::MakeTableCurrent()
{
    if (!DrawPanel)
        return false;
    if (InTableGLInit || DrawPanel->Painting())
        return true;
    if (!DrawPanel->isValid()) {
        // The context comes with the first paint of a shown table.
        if (DrawPanel->isVisible())
            DrawPanel->repaint();
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
        FitViewToWindow();
        PlaceLid();
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
    DrawTimer.stop();
    AniTimer.stop();
    ClearTextures(TextureList);
    if (Atlas)
        Atlas->Release(); // every piece's texture with it
    if (GL && board.FinishedTex > 0)
        GL->DeleteTexture(uint32_t(board.FinishedTex));
    board.FinishedTex = -1;
    board.Pieces.Clear();
    board.DrawOrder.clear();
    board.Groups.Clear();
    board.PictureBmp = QImage();
    board.PiecesVisible = false;
    board.ShowFinished = false;
    MusicList.clear();
}

void TMainForm::FormDestroy()
{
    ReSizeTimer.stop();
    Timer1.stop();
    Timer2.stop();
    DrawTimer.stop();
    PlayerTimer.stop();
    AniTimer.stop();
    // Textures still held (the window was never closed) go with the
    // context; then the context is let go on the widget's own terms.
    if (DrawPanel && DrawPanel->isValid()) {
        DrawPanel->makeCurrent();
        if (!TextureList.empty() || board.Pieces.Count() > 0)
            FormClose();
        DrawPanel->doneCurrent();
    }
    SetTextureContextHook(nullptr);
}

void TMainForm::PaintTable()
{
    // The table widget sets the viewport to its whole current size before
    // every paint, so the projection follows here too: a frame drawn
    // between a resize and the resize timer's rebuild (the pieces of a
    // game loaded at start-up are cut while the window is being fitted to
    // the screen) is neither stretched nor has its plates off-centre.
    const qreal dpr = DrawPanel->devicePixelRatioF();
    const int w = DrawPanel->width(), h = DrawPanel->height();
    SetupProjection(w, h, int(std::lround(w * dpr)), int(std::lround(h * dpr)));
    View.SetWindow(QSize(w, h));
    TTableView view;
    const QPointF corner = View.ToBoard(QPointF(0, 0));
    view.Left = corner.x();
    view.Top = corner.y();
    view.Zoom = View.Zoom();
    view.TableW = View.Table().width();
    view.TableH = View.Table().height();
    DrawFrame(board, TextureList, w, h, TimeLab ? TimeLab->text() : QString(), view,
              Atlas ? Atlas->Layout() : TAtlasLayout());
}

// One complete frame, painted and shown before returning.
void TMainForm::Draw()
{
    // Inside the table's own paint or its first set-up the frame follows
    // by itself; a nested repaint would recurse.
    if (DrawPanel && DrawPanel->isValid() && !DrawPanel->Painting() && !InTableGLInit)
        DrawPanel->repaint();
}

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
    KeepResume();
    FormClose();
    e->accept();
}

void TMainForm::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    FormResize();
}
