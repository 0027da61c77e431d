#include "widgets/updown.h"

#include "widgets/accessibletext.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

namespace {

// The edit's up-down, found by the accessibility factory.
const char *const VlastnostUpDown = "voranekUpDown";

} // namespace

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
    static const bool pristupnost = [] {
        QAccessible::installFactory(&AccessibleUpDownEdit::create);
        return true;
    }();
    Q_UNUSED(pristupnost);
}

void UpDown::setBuddy(QLineEdit *edit)
{
    if (edit_) {
        edit_->removeEventFilter(this);
        edit_->setProperty(VlastnostUpDown, QVariant());
        disconnect(edit_, nullptr, this, nullptr);
    }
    edit_ = edit;
    if (!edit_)
        return;
    edit_->installEventFilter(this);
    edit_->setProperty(VlastnostUpDown, QVariant::fromValue(QPointer<QObject>(this)));
    // An interface Qt made for the edit before it had an up-down gives way to the spin box.
    if (QAccessibleInterface *stare = QAccessible::queryAccessibleInterface(edit_);
        stare && !dynamic_cast<AccessibleUpDownEdit *>(stare))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(stare));
    // Each new number is announced as the spin box's value.
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        if (!QAccessible::isActive())
            return;
        QAccessibleValueChangeEvent zmena(edit_, position());
        QAccessible::updateAccessibility(&zmena);
    });
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

AccessibleUpDownEdit::AccessibleUpDownEdit(QLineEdit *edit, UpDown *upDown)
    : QAccessibleWidget(edit, QAccessible::SpinBox)
    , upDown_(upDown)
{ }

QAccessibleInterface *AccessibleUpDownEdit::create(const QString &className, QObject *object)
{
    if (className != QLatin1StringView("QLineEdit"))
        return nullptr;
    const auto upDown = object->property(VlastnostUpDown).value<QPointer<QObject>>();
    if (auto *u = qobject_cast<UpDown *>(upDown.data()))
        return new AccessibleUpDownEdit(static_cast<QLineEdit *>(object), u);
    return nullptr;
}

QLineEdit *AccessibleUpDownEdit::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *AccessibleUpDownEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleUpDownEdit::state() const
{
    // Typing is not taken, but the arrows change the number: not read-only for a listener.
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = false;
    state.editable = false;
    return state;
}

QString AccessibleUpDownEdit::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(t);
}

void AccessibleUpDownEdit::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleUpDownEdit::cursorPosition() const
{
    return edit()->cursorPosition();
}

void AccessibleUpDownEdit::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString AccessibleUpDownEdit::text(int startOffset, int endOffset) const
{
    const QString t = edit()->text();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(t.size()));
    if (endOffset < 0 || endOffset > t.size())
        endOffset = static_cast<int>(t.size());
    return t.mid(startOffset, std::max(0, endOffset - startOffset));
}

int AccessibleUpDownEdit::characterCount() const
{
    return static_cast<int>(edit()->text().size());
}

QRect AccessibleUpDownEdit::characterRect(int offset) const
{
    const QString t = edit()->text();
    if (offset < 0 || offset >= t.size())
        return {};
    // The edit draws its text left-aligned inside its frame, vertically centred.
    const QFontMetrics fm = edit()->fontMetrics();
    const QRect r = edit()->contentsRect().adjusted(2, 0, -2, 0);
    const int x = r.left() + fm.horizontalAdvance(t.left(offset));
    const int y = r.top() + (r.height() - fm.height()) / 2;
    return {
        edit()->mapToGlobal(QPoint(x, y)), QSize(fm.horizontalAdvance(t.at(offset)), fm.height())};
}

int AccessibleUpDownEdit::offsetAtPoint(const QPoint &point) const
{
    for (int i = 0; i < characterCount(); ++i) {
        if (characterRect(i).contains(point))
            return i;
    }
    return -1;
}

QString AccessibleUpDownEdit::attributes(int, int *startOffset, int *endOffset) const
{
    // One run over the whole number: a reader that reads by runs then reads it whole.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QString AccessibleUpDownEdit::textBeforeOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    return AccessibleText::segment(edit()->text(), offset, boundaryType,
        AccessibleText::Where::Before, startOffset, endOffset);
}

QString AccessibleUpDownEdit::textAtOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    return AccessibleText::segment(
        edit()->text(), offset, boundaryType, AccessibleText::Where::At, startOffset, endOffset);
}

QString AccessibleUpDownEdit::textAfterOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    return AccessibleText::segment(
        edit()->text(), offset, boundaryType, AccessibleText::Where::After, startOffset, endOffset);
}

QVariant AccessibleUpDownEdit::currentValue() const
{
    return edit()->text().toInt();
}

void AccessibleUpDownEdit::setCurrentValue(const QVariant &value)
{
    if (upDown_)
        upDown_->step(value.toInt() - upDown_->position());
}

QVariant AccessibleUpDownEdit::maximumValue() const
{
    return upDown_ ? upDown_->maximum() : currentValue();
}

QVariant AccessibleUpDownEdit::minimumValue() const
{
    return upDown_ ? upDown_->minimum() : currentValue();
}
