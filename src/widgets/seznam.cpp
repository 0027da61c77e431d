#include "widgets/seznam.h"

#include "widgets/classicstyle.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTimer>

Seznam::Seznam(QWidget *parent)
    : QListWidget(parent)
{
    // The sunken two-pixel frame of a list box: a list 84 pixels high shows five whole rows.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setItemDelegate(new FixedRowDelegate(this));
}

void Seznam::vyber(int radek)
{
    const QSignalBlocker ticho(this);
    if (radek < 0 || radek >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(radek);
}

void Seznam::nahoru(int radek)
{
    if (QListWidgetItem *polozka = item(radek))
        scrollToItem(polozka, QAbstractItemView::PositionAtTop);
}

int Seznam::vybrany() const
{
    const QList<QListWidgetItem *> vybrane = selectedItems();
    return vybrane.isEmpty() ? -1 : row(vybrane.first());
}

// The click signal comes after Qt has moved the selection, so the handler reads the new row.
void Seznam::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    // A click on the row already chosen still chooses it.
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) && vybrany() >= 0)
        emit klik();
}

void Seznam::keyPressEvent(QKeyEvent *event)
{
    const int predtim = vybrany();
    QListWidget::keyPressEvent(event);
    if (vybrany() >= 0 && vybrany() != predtim)
        emit klik();
}

void Seznam::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

void Seznam::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (hasFocus())
        QListWidget::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged(selected, deselected);
}

void Seznam::focusInEvent(QFocusEvent *event)
{
    // A list entered by Tab starts on its chosen row, which a listener hears with the list.
    if (!currentIndex().isValid() && vybrany() >= 0)
        setCurrentRow(vybrany(), QItemSelectionModel::NoUpdate);
    QListWidget::focusInEvent(event);
    // Qt announces the list itself after this handler; the row follows it.
    QTimer::singleShot(0, this, [this] {
        if (QAccessible::isActive() && hasFocus() && currentIndex().isValid()) {
            QAccessibleEvent fokus(this, QAccessible::Focus);
            fokus.setChild(currentRow());
            QAccessible::updateAccessibility(&fokus);
        }
    });
}
