#include "ui/BrowseFrm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "base/ProgramFiles.h"
#include "persist/Settings.h"
#include "ui/DrawGrid.h"
#include "ui/Glyphs.h"
#include "ui/MySpeedButton.h"
#include "ui/OpenFolder.h"
#include "persist/ThumbCache.h"
#include "ui/Thumbnail.h"

namespace {

constexpr int CellWidth = 250;
constexpr int CellHeight = 180;
constexpr int ThumbInset = 3; // thumbnail corner inside its cell


QString InstalledFolder() { return ProgramFile(QStringLiteral("img")); }

QFont SerifBold(int pixels)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

} // namespace

TBrowseFrm::TBrowseFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BrowseFrm"));
    setWindowTitle(QStringLiteral("BrowseFrm"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    resize(1035, 586);

    SpeedButton1 = new QPushButton(QStringLiteral("Начать игру"), this);
    SpeedButton1->setGeometry(3, 2, 131, 54);
    SpeedButton1->setFont(SerifBold(19));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setAutoDefault(false);
    {
        QPalette pal = SpeedButton1->palette();
        pal.setColor(QPalette::ButtonText, QColor(0, 0, 128));
        SpeedButton1->setPalette(pal);
    }

    MySpeedButton1 = new TMySpeedButton(this);
    MySpeedButton1->setGeometry(142, 2, 54, 54);
    MySpeedButton1->setMargin(1);
    MySpeedButton1->setGlyph(GlyphImage("browse_installed"));
    MySpeedButton1->setToolTip(QStringLiteral("Загрузка установленных изображений"));

    MySpeedButton2 = new TMySpeedButton(this);
    MySpeedButton2->setGeometry(199, 2, 54, 54);
    MySpeedButton2->setMargin(1);
    MySpeedButton2->setGlyph(GlyphImage("browse_folder"));
    MySpeedButton2->setToolTip(QStringLiteral("Загрузка изображений из папки"));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(264, 5, 295, 48);
    Label1 = new QLabel(GroupBox1);
    Label1->setGeometry(9, 0, 280, 24);
    Label1->setFont(SerifBold(15));
    {
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::WindowText, QColor(128, 0, 0));
        Label1->setPalette(pal);
    }
    ProgressBar1 = new QProgressBar(GroupBox1);
    ProgressBar1->setAccessibleName(QStringLiteral("Загрузка эскизов"));
    ProgressBar1->setGeometry(9, 27, 275, 16);
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Grid = new TDrawGrid(this);
    Grid->setAccessibleName(QStringLiteral("Картинки"));
    Grid->setAccessibleDescription(QStringLiteral("Выберите картинку для новой игры щелчком"));
    Grid->SetCellSize(CellWidth, CellHeight);
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->setGeometry(1, 58, width() - 5, height() - 58);

    OpenFolder1 = new TOpenFolder(this);
    OpenFolder1->DialogParent = this;
    OpenFolder1->WithFiles = false;

    Timer1.setInterval(200);
    ShowTimer.setInterval(400);

    connect(Grid, &TDrawGrid::drawCell, this,
            [this](QPainter *p, int c, int r, const QRect &rect) { GridDrawCell(p, c, r, rect); });
    connect(Grid, &TDrawGrid::selectCell, this,
            [this](int c, int r, bool &can) { GridSelectCell(c, r, can); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(MySpeedButton1, &TMySpeedButton::clicked, this, [this] { MySpeedButton1Click(); });
    connect(MySpeedButton2, &TMySpeedButton::clicked, this, [this] { MySpeedButton2Click(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(&ShowTimer, &QTimer::timeout, this, [this] { ShowTimerTimer(); });
    connect(&m_queue, &TThumbQueue::Made, this,
            [this](int i, const QImage &thumb, bool ok) { ThumbMade(i, thumb, ok); });
    connect(&m_queue, &TThumbQueue::Finished, this, [this] { FinishRebuild(); });

    FormCreate();
}

TBrowseFrm::~TBrowseFrm() = default;

// ---------------------------------------------------------------- showing

void TBrowseFrm::FormCreate()
{
    LastPath = TSettingsFile().ReadLastPath();
}

void TBrowseFrm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TBrowseFrm::FormShow() { ShowTimer.start(); }

void TBrowseFrm::ShowTimerTimer()
{
    ShowTimer.stop();
    if (!isVisible()) // closed meanwhile: the next showing loads
        return;
    if (il.Count() == 0) {
        LoadCache();
    } else if (m_resumeFrom >= 0 && !m_rebuilding) {
        // The rebuild the last closing stopped goes on.
        m_rebuilding = true;
        m_queue.Start(FileList, m_resumeFrom);
        m_resumeFrom = -1;
    }
}

void TBrowseFrm::ShowMessage(const QString &text)
{
    QMessageBox::information(this, QStringLiteral("Jigsy"), text);
}

void TBrowseFrm::SetProgressMax(int max)
{
    // A bar with maximum = minimum would show a busy animation instead.
    ProgressBar1->setMaximum(std::max(1, max));
}

void TBrowseFrm::SetProgress(int pos) { ProgressBar1->setValue(std::clamp(pos, 0, ProgressBar1->maximum())); }

void TBrowseFrm::LayOutGrid(int columns, int count)
{
    columns = std::max(1, columns);
    int rows = count / columns;
    if (columns * rows < count)
        ++rows;
    Grid->SetColCount(columns);
    Grid->SetRowCount(std::max(1, rows));
}

// ------------------------------------------------------------- the cache

void TBrowseFrm::LoadCache()
{
    const QString cacheDir = CacheDir();
    const QString listPath = CacheListPath(cacheDir);
    const bool haveImg = QFileInfo(InstalledFolder()).isDir();
    // A link or a folder not ours counts as no cache: it is neither read nor emptied.
    if (InspectCacheFolder(cacheDir) != TCacheFolder::Ours || !QFileInfo(listPath).isFile()) {
        if (haveImg)
            LoadSelfImg();
        return;
    }
    const QStringList lines = ReadCacheList(listPath);
    if (lines.isEmpty()) {
        if (haveImg)
            LoadSelfImg();
        return;
    }
    Label1->setText(QStringLiteral("Загрузка из кэша..."));
    SetProgressMax(int(lines.size()));
    SetProgress(0);
    const std::vector<TCacheEntry> entries = RestoreCache(lines, cacheDir, [this](int n) {
        SetProgress(n);
        ProgressBar1->repaint();
    });
    for (const TCacheEntry &e : entries) {
        TMyImageListItem &item = il.Add();
        item.Caption = e.Path;
        item.SetPicture(TPicture::FromImage(e.Thumb, TPicture::Bitmap));
        item.SetTransparentColor(QColor(255, 255, 255));
        item.SetTransparent(true);
    }
    SetProgress(int(lines.size()));
    LayOutGrid(Grid->width() / CellWidth, int(entries.size()));
    Grid->viewport()->update();
    Label1->setText(QStringLiteral("Эскизы восстановлены из кэша."));

    const QString first = lines.first();
    const QString folder = first.left(first.lastIndexOf(QLatin1Char('/')) + 1);
    if (folder == InstalledFolder() + QLatin1Char('/'))
        SelfImg = true;
}

// ----------------------------------------------------------- the rebuilds

void TBrowseFrm::LoadSelfImg()
{
    const QString imgDir = InstalledFolder();
    if (!QFileInfo(imgDir).isDir()) {
        ShowMessage(QStringLiteral("Не удалось загрузить картинки! Отсутствует папка с файлами."));
        return;
    }
    SelfImg = true;
    // The list being built, if any, gives way before the cache is cleared.
    StopRebuild();
    m_resumeFrom = -1;
    m_cacheDir = CacheDir();
    Label1->setText(QStringLiteral("Очистка кэша"));
    const TCacheFolder cache = InspectCacheFolder(m_cacheDir);
    const bool cacheReady = PrepareCacheFolder(m_cacheDir);
    Label1->setText(QStringLiteral("Внимание! Загрузка эскизов..."));
    QCoreApplication::processEvents();
    // A list chosen while the label was painted gives way to this one.
    StopRebuild();
    QStringList files;
    ListInstalled(imgDir, files);
    FileList = files;
    if (FileList.isEmpty()) {
        ShowMessage(QStringLiteral("Не удалось загрузить картинки! Отсутствуют файлы."));
        return;
    }
    StartRebuild(int(FileList.size()));
    RunThumbnailLoop(cache, cacheReady);
}

void TBrowseFrm::LoadImg(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    QStringList files;
    SearchFiles(folder, files);
    // A folder without pictures leaves the grid, what it shows and a
    // rebuild going on as they were.
    if (files.isEmpty())
        return;
    StopRebuild();
    m_resumeFrom = -1;
    FileList = files;
    SelfImg = false;
    il.Clear();
    m_cacheDir = CacheDir();
    Label1->setText(QStringLiteral("Очистка кэша"));
    const TCacheFolder cache = InspectCacheFolder(m_cacheDir);
    const bool cacheReady = PrepareCacheFolder(m_cacheDir);
    Label1->setText(QStringLiteral("Внимание! Загрузка эскизов..."));
    StartRebuild(int(FileList.size()));
    RunThumbnailLoop(cache, cacheReady);
}

void TBrowseFrm::StartRebuild(int count)
{
    SetProgress(0);
    SetProgressMax(count - 1);
    il.Clear();
    for (int i = 0; i < count; ++i) {
        TMyImageListItem &item = il.Add();
        // No effect on an empty picture: fresh thumbnails are drawn opaque.
        item.SetTransparentColor(QColor(255, 255, 255));
        item.SetTransparent(true);
    }
    Grid->SetTopRow(0);
    LayOutGrid(Grid->width() / CellWidth, count);
    Grid->viewport()->update();
}

QString TBrowseFrm::CacheWriteErrorText(const QString &cacheDir)
{
    return QStringLiteral("Не удалось записать эскизы в папку кэша «%1». "
                          "Картинки показаны, и их можно выбирать, но кэш не обновлён.")
        .arg(QDir::toNativeSeparators(cacheDir));
}

QString TBrowseFrm::CacheForeignText(const QString &cacheDir)
{
    return QStringLiteral("«%1» — не папка кэша игры, а ссылка, файл или чужая папка: "
                          "эскизы в неё не записываются, и в ней ничего не удалено. "
                          "Картинки показаны, и их можно выбирать.")
        .arg(QDir::toNativeSeparators(cacheDir));
}

void TBrowseFrm::RunThumbnailLoop(TCacheFolder cache, bool cacheReady)
{
    m_rebuilding = true;
    m_cacheOk = cacheReady;
    m_cacheForeign = cache == TCacheFolder::Foreign;
    m_queue.Start(FileList);
}

void TBrowseFrm::ThumbMade(int index, const QImage &thumb, bool ok)
{
    QImage tile = thumb;
    if (!ok) {
        // Text is drawn here, on the GUI thread, with the window's fonts.
        tile = QImage(ThumbWidth, ThumbHeight, QImage::Format_RGB32);
        DrawErrorTile(tile);
    }
    GetEskiz(index, tile, FileList.at(index));
    if (m_cacheOk && !SaveThumb(tile, ThumbPath(m_cacheDir, index)))
        m_cacheOk = false;
}

void TBrowseFrm::FinishRebuild()
{
    m_rebuilding = false;
    const bool cacheOk = m_cacheOk && WriteCacheList(CacheListPath(m_cacheDir), FileList);
    if (!cacheOk && !m_cacheForeign) {
        // A half-written cache must not name thumbnails of another list.
        QFile::remove(CacheListPath(m_cacheDir));
    }
    FileList.clear();
    if (!cacheOk)
        ShowMessage(m_cacheForeign ? CacheForeignText(m_cacheDir) : CacheWriteErrorText(m_cacheDir));
}

void TBrowseFrm::StopRebuild()
{
    if (!m_rebuilding)
        return;
    m_queue.Cancel();
    m_rebuilding = false;
}

void TBrowseFrm::done(int r)
{
    // The rest of the list waits for the next showing; the list is written
    // now, so a run that ends here still finds the thumbnails made so far.
    if (m_rebuilding) {
        m_resumeFrom = m_queue.Next();
        StopRebuild();
        if (m_cacheOk && !WriteCacheList(CacheListPath(m_cacheDir), FileList))
            m_cacheOk = false;
    }
    QDialog::done(r);
}

void TBrowseFrm::GetEskiz(int index, const QImage &thumb, const QString &fileName)
{
    if (index < 0 || index >= il.Count())
        return;
    TMyImageListItem &item = il.Items(index);
    item.SetPicture(TPicture::FromImage(thumb.copy(), TPicture::Bitmap));
    SetProgress(index);
    item.Caption = fileName;
    const int columns = std::max(1, Grid->ColCount());
    const int row = index / columns;
    if (Grid->TopRow() <= row && row <= Grid->TopRow() + VisibleRows)
        Grid->RepaintCell(index % columns, row);
}

// ------------------------------------------------------------------ grid

void TBrowseFrm::GridDrawCell(QPainter *p, int col, int row, const QRect &rect)
{
    p->fillRect(rect, Grid->viewport()->palette().brush(QPalette::Base));
    if (col == Grid->Col() && row == Grid->Row()) {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(QPen(Qt::black, 2));
        p->setBrush(Qt::NoBrush);
        p->drawRoundedRect(QRectF(rect.left() + 1, rect.top() + 1, rect.width() - 2, rect.height() - 2), 2, 2);
        p->restore();
    }
    const int index = row * Grid->ColCount() + col;
    if (index < il.Count()) {
        const TMyImageListItem &item = il.Items(index);
        if (!item.Picture().IsEmpty())
            p->drawImage(rect.left() + ThumbInset, rect.top() + ThumbInset, item.Drawable());
    }
}

void TBrowseFrm::GridSelectCell(int col, int row, bool &canSelect)
{
    const int index = col + row * Grid->ColCount();
    if (index > il.Count() - 1) {
        canSelect = false;
        return;
    }
    ChosenFile = il.Items(index).Caption;
}

// --------------------------------------------------------------- buttons

void TBrowseFrm::SpeedButton1Click()
{
    if (!ChosenFile.isEmpty())
        done(1);
    else
        ShowMessage(QStringLiteral("Чтобы выбрать картинку просто щелкни на ней мышкой!"));
}

void TBrowseFrm::MySpeedButton1Click() { LoadSelfImg(); }

void TBrowseFrm::MySpeedButton2Click()
{
    if (!OpenFolder1->SelectFolder(QStringLiteral("Выберите папку с картинками или фотографиями!"), LastPath))
        return;
    LastPath = OpenFolder1->Folder;
    QString error;
    if (!TSettingsFile().WriteLastPath(LastPath, &error))
        ShowMessage(error);
    LoadImg(OpenFolder1->Folder);
}

// ---------------------------------------------------------------- resize

void TBrowseFrm::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    // The grid is anchored to all four sides.
    Grid->setGeometry(1, 58, std::max(1, width() - 5), std::max(1, height() - 58));
    FormResize();
}

void TBrowseFrm::FormResize()
{
    VisibleRows = Grid->height() / CellHeight + 1;
    if (!Timer1.isActive())
        Timer1.start();
}

void TBrowseFrm::Timer1Timer()
{
    Timer1.stop();
    LayOutGrid((Grid->width() - 20) / CellWidth, il.Count());
    Grid->viewport()->update();
}
