// Up and down arrows bound to a read-only edit that holds a number. For assistive technology
// the edit and its arrows are one spin box: it reads the whole number and announces each step.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int position READ position)

public:
    explicit UpDown(QWidget *parent = nullptr);

    // Up and Down on the edit step it too.
    void setBuddy(QLineEdit *edit);
    QLineEdit *buddy() const { return edit_; }

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setMinimum(int minimum) { minimum_ = minimum; }
    void setMaximum(int maximum) { maximum_ = maximum; }
    // The number in the edit.
    int position() const;

    // One step: the edit's number plus or minus one, kept within the bounds (no wrapping).
    void step(int delta);

    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *edit_ = nullptr;
    QToolButton *up_;
    QToolButton *down_;
    int minimum_ = 0;
    int maximum_ = 100;
};

// The edit bound to an up-down as a reader sees it: a spin box whose text is the number, read
// whole, without a selection (the edit selects itself on Tab, which a reader would call out).
class AccessibleUpDownEdit : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleValueInterface
{
public:
    AccessibleUpDownEdit(QLineEdit *edit, UpDown *upDown);

    static QAccessibleInterface *create(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
        int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int *startOffset, int *endOffset) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

private:
    QLineEdit *edit() const;
    QPointer<UpDown> upDown_;
};
