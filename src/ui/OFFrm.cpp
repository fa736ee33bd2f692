#include "ui/OFFrm.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

TOFFrm::TOFFrm(QWidget *parent, bool withFiles) : QDialog(parent)
{
    setObjectName(QStringLiteral("OFFrm"));
    setWindowTitle(QStringLiteral("OpenFolder"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    Label1 = new QLabel(QStringLiteral("Щелкни по нужной папке и нажми ОК"), this);
    Label1->setWordWrap(true);

    Edit1 = new QLineEdit(this);
    Edit1->setAccessibleName(QStringLiteral("Папка"));
    Edit1->setAccessibleDescription(QStringLiteral("Путь к выбранной папке"));
    Edit1->installEventFilter(this);

    m_model = new QFileSystemModel(this);
    QDir::Filters filters = QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Drives;
    if (withFiles)
        filters |= QDir::Files | QDir::System;
    m_model->setFilter(filters);
    m_model->setRootPath(QStringLiteral("/"));

    ShellTreeView1 = new QTreeView(this);
    ShellTreeView1->setAccessibleName(QStringLiteral("Папки"));
    ShellTreeView1->setAccessibleDescription(QStringLiteral("Дерево папок: выберите нужную"));
    ShellTreeView1->setModel(m_model);
    ShellTreeView1->setHeaderHidden(true);
    for (int c = 1; c < m_model->columnCount(); ++c)
        ShellTreeView1->hideColumn(c);
    ShellTreeView1->setIndentation(19);
    ShellTreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ShellTreeView1->setContextMenuPolicy(Qt::PreventContextMenu);

    SpeedButton1 = new QPushButton(QStringLiteral("Создать папку"), this);
    SpeedButton2 = new QPushButton(QStringLiteral("OK"), this);
    SpeedButton3 = new QPushButton(QStringLiteral("Отмена"), this);
    for (QPushButton *b : {SpeedButton1, SpeedButton2, SpeedButton3}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }

    connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShellTreeView1Change(); });
    connect(ShellTreeView1, &QTreeView::pressed, this, [this](const QModelIndex &idx) {
        // a right click selects the node under the cursor too
        ShellTreeView1->setCurrentIndex(idx);
    });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(SpeedButton3, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
    LayOut();
}

void TOFFrm::SetTitle(const QString &title)
{
    Label1->setText(title);
    LayOut();
}

// The designed window is 288 x 335 with a one-line prompt; each further
// line of the prompt adds its height above the edit box.
void TOFFrm::LayOut()
{
    const int oneLine = 18;
    const int textHeight = Label1->heightForWidth(280);
    const int extra = qMax(0, textHeight - oneLine);
    Label1->setGeometry(4, 4, 280, oneLine + extra);
    Edit1->setGeometry(5, 24 + extra, 280, 21);
    ShellTreeView1->setGeometry(5, 48 + extra, 280, 256);
    SpeedButton1->setGeometry(7, 308 + extra, 95, 25);
    SpeedButton2->setGeometry(136, 308 + extra, 73, 25);
    SpeedButton3->setGeometry(212, 308 + extra, 73, 25);
    setFixedSize(288, 335 + extra);
}

bool TOFFrm::SelectPath(const QString &path)
{
    const QModelIndex idx = m_model->index(QDir::cleanPath(path));
    if (!idx.isValid())
        return false;
    for (QModelIndex p = idx.parent(); p.isValid(); p = p.parent())
        ShellTreeView1->expand(p);
    ShellTreeView1->setCurrentIndex(idx);
    ShellTreeView1->scrollTo(idx);
    return true;
}

QString TOFFrm::SelectedPath() const
{
    const QModelIndex idx = ShellTreeView1->currentIndex();
    return idx.isValid() ? m_model->filePath(idx) : QString();
}

void TOFFrm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TOFFrm::FormShow()
{
    if (!OpenAt.isEmpty() && QFileInfo(OpenAt).isDir() && SelectPath(OpenAt))
        return;
    // Nothing to open at: the player's home folder, opened.
    if (SelectPath(QDir::homePath()))
        ShellTreeView1->expand(ShellTreeView1->currentIndex());
}

void TOFFrm::ShellTreeView1Change() { Edit1->setText(SelectedPath()); }

void TOFFrm::Edit1Change() { SpeedButton1->setEnabled(QFileInfo(Edit1->text()).isDir()); }

bool TOFFrm::eventFilter(QObject *obj, QEvent *e)
{
    if (obj == Edit1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QString text = Edit1->text();
            if (!text.isEmpty() && QFileInfo(text).isDir())
                SelectPath(text);
            return true; // no default button, no closing
        }
    }
    return QDialog::eventFilter(obj, e);
}

void TOFFrm::SpeedButton1Click()
{
    const QModelIndex parent = ShellTreeView1->currentIndex();
    if (!parent.isValid())
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Введите наименование папки"), QString(),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok || name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        return;
    const QModelIndex made = m_model->mkdir(parent, name);
    if (made.isValid())
        SelectPath(m_model->filePath(made));
}

void TOFFrm::SpeedButton2Click() { done(1); }

void TOFFrm::SpeedButton3Click() { done(7); }
