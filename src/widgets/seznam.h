// A list box whose click handler runs for the user's clicks and key moves only.
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
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
