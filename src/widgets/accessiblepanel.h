// What assistive technology reads from a panel. A panel that shows something has a name that
// says what it is and a text interface with what it shows now; where the name does not hold
// that text already, the description repeats it, so that a screen reader announcing the panel
// also speaks its content. A panel without a caption that only holds other controls is a pane.
// A panel with nothing to read (an empty cell of a grid) is left out of what a reader shows.
#pragma once

#include <QAccessibleWidget>

class Panel;

class AccessiblePanel : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessiblePanel(Panel *panel);

    // The factory Qt asks for the interface of a panel.
    static QAccessibleInterface *create(const QString &className, QObject *object);
    // Whether the panel's description is its content (see above).
    static bool describesContent(const Panel *panel);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // Read-only text without a caret or a selection.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
        int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int *startOffset, int *endOffset) const override;

private:
    Panel *panel() const;
    bool isPane() const;
    // The line of the caption that holds an offset: where it starts, its text, its index and
    // how many lines the caption has.
    struct Line {
        int start;
        QString text;
        int index;
        int count;
    };
    Line lineAt(int offset) const;
    // Where a line of the caption is drawn, in the panel's coordinates.
    QRect lineRect(const Line &line) const;
};
