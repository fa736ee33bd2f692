// The window for every player: the settings window and its toolbar button,
// the keys (F1), the interface's scale, the names screen readers say, and
// the hint of where to begin.
#include <QKeyEvent>
#include <QLabel>
#include <initializer_list>
#include <QPushButton>

#include <climits>

#include "app/DrawPanel.h"
#include "app/MainForm.h"
#include "ui/AccessText.h"
#include "ui/BGChangeFrm.h"
#include "ui/BrowseFrm.h"
#include "ui/FirstSteps.h"
#include "ui/InterfaceScale.h"
#include "ui/KeysFrm.h"
#include "ui/MySpeedButton.h"
#include "ui/NewGameFrm.h"
#include "ui/PlayToolbar.h"
#include "ui/RecordsFrm.h"
#include "ui/SettingsFrm.h"

namespace {

QString MotionLabel(int motion)
{
    switch (TMotion(motion)) {
    case TMotion::Full: return QStringLiteral("полная");
    case TMotion::Less: return QStringLiteral("меньше");
    case TMotion::None: return QStringLiteral("нет");
    }
    return {};
}

std::vector<std::pair<int, QString>> Choices(TLevel which, QString (*label)(int))
{
    std::vector<std::pair<int, QString>> out;
    for (int v : LevelValues(which))
        out.emplace_back(v, label(v));
    return out;
}

QString PercentLabel(int percent) { return QStringLiteral("%1%").arg(percent); }

// The ghost's strengths, "нет" first.
std::vector<std::pair<int, QString>> GhostChoices()
{
    std::vector<std::pair<int, QString>> out;
    for (int v = 0; v <= 100; ++v)
        if (GhostStrength(v) == v)
            out.emplace_back(v, v == 0 ? QStringLiteral("нет") : PercentLabel(v));
    return out;
}

} // namespace

void TMainForm::CreateSettings()
{
    SettingsBtn = MakeToolbarButton(Panel1, SettingsButton);
    connect(SettingsBtn, &TMySpeedButton::clicked, this, &TMainForm::SettingsBtnClick);
    SettingsFrm = new TSettingsFrm(this);
    KeysFrm = new TKeysFrm(this);
    connect(SettingsFrm->KeysButton, &QPushButton::clicked, this, &TMainForm::ShowKeys);
    if (DrawPanel && DrawPanel->parentWidget())
        FirstSteps = new TFirstSteps(DrawPanel);

    // One row a setting: what it says, how it reads, how it changes.
    SettingsFrm->AddSwitch(
        {QStringLiteral("Перетаскивание щелчком"),
         QStringLiteral("Один щелчок берёт деталь, она идёт за указателем, следующий щелчок кладёт её")},
        [this] { return Game->Switches().ClickToPick; },
        [this](bool on) { Act(Game->SetSwitch(TSwitch::ClickToPick, on)); });
    SettingsFrm->AddChoice({QStringLiteral("Анимация"),
                            QStringLiteral("Меньше или нет: повороты и исчезновение деталей в конце сразу, "
                                           "ничего не мигает")},
                           Choices(TLevel::Motion, MotionLabel), [this] { return int(Game->Switches().Motion); },
                           [this](int v) { Act(Game->SetLevel(TLevel::Motion, v)); });
    SettingsFrm->AddChoice({QStringLiteral("Размер интерфейса"),
                            QStringLiteral("Размер панели кнопок, окон, картинки с крышки и цифр")},
                           Choices(TLevel::UiScale, PercentLabel), [this] { return Game->Switches().UiScale; },
                           [this](int v) { Act(Game->SetLevel(TLevel::UiScale, v)); });
    SettingsFrm->AddRange({QStringLiteral("Точность стыковки"),
                           QStringLiteral("На сколько точек экрана деталь может лечь мимо места и всё же пристыковаться")},
                          JoinPxWithin(INT_MIN), JoinPxWithin(INT_MAX), [this] { return Game->Switches().JoinPx; },
                          [this](int v) { Act(Game->SetJoinPx(v)); });
    SettingsFrm->AddChoice({QStringLiteral("Картинка на месте сборки"),
                            QStringLiteral("Бледная картинка там, где собирается головоломка")},
                           GhostChoices(), [this] { return Game->Switches().GhostPercent; },
                           [this](int v) { Act(Game->SetGhost(v)); });

    // A large interface on a small screen cuts the labels short rather
    // than push the window past the screen's edge.
    for (QLabel *lab : {TimeLab, ProgressLab})
        lab->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Panel1->setSizePolicy(QSizePolicy::Ignored, Panel1->sizePolicy().verticalPolicy());
    DrawPanel->setAccessibleName(QStringLiteral("Стол"));
    DrawPanel->setAccessibleDescription(
        QStringLiteral("Стол с деталями: стрелки двигают руку, пробел берёт и кладёт деталь, F1 — все клавиши"));
    ProgressLab->setAccessibleDescription(QStringLiteral("Сколько деталей соединено из всех"));
    TimeLab->setAccessibleDescription(QStringLiteral("Время игры"));
}

void TMainForm::SettingsBtnClick() { SettingsFrm->exec(); }

void TMainForm::ShowKeys() { KeysFrm->exec(); }

// Tab and Shift+Tab belong to the table's hand, not to focus.
bool TMainForm::focusNextPrevChild(bool) { return false; }

void TMainForm::ShowAccess()
{
    const int scale = Game->Switches().UiScale;
    if (FirstSteps)
        FirstSteps->Place(Game->FirstStepsShown(), scale / 100.0);
    if (scale == AppliedScale)
        return;
    AppliedScale = scale;
    const double s = scale / 100.0;
    ApplyInterfaceScale(Panel1, s);
    for (QWidget *w : std::initializer_list<QWidget *>{BrowseFrm, NewGameFrm, BGChangeFrm, RecordsFrm, SettingsFrm,
                                                       KeysFrm})
        ApplyInterfaceScale(w, s);
    // Every dialog, made now or before, says what its controls are.
    DescribeForAccess(this);
    for (QWidget *w : std::initializer_list<QWidget *>{BrowseFrm, NewGameFrm, BGChangeFrm})
        DescribeForAccess(w);
}

void TMainForm::ScaleDialogs()
{
    AppliedScale = 0; // the next ShowAccess takes in the dialogs made since
    ShowAccess();
}

THandMark TMainForm::HandMark() const
{
    THandMark m;
    m.Shown = Game->HandShown() && Game->board().PiecesVisible;
    if (!m.Shown)
        return m;
    const play::TView &v = Game->View();
    const QPointF at = v.ToWindow(QPointF(Game->Hand()));
    const TCutInfo &cut = Game->board().Cut();
    m.X = float(at.x());
    m.Y = float(at.y());
    m.Side = float((cut.CellSize - cut.Margin) * v.Zoom());
    m.Holding = Game->HandHolding();
    return m;
}
