#include "widgets/accessibletext.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace AccessibleText {

namespace {

// Where the segments of a boundary type start, then the text's end.
QList<int> boundaries(const QString &text, QAccessible::TextBoundaryType boundary)
{
    const int length = static_cast<int>(text.size());
    QList<int> starts {0};
    switch (boundary) {
    case QAccessible::CharBoundary:
        for (int i = 1; i < length; ++i) {
            if (!text.at(i).isLowSurrogate())
                starts.append(i);
        }
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
        for (int i = 0; i + 1 < length; ++i) {
            if (text.at(i) == QLatin1Char('\n'))
                starts.append(i + 1);
        }
        break;
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary: {
        QTextBoundaryFinder finder(boundary == QAccessible::WordBoundary
                ? QTextBoundaryFinder::Word
                : QTextBoundaryFinder::Sentence,
            text);
        for (qsizetype b = finder.toNextBoundary(); b > 0 && b < length;
             b = finder.toNextBoundary())
            starts.append(static_cast<int>(b));
        break;
    }
    case QAccessible::NoBoundary:
        break;
    }
    starts.append(length);
    return starts;
}

} // namespace

QString segment(const QString &text, int offset, QAccessible::TextBoundaryType boundary,
    Where where, int *startOffset, int *endOffset)
{
    const int length = static_cast<int>(text.size());
    const QList<int> starts = boundaries(text, boundary);
    const int segments = static_cast<int>(starts.size()) - 1;
    const int position = std::clamp(offset, 0, length);
    // The segment that holds the position; the end of the text lies after the last one.
    int k = static_cast<int>(
                std::upper_bound(starts.begin(), starts.end(), position) - starts.begin())
        - 1;
    if (position == length)
        k = segments;
    if (where == Where::At && k == segments && segments > 0
        && boundary != QAccessible::CharBoundary)
        k = segments - 1;
    else if (where == Where::Before)
        --k;
    else if (where == Where::After)
        ++k;
    if (k < 0 || k >= segments) {
        *startOffset = *endOffset = k < 0 ? 0 : length;
        return {};
    }
    *startOffset = starts[k];
    *endOffset = starts[k + 1];
    return text.mid(*startOffset, *endOffset - *startOffset);
}

} // namespace AccessibleText
