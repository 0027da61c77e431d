#include "widgets/accessiblepanel.h"

#include "widgets/accessibletext.h"
#include "widgets/panel.h"

#include <QFontMetrics>

#include <algorithm>

AccessiblePanel::AccessiblePanel(Panel *panel)
    : QAccessibleWidget(panel, QAccessible::StaticText)
{ }

QAccessibleInterface *AccessiblePanel::create(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(Panel::staticMetaObject.className()))
        return new AccessiblePanel(static_cast<Panel *>(object));
    return nullptr;
}

bool AccessiblePanel::describesContent(const Panel *panel)
{
    if (!panel->accessibleDescription().isEmpty() || panel->maJmenoProCtecku())
        return false;
    const QString name = panel->accessibleName();
    return !name.isEmpty() && !name.contains(panel->text());
}

Panel *AccessiblePanel::panel() const
{
    return static_cast<Panel *>(widget());
}

bool AccessiblePanel::isPane() const
{
    return panel()->text().isEmpty()
        && panel()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

void *AccessiblePanel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && !isPane())
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role AccessiblePanel::role() const
{
    if (isPane())
        return QAccessible::Pane;
    return panel()->tlacitkoProCtecku() ? QAccessible::Button : QAccessible::StaticText;
}

QAccessible::State AccessiblePanel::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // A panel the program hands the focus to holds it like any control that takes it.
    if (widget()->hasFocus())
        state.focusable = true;
    // A panel whose name is worked out and comes out empty has nothing to add either.
    if (!isPane() && text(QAccessible::Name).isEmpty()
        && (panel()->text().isEmpty() || panel()->maJmenoProCtecku()))
        state.invisible = true;
    return state;
}

QString AccessiblePanel::text(QAccessible::Text t) const
{
    const Panel *p = panel();
    switch (t) {
    case QAccessible::Name:
        if (p->maJmenoProCtecku())
            return p->jmenoProCtecku();
        return p->accessibleName().isEmpty() ? p->text() : p->accessibleName();
    case QAccessible::Description:
        return describesContent(p) ? p->popisObsahu() : p->accessibleDescription();
    case QAccessible::Value:
        return p->textProCtecku();
    default:
        return QAccessibleWidget::text(t);
    }
}

void AccessiblePanel::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessiblePanel::text(int startOffset, int endOffset) const
{
    const QString caption = panel()->textProCtecku();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(caption.size()));
    if (endOffset < 0 || endOffset > caption.size())
        endOffset = static_cast<int>(caption.size());
    return caption.mid(startOffset, std::max(0, endOffset - startOffset));
}

int AccessiblePanel::characterCount() const
{
    return static_cast<int>(panel()->textProCtecku().size());
}

QString AccessiblePanel::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

AccessiblePanel::Line AccessiblePanel::lineAt(int offset) const
{
    const QStringList lines = panel()->textProCtecku().split(QLatin1Char('\n'));
    int start = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int end = start + static_cast<int>(lines[i].size());
        if (offset <= end || i + 1 == lines.size())
            return {start, lines[i], i, static_cast<int>(lines.size())};
        start = end + 1;
    }
    return {0, {}, 0, 1};
}

QRect AccessiblePanel::lineRect(const Line &line) const
{
    // The rectangle QLabel draws plain text into, and the lines as QPainter spaces them.
    const Panel *p = panel();
    QRect r = p->contentsRect().adjusted(p->margin(), p->margin(), -p->margin(), -p->margin());
    const QFontMetrics fm = p->fontMetrics();
    const Qt::Alignment align = p->alignment();
    int indent = p->indent();
    if (indent < 0 && p->frameWidth())
        indent = fm.horizontalAdvance(QLatin1Char('x')) / 2 - p->margin();
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            r.setLeft(r.left() + indent);
        if (align & Qt::AlignRight)
            r.setRight(r.right() - indent);
        if (align & Qt::AlignTop)
            r.setTop(r.top() + indent);
        if (align & Qt::AlignBottom)
            r.setBottom(r.bottom() - indent);
    }

    const int height = line.count * fm.lineSpacing() - fm.leading();
    int top = r.top();
    if (align & Qt::AlignBottom)
        top = r.bottom() + 1 - height;
    else if (align & Qt::AlignVCenter)
        top = r.top() + (r.height() - height) / 2;
    const int width = fm.horizontalAdvance(line.text);
    int left = r.left();
    if (align & Qt::AlignRight)
        left = r.right() + 1 - width;
    else if (align & Qt::AlignHCenter)
        left = r.left() + (r.width() - width) / 2;
    return {left, top + line.index * fm.lineSpacing(), width, fm.height()};
}

QRect AccessiblePanel::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return {};
    const Line line = lineAt(offset);
    const QRect r = lineRect(line);
    const QFontMetrics fm = panel()->fontMetrics();
    const int column = offset - line.start;
    const int x = r.left() + fm.horizontalAdvance(line.text.left(column));
    const int width = fm.horizontalAdvance(line.text.mid(column, 1));
    return QRect(panel()->mapToGlobal(QPoint(x, r.top())), QSize(width, r.height()));
}

int AccessiblePanel::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = panel()->mapFromGlobal(point);
    const QFontMetrics fm = panel()->fontMetrics();
    Line line = lineAt(0);
    for (;;) {
        const QRect r = lineRect(line);
        if (local.y() >= r.top() && local.y() <= r.bottom()) {
            for (int i = 0; i < line.text.size(); ++i) {
                const int x = r.left() + fm.horizontalAdvance(line.text.left(i));
                const int width = fm.horizontalAdvance(line.text.mid(i, 1));
                if (local.x() >= x && local.x() < x + width)
                    return line.start + i;
            }
            return -1;
        }
        if (line.index + 1 >= line.count)
            return -1;
        line = lineAt(line.start + static_cast<int>(line.text.size()) + 1);
    }
}

QString AccessiblePanel::textBeforeOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    return AccessibleText::segment(panel()->textProCtecku(), offset, boundaryType,
        AccessibleText::Where::Before, startOffset, endOffset);
}

QString AccessiblePanel::textAtOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    return AccessibleText::segment(panel()->textProCtecku(), offset, boundaryType,
        AccessibleText::Where::At, startOffset, endOffset);
}

QString AccessiblePanel::textAfterOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    return AccessibleText::segment(panel()->textProCtecku(), offset, boundaryType,
        AccessibleText::Where::After, startOffset, endOffset);
}
