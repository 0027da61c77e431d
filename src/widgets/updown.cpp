#include "widgets/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    for (QToolButton *b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    up_->setObjectName(QStringLiteral("nahoru"));
    down_->setObjectName(QStringLiteral("dolu"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(QStringLiteral("o jedna více"));
    down_->setAccessibleName(QStringLiteral("o jedna méně"));
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setBuddy(QLineEdit *edit)
{
    if (edit_)
        edit_->removeEventFilter(this);
    edit_ = edit;
    if (edit_)
        edit_->installEventFilter(this);
}

int UpDown::position() const
{
    return edit_ ? edit_->text().toInt() : minimum_;
}

void UpDown::step(int delta)
{
    if (!edit_)
        return;
    const int nova = std::clamp(position() + delta, minimum_, maximum_);
    edit_->setText(QString::number(nova));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int pulka = height() / 2;
    up_->setGeometry(0, 0, width(), pulka);
    down_->setGeometry(0, pulka, width(), height() - pulka);
}
