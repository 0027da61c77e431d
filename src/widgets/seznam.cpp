#include "widgets/seznam.h"

#include <QMouseEvent>

Seznam::Seznam(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int radek) {
        if (uzivatel_ && radek >= 0 && !ohlaseno_) {
            ohlaseno_ = true;
            emit klik();
        }
    });
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

void Seznam::mousePressEvent(QMouseEvent *event)
{
    uzivatel_ = true;
    ohlaseno_ = false;
    QListWidget::mousePressEvent(event);
    uzivatel_ = false;
    // A click on the row already chosen changes nothing in the list, but still chooses it.
    if (!ohlaseno_ && event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit klik();
}

void Seznam::keyPressEvent(QKeyEvent *event)
{
    uzivatel_ = true;
    ohlaseno_ = false;
    QListWidget::keyPressEvent(event);
    uzivatel_ = false;
}
