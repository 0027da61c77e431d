// A drop-down list as a screen reader needs it: named after its current item, with what it is
// in the description, and a value that changes with the item. Qt's own interface announces a
// new item only through a selection interface it does not have, so a reader stays silent
// while the arrows change the item of a closed list.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

class AccessibleChoice : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleChoice(QComboBox *combo);

    // The factory for every drop-down list that cannot be typed into.
    static QAccessibleInterface *create(const QString &className, QObject *object);
    static void install();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // The value is the index of the current item.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QComboBox *combo() const;
};
