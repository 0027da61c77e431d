// A list box whose click handler runs for the user's clicks and key moves only; it speaks
// to assistive technology only while it has the focus.
#pragma once

#include <QListWidget>

class Seznam : public QListWidget
{
    Q_OBJECT

public:
    explicit Seznam(QWidget *parent = nullptr);

    // Selects a row from the program (no click signal); -1 clears the selection.
    void vyber(int radek);
    // Scrolls so that the row is the top line, as far as the list can scroll.
    void nahoru(int radek);
    int vybrany() const;

signals:
    void klik();

protected:
    // A list that follows a choice made elsewhere moves its current row without the focus;
    // Qt would announce that row as focused and pull a listener away from the control in use.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
