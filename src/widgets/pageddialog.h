// A modeless window of pages chosen by tabs along its bottom, with a default OK button lying
// over the right end of the tabs. Closing only hides it.
#pragma once

#include <QDialog>

class QPushButton;
class QStackedWidget;
class QTabBar;

class PagedDialog : public QDialog
{
    Q_OBJECT

public:
    PagedDialog(const QString &title, QSize clientSize, QWidget *parent = nullptr);

    QTabBar *tabs() const { return tbN; }
    QStackedWidget *pages() const { return noN; }
    QPushButton *okButton() const { return btnNapovedaOK; }

    // Adds a page with its tab; returns the page to fill.
    QWidget *addPage(const QString &name, const QString &tab);

    void tbNClick(int index);
    void btnNapovedaOKClick();

protected:
    void showEvent(QShowEvent *event) override;
    // Moves onto the corner, shows page k with the focus on OK and brings the window to the
    // front, restoring it when minimised.
    void showPage(int k, QPoint corner);

private:
    // Tells assistive technology that the current page's controls show now: Qt announces
    // only the page itself, and a reader that cached its controls as hidden would skip them.
    void announcePage();

    QTabBar *tbN;
    QStackedWidget *noN;
    QPushButton *btnNapovedaOK;
};
