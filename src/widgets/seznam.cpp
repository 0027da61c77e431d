#include "widgets/seznam.h"

#include "widgets/classicstyle.h"

#include <QMouseEvent>

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
