#include "widgets/panel.h"

#include "widgets/accessiblepanel.h"
#include "widgets/linepanel.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setOkraj(Okraj::Zvyseny);
    // Qt asks this factory for the accessible interface of every panel.
    static const bool pristupnost = [] {
        QAccessible::installFactory(&AccessiblePanel::create);
        return true;
    }();
    Q_UNUSED(pristupnost);
}

void Panel::setOkraj(Okraj okraj, int sirka)
{
    switch (okraj) {
    case Okraj::Zadny:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Okraj::Snizeny:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case Okraj::Zvyseny:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
    setLineWidth(sirka);
}

void Panel::setBarva(const QColor &barva)
{
    // Whitening the grid touches every cell; most are white already.
    if (barva == this->barva())
        return;
    barva_ = barva;
    update();
}

QColor Panel::barva() const
{
    return barva_.isValid() ? barva_ : palette().color(QPalette::Window);
}

void Panel::setBarvaTextu(const QColor &barva)
{
    if (palette().color(QPalette::WindowText) == barva)
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, barva);
    setPalette(p);
}

void Panel::setDolniLinka(bool linka)
{
    dolniLinka_ = linka;
    update();
}

void Panel::setText(const QString &text, const QString &textProCtecku)
{
    if (text == QLabel::text() && textProCtecku == textProCtecku_)
        return;
    const QString stary = this->textProCtecku();
    textProCtecku_ = textProCtecku;
    QLabel::setText(text);
    // Nothing goes out while no client listens, so the clock's tick costs what it did.
    if (tichy_ || !QAccessible::isActive())
        return;
    QAccessibleInterface *rozhrani = QAccessible::queryAccessibleInterface(this);
    if (rozhrani && rozhrani->textInterface()) {
        QAccessibleTextUpdateEvent zmena(rozhrani, 0, stary, this->textProCtecku());
        QAccessible::updateAccessibility(&zmena);
    }
    if (AccessiblePanel::describesContent(this)) {
        QAccessibleEvent popis(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&popis);
    }
}

void Panel::setRadek(const LinePanel *radky, int radek)
{
    radky_ = radky;
    radek_ = radek;
    update();
}

void Panel::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(rect(), barva());
    if (radky_) {
        QPainter painter(this);
        drawFrame(&painter);
        const qreal zakladna = radky_->zakladnaRadku(radek_) + radky_->mapTo(window(), QPoint()).y()
            - mapTo(window(), QPoint()).y();
        const qreal sirka = QFontMetricsF(font()).horizontalAdvance(text());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPointF((width() - sirka) / 2, zakladna), text());
        return;
    }
    QLabel::paintEvent(event);
    if (!dolniLinka_)
        return;
    QPainter painter(this);
    const int y = height() - 2;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, y, width() - 1, y);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, y + 1, width() - 1, y + 1);
}

void Panel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit klik();
}
