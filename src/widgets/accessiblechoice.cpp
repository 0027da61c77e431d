#include "widgets/accessiblechoice.h"

#include <QComboBox>

AccessibleChoice::AccessibleChoice(QComboBox *combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox)
{ }

QAccessibleInterface *AccessibleChoice::create(const QString &className, QObject *object)
{
    if (className != QLatin1StringView("QComboBox"))
        return nullptr;
    auto *combo = static_cast<QComboBox *>(object);
    return combo->isEditable() ? nullptr : new AccessibleChoice(combo);
}

void AccessibleChoice::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleChoice::create);
        return true;
    }();
    Q_UNUSED(installed);
}

QComboBox *AccessibleChoice::combo() const
{
    return static_cast<QComboBox *>(widget());
}

void *AccessibleChoice::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleChoice::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        // Without a current item the list is called what it is.
        return combo()->currentText().isEmpty() ? combo()->accessibleName()
                                                : combo()->currentText();
    case QAccessible::Value:
        return combo()->currentText();
    case QAccessible::Description:
        return combo()->accessibleDescription().isEmpty() ? combo()->accessibleName()
                                                          : combo()->accessibleDescription();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessibleChoice::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.hasPopup = true;
    return state;
}

QVariant AccessibleChoice::currentValue() const
{
    return combo()->currentIndex();
}

void AccessibleChoice::setCurrentValue(const QVariant &value)
{
    combo()->setCurrentIndex(value.toInt());
}

QVariant AccessibleChoice::maximumValue() const
{
    return combo()->count() - 1;
}

QVariant AccessibleChoice::minimumValue() const
{
    return 0;
}
