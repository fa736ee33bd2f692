#include "ui/AccessText.h"

#include <QAbstractButton>
#include <QHash>
#include <QWidget>

#include "ui/MySpeedButton.h"

namespace {

// What each toolbar button does, said in a sentence.
const QHash<QString, QString> &Descriptions()
{
    static const QHash<QString, QString> d = {
        {QStringLiteral("NewGameBtn"), QStringLiteral("Выбрать картинку и размер вилоры и начать новую игру")},
        {QStringLiteral("LoadBtn"), QStringLiteral("Открыть сохранённую игру")},
        {QStringLiteral("SaveBtn"), QStringLiteral("Сохранить игру на столе в файл")},
        {QStringLiteral("RoundPlaceBtn"),
         QStringLiteral("Переключатель: новая игра раскладывает детали по краям стола")},
        {QStringLiteral("MusicBtn"), QStringLiteral("Переключатель: музыка во время игры")},
        {QStringLiteral("Eff3dBtn"), QStringLiteral("Переключатель: объёмные детали со следующей игры")},
        {QStringLiteral("ShadowBtn"), QStringLiteral("Переключатель: тени деталей, у той, которую несут, — сильнее")},
        {QStringLiteral("BgBtn"), QStringLiteral("Выбрать фон стола")},
        {QStringLiteral("ChMusBtn"), QStringLiteral("Поставить другую мелодию")},
        {QStringLiteral("PauseBtn"), QStringLiteral("Переключатель: пауза, стол закрыт и часы стоят")},
        {QStringLiteral("LidBtn"), QStringLiteral("Переключатель: картинка с крышки коробки поверх стола")},
        {QStringLiteral("EdgeBtn"), QStringLiteral("Переключатель: на столе только краевые детали")},
        {QStringLiteral("HideBtn"),
         QStringLiteral("Переключатель: собранные части скрыты, на столе только отдельные детали")},
        {QStringLiteral("SettingsBtn"), QStringLiteral("Открыть окно настроек")},
    };
    return d;
}

void Describe(QWidget *w)
{
    const auto *image = qobject_cast<TMySpeedButton *>(w);
    const auto *button = qobject_cast<QAbstractButton *>(w);
    if (!image && !button)
        return;
    QString name = w->accessibleName();
    if (name.isEmpty())
        name = !w->toolTip().isEmpty() ? w->toolTip() : image ? image->Caption() : button->text();
    name.remove(QLatin1Char('&'));
    if (w->accessibleName().isEmpty())
        w->setAccessibleName(name);
    if (!w->accessibleDescription().isEmpty())
        return;
    const QString known = Descriptions().value(w->objectName());
    if (!known.isEmpty())
        w->setAccessibleDescription(known);
    else if ((image && image->GroupIndex() != 0) || (button && button->isCheckable()))
        w->setAccessibleDescription(QStringLiteral("Переключатель «%1»: включить или выключить").arg(name));
    else
        w->setAccessibleDescription(QStringLiteral("Кнопка «%1»").arg(name));
}

} // namespace

void DescribeForAccess(QWidget *root)
{
    if (!root)
        return;
    Describe(root);
    for (QWidget *w : root->findChildren<QWidget *>())
        Describe(w);
}
