#include "widgets/pageddialog.h"

#include "widgets/rozvrzeni.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

PagedDialog::PagedDialog(const QString &title, QSize clientSize, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    setWindowTitle(title);
    setModal(false);
    setFixedSize(clientSize);
    setFont(Pismo(13));

    noN = Novy<QStackedWidget>(this, "noN", {0, 0, 483, 302});
    noN->setAutoFillBackground(true);
    tbN = Novy<QTabBar>(this, "tbN", {0, 300, 483, 37});
    tbN->setShape(QTabBar::RoundedSouth);
    tbN->setDrawBase(false);
    tbN->setExpanding(false);
    tbN->setAccessibleName(QStringLiteral("Stránky"));
    // The tab bar's own scroll buttons, named here so that they speak Czech whatever
    // translation of Qt is loaded.
    if (auto *vlevo = tbN->findChild<QToolButton *>(QStringLiteral("ScrollLeftButton")))
        vlevo->setAccessibleName(QStringLiteral("Posunout doleva"));
    if (auto *vpravo = tbN->findChild<QToolButton *>(QStringLiteral("ScrollRightButton")))
        vpravo->setAccessibleName(QStringLiteral("Posunout doprava"));
    // The chosen tab is white, the others have the face colour.
    tbN->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 10px; border: 1px solid palette(mid); border-top: none;"
        " background: palette(button); }"
        "QTabBar::tab:selected { background: white; }"));
    btnNapovedaOK = Novy<QPushButton>(this, "btnNapovedaOK", {382, 307, 96, 24});
    btnNapovedaOK->setText(QStringLiteral("OK"));
    btnNapovedaOK->setDefault(true);
    btnNapovedaOK->setAutoDefault(true);
    btnNapovedaOK->raise();

    connect(tbN, &QTabBar::currentChanged, this, &PagedDialog::tbNClick);
    connect(btnNapovedaOK, &QPushButton::clicked, this, &PagedDialog::btnNapovedaOKClick);
}

QWidget *PagedDialog::addPage(const QString &name, const QString &tab)
{
    auto *page = new QWidget(noN);
    page->setObjectName(name);
    noN->addWidget(page);
    tbN->addTab(tab);
    return page;
}

void PagedDialog::tbNClick(int index)
{
    if (index >= 0 && index < noN->count()) {
        noN->setCurrentIndex(index);
        announcePage();
    }
}

void PagedDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    announcePage();
}

void PagedDialog::announcePage()
{
    if (!QAccessible::isActive() || !isVisible())
        return;
    // Qt tells of the hidden page itself; only the shown page's controls need telling.
    if (QWidget *page = noN->currentWidget()) {
        for (QWidget *w : page->findChildren<QWidget *>()) {
            // The inner parts of lists, memos and drop-downs follow their owner.
            bool inner = false;
            for (QWidget *up = w->parentWidget(); up && up != page; up = up->parentWidget())
                inner = inner || qobject_cast<QAbstractScrollArea *>(up)
                    || qobject_cast<QComboBox *>(up);
            if (!inner && w->isVisibleTo(page) && !w->isWindow()) {
                QAccessibleEvent event(w, QAccessible::ObjectShow);
                QAccessible::updateAccessibility(&event);
            }
        }
    }
}

void PagedDialog::btnNapovedaOKClick()
{
    hide();
}

void PagedDialog::showPage(int k, QPoint corner)
{
    move(corner);
    tbN->setCurrentIndex(k);
    noN->setCurrentIndex(k);
    btnNapovedaOK->setFocus(Qt::OtherFocusReason);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
