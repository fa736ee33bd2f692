#include "ui/SpeedButtonAccessible.h"

#include <QAccessibleWidget>

#include "ui/MySpeedButton.h"

namespace {

class TSpeedButtonAccessible : public QAccessibleWidget {
public:
    explicit TSpeedButtonAccessible(TMySpeedButton *b) : QAccessibleWidget(b, QAccessible::Button) {}

    TMySpeedButton *Button() const { return static_cast<TMySpeedButton *>(widget()); }
    bool Switch() const { return Button()->GroupIndex() != 0; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            // Its own name, else its tool tip, else its caption.
            const QString own = Button()->accessibleName();
            if (!own.isEmpty())
                return own;
            return Button()->toolTip().isEmpty() ? Button()->Caption() : Button()->toolTip();
        }
        if (t == QAccessible::Description && Button()->accessibleDescription().isEmpty() && Switch())
            return Button()->Down() ? QStringLiteral("Включено") : QStringLiteral("Выключено");
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        if (Switch()) {
            s.checkable = true;
            s.checked = Button()->Down();
        }
        s.pressed = Button()->ButtonState() == TMySpeedButton::Pressed;
        return s;
    }

    QStringList actionNames() const override
    {
        return Button()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction() || !Button()->isEnabled())
            return;
        // A switch toggles first, as a click of the mouse does.
        if (Switch() && (!Button()->Down() || Button()->AllowAllUp()))
            Button()->setDown(!Button()->Down());
        Button()->Click();
    }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TMySpeedButton") && object && object->isWidgetType())
        return new TSpeedButtonAccessible(static_cast<TMySpeedButton *>(object));
    return nullptr;
}

} // namespace

void InstallSpeedButtonAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}
