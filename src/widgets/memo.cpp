#include "widgets/memo.h"

#include <QFocusEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

Memo::Memo(QWidget *parent)
    : QTextEdit(parent)
{
    // The sunken two-pixel frame of a memo; a heading panel laid two pixels inside the memo
    // covers the top of the text area exactly, and nothing scrolls into view above it.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setReadOnly(true);
    // The caret only moves for reading; nothing can be typed.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setAccessibleName(QStringLiteral("svislý posuvník"));
    viewport()->setCursor(Qt::ArrowCursor);
    document()->setDocumentMargin(2);
    // Nobody can undo a read-only text, and its undo steps would only pile up with every fill.
    document()->setUndoRedoEnabled(false);
}

void Memo::setZarovnani(Qt::Alignment zarovnani)
{
    QTextOption volby = document()->defaultTextOption();
    volby.setAlignment(zarovnani);
    volby.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(volby);
}

void Memo::setBarva(const QColor &barva)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, barva);
    setPalette(p);
}

// The document follows the lines block by block, so a long fill costs no more than its lines.
void Memo::vymaz()
{
    radky_.clear();
    if (!davka_)
        clear();
}

void Memo::ukonciDavku()
{
    davka_ = false;
    if (radky_.join(QLatin1Char('\n')) != toPlainText())
        setPlainText(radky_.join(QLatin1Char('\n')));
}

void Memo::pridejRadek(const QString &radek)
{
    radky_.append(radek);
    if (davka_)
        return;
    if (radky_.size() == 1) {
        setPlainText(radek);
        return;
    }
    QTextCursor kurzor(document());
    kurzor.movePosition(QTextCursor::End);
    kurzor.insertBlock();
    kurzor.insertText(radek);
}

void Memo::nahradPrvniRadek(const QString &radek)
{
    if (radky_.isEmpty()) {
        pridejRadek(radek);
        return;
    }
    radky_.first() = radek;
    if (davka_)
        return;
    QTextCursor kurzor(document());
    kurzor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    kurzor.insertText(radek);
}

void Memo::smazPrvniRadek()
{
    if (radky_.isEmpty())
        return;
    radky_.removeFirst();
    if (davka_)
        return;
    if (radky_.isEmpty()) {
        clear();
        return;
    }
    QTextCursor kurzor(document());
    kurzor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    kurzor.removeSelectedText();
    naZacatek();
}

void Memo::naZacatek()
{
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void Memo::focusInEvent(QFocusEvent *event)
{
    // The keyboard starts reading at the first line.
    if (event->reason() != Qt::MouseFocusReason)
        moveCursor(QTextCursor::Start);
    QTextEdit::focusInEvent(event);
    if (event->reason() == Qt::MouseFocusReason)
        emit vstup();
}

void Memo::showEvent(QShowEvent *event)
{
    QTextEdit::showEvent(event);
    // Lines added while hidden leave the view wherever the layout put it.
    naZacatek();
}
