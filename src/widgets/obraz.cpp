#include "widgets/obraz.h"

#include <QPainter>

Obraz::Obraz(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage &Obraz::bitmapa()
{
    const qreal pomer = devicePixelRatioF();
    if (bitmapa_.isNull() || bitmapa_.devicePixelRatio() != pomer) {
        bitmapa_ = QImage(size() * pomer, QImage::Format_RGB32);
        bitmapa_.setDevicePixelRatio(pomer);
        bitmapa_.fill(palette().color(QPalette::Button));
    }
    return bitmapa_;
}

void Obraz::ukaz(const QRect &zmena)
{
    jenUkazat_ = true;
    update(zmena.isValid() ? zmena : rect());
}

void Obraz::paintEvent(QPaintEvent *)
{
    if (!jenUkazat_ && prekresleni_)
        prekresleni_();
    jenUkazat_ = false;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), bitmapa());
}
