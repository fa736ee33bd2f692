#include "ui/BGChangeFrm.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "persist/Background.h"
#include "picture/MyImageList.h"

namespace {

// Hands every cell to the dialog's own drawing; nothing is drawn by default.
class TCellDelegate : public QStyledItemDelegate {
public:
    explicit TCellDelegate(TBGChangeFrm *form) : QStyledItemDelegate(form), m_form(form) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        m_form->gridDrawCell(*painter, index.column(), index.row(), option.rect);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return QSize(BgCellSize, BgCellSize);
    }

private:
    TBGChangeFrm *m_form;
};

} // namespace

TBGChangeFrm::TBGChangeFrm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Выбери фон стола"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(624, 631);

    SpeedButton1 = new QPushButton(QStringLiteral("Выбрать из файла"), this);
    SpeedButton1->setGeometry(2, 2, 138, 26);
    SpeedButton1->setAutoDefault(false);
    connect(SpeedButton1, &QPushButton::clicked, this, &TBGChangeFrm::SpeedButton1Click);

    grid = new QTableWidget(this);
    grid->setAccessibleName(QStringLiteral("Фоны стола"));
    grid->setAccessibleDescription(QStringLiteral("Выберите фон стола щелчком"));
    grid->setGeometry(0, 31, 624, 600);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setColumnCount(BgGridCols);
    grid->setRowCount(1);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    for (QHeaderView *h : {grid->horizontalHeader(), grid->verticalHeader()}) {
        h->setMinimumSectionSize(1);
        h->setDefaultSectionSize(BgCellSize);
        h->setSectionResizeMode(QHeaderView::Fixed);
    }
    grid->setShowGrid(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setItemDelegate(new TCellDelegate(this));
    grid->viewport()->setCursor(Qt::PointingHandCursor);
    QPalette pal = grid->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white);
    grid->setPalette(pal);
    grid->setAutoFillBackground(true);

    connect(grid, &QTableWidget::currentCellChanged, this, [this](int row, int col, int prevRow, int prevCol) {
        if (row < 0 || gridSelectCell(col, row))
            return;
        const QSignalBlocker block(grid);
        grid->setCurrentCell(prevRow, prevCol);
    });
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int col) { gridDblClick(col, row); });

    Timer1.setInterval(200);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TBGChangeFrm::Timer1Timer);
}

int TBGChangeFrm::BackgroundCount() const { return m_bg ? m_bg->Count() : 0; }

void TBGChangeFrm::showEvent(QShowEvent *e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TBGChangeFrm::FormShow()
{
    const int count = BackgroundCount();
    const int rows = BackgroundGridRows(count);
    {
        const QSignalBlocker block(grid);
        grid->clearSelection();
        grid->setRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < BgGridCols; ++c) {
                // Only a cell with a background can be selected or clicked.
                auto *item = new QTableWidgetItem;
                item->setFlags(BackgroundCellIndex(c, r, count) >= 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                                                      : Qt::NoItemFlags);
                grid->setItem(r, c, item);
            }
    }
    Timer1.start();
    FromFile = false;
}

void TBGChangeFrm::Timer1Timer()
{
    Timer1.stop();
    grid->viewport()->update();
}

void TBGChangeFrm::gridDrawCell(QPainter &painter, int col, int row, const QRect &rect) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, Qt::white);
    painter.setPen(QPen(QColor(0, 128, 0), 1));
    painter.setBrush(Qt::white);
    // The frame runs from one pixel inside the cell to two inside its far edges.
    painter.drawRect(rect.left() + 1, rect.top() + 1, rect.width() - 3, rect.height() - 3);

    const int n = BackgroundCellIndex(col, row, BackgroundCount());
    if (n < 0)
        return;
    const QImage pic = m_bg->Items(n).Picture().Image;
    if (pic.isNull())
        return;
    const QRect target = FitBackgroundCell(rect, pic.width(), pic.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, pic);
}

bool TBGChangeFrm::gridSelectCell(int col, int row)
{
    if (BackgroundCellIndex(col, row, BackgroundCount()) < 0)
        return false;
    FromFile = false;
    BgFile.clear();
    return true;
}

void TBGChangeFrm::gridDblClick(int col, int row)
{
    const int n = BackgroundCellIndex(col, row, BackgroundCount());
    if (n < 0)
        return;
    FromFile = false;
    BgFile.clear();
    ChosenIndex = uint8_t(n);
    accept();
}

void TBGChangeFrm::SpeedButton1Click()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), PictureFileFilter());
    if (path.isEmpty())
        return;
    FromFile = true;
    BgFile = path;
    accept();
}
