#include "ui/NewGameFrm.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "board/Board.h"
#include "ui/Glyphs.h"
#include "ui/MySpeedButton.h"

namespace {

QFont SerifBold(int pixels)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

void SetTextColor(QWidget *w, QPalette::ColorRole role, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(role, c);
    w->setPalette(pal);
}

} // namespace

TNewGameFrm::TNewGameFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewGameFrm"));
    setWindowTitle(QStringLiteral("Новая игра"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // The row of big cuts sits between the check box and "Отмена".
    const int rowTop = 205, rowHeight = 44, rowStep = rowHeight + 8;
    setFixedSize(314, 261 + rowStep);

    Label1 = new QLabel(QStringLiteral("Выбери размер вилоры"), this);
    Label1->setGeometry(27, 9, 261, 25);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(SerifBold(19));
    SetTextColor(Label1, QPalette::WindowText, QColor(0, 108, 0));

    MySpeedButton1 = new TMySpeedButton(this);
    MySpeedButton1->setGeometry(17, 36, 134, 126);
    MySpeedButton2 = new TMySpeedButton(this);
    MySpeedButton2->setGeometry(163, 37, 134, 126);
    // The classic cuts show their counts under their pictures, as the big
    // cuts show theirs.
    const std::pair<TMySpeedButton *, const char *> classic[] = {{MySpeedButton1, "newgame_big"},
                                                                 {MySpeedButton2, "newgame_small"}};
    for (int k = 0; k < 2; ++k) {
        TMySpeedButton *b = classic[k].first;
        const TCutInfo &cut = CutTable[1 + k];
        const QImage glyph = GlyphImage(classic[k].second);
        b->setGlyph(glyph.isNull() ? glyph : glyph.scaled(84, 84, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        b->setLayout(blGlyphTop);
        b->setMargin(4);
        b->setSpacing(2);
        b->setCaption(QString::number(PieceCount(cut)));
        b->setToolTip(QStringLiteral("Вилора %1 x %2").arg(cut.Cols).arg(cut.Rows));
        b->setFont(SerifBold(19));
        SetTextColor(b, QPalette::ButtonText, QColor(0, 108, 0));
    }

    CheckBox1 = new QCheckBox(QStringLiteral("Вращение вилоры "), this);
    CheckBox1->setGeometry(16, 176, 293, 22);
    CheckBox1->setFont(SerifBold(19));
    SetTextColor(CheckBox1, QPalette::WindowText, QColor(0, 91, 91));
    CheckBox1->setChecked(true);

    const int firstBig = FirstBigCut, count = int(BigCutButtons.size());
    const int width = 66, gap = (279 - count * width) / (count - 1);
    for (int k = 0; k < int(BigCutButtons.size()); ++k) {
        const TCutInfo &cut = CutTable[firstBig + k];
        auto *b = new TMySpeedButton(this);
        b->setGeometry(17 + k * (width + gap), rowTop, width, rowHeight);
        b->setCaption(QString::number(PieceCount(cut)));
        b->setToolTip(QStringLiteral("Вилора %1 x %2").arg(cut.Cols).arg(cut.Rows));
        b->setFont(SerifBold(19));
        SetTextColor(b, QPalette::ButtonText, QColor(0, 108, 0));
        connect(b, &TMySpeedButton::clicked, this, [this, firstBig, k] { done(2 + firstBig + k); });
        BigCutButtons[size_t(k)] = b;
    }

    SpeedButton1 = new QPushButton(QStringLiteral("Отмена"), this);
    SpeedButton1->setGeometry(17, rowTop + rowStep, 279, 46);
    SpeedButton1->setFont(SerifBold(16));
    SetTextColor(SpeedButton1, QPalette::ButtonText, QColor(0, 0, 128));
    SpeedButton1->setAutoDefault(false);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);

    connect(MySpeedButton1, &TMySpeedButton::clicked, this, [this] { MySpeedButton1Click(); });
    connect(MySpeedButton2, &TMySpeedButton::clicked, this, [this] { MySpeedButton2Click(); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
}

void TNewGameFrm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Centred on the main window (the owner), or on the screen without one.
    if (QWidget *owner = parentWidget()) {
        const QRect g = owner->window()->frameGeometry();
        move(g.center() - rect().center());
    }
}

void TNewGameFrm::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TNewGameFrm::done(int result)
{
    const int sizeIndex = result - 2;
    if (ValidSizeIndex(sizeIndex) && CutShown && !CutShown(sizeIndex)) {
        QMessageBox::information(this, QStringLiteral("Jigsy"),
                                 QStringLiteral("Видеокарта не может показать столько вилор, выбери размер поменьше!"));
        return;
    }
    QDialog::done(result);
}
