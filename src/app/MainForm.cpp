#include "app/MainForm.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QVBoxLayout>

#include "app/DrawPanel.h"
#include "board/GLTextures.h"
#include "persist/Sound.h"
#include "ui/MySpeedButton.h"

TMainForm::TMainForm(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Jigsy"));
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(45);
    lay->addWidget(Panel1);
    DrawPanel = new TDrawPanel(this, this);
    lay->addWidget(DrawPanel, 1);
    FormCreate();
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::SetDialogs(TBrowseFrm *browse, TNewGameFrm *newGame, TBGChangeFrm *bgChange)
{
    BrowseFrm = browse;
    NewGameFrm = newGame;
    BGChangeFrm = bgChange;
}

void TMainForm::FormCreate() {}
void TMainForm::InitGL() {}
void TMainForm::ReSizeTimerTimer() {}
void TMainForm::FormResize() {}
void TMainForm::FormClose() {}
void TMainForm::FormDestroy() {}
void TMainForm::Draw() {}

void TMainForm::ShowMessage(const QString &text)
{
    QMessageBox::information(this, QStringLiteral("Jigsy"), text);
}

void TMainForm::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TMainForm::resizeEvent(QResizeEvent *e) { QWidget::resizeEvent(e); }
