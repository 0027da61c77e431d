// Up and down arrows bound to a read-only edit that holds a number.
#pragma once

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
