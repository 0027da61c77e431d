// The holiday texts written into the today panel's memo and the holiday list box.
#pragma once

#include "calendar/datum.h"
#include "calendar/kalendardnu.h"

class LinePanel;
class QListWidget;

namespace voranek {

// CZ replaces the memo's first line, SK appends a line: cleared first, the memo shows the
// Czech line above the Slovak one. The text is the one of the date's year.
void SvatekDne(LinePanel &mSvatek, TypKalendare typ, const Datum &datum);

// Appends the long texts in code order, so that an item's position is the holiday's code.
void NaplnSvatky(QListWidget &lbSvatek, TypKalendare typ);

} // namespace voranek
