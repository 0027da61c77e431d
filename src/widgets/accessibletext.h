// The pieces of a read-only text that an assistive tool asks for by offset and boundary.
// Every call returns for every offset: the segments are found once, then indexed.
#pragma once

#include <QAccessible>
#include <QString>

namespace AccessibleText {

enum class Where { Before, At, After };

// The character, word, sentence, line or paragraph before, at or after the offset, with its
// start and end; an empty text at the edge when there is none.
QString segment(const QString &text, int offset, QAccessible::TextBoundaryType boundary,
    Where where, int *startOffset, int *endOffset);

} // namespace AccessibleText
