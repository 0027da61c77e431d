// What the terminal program prints for a day and for a name search.
#pragma once

#include "calendar/hledani.h"
#include "calendar/popisdne.h"

#include <string>

namespace voranek::cli {

// The day as the today panel lays it out, for a terminal; tucne marks the date line bold.
std::string VypisDne(const PopisDne &popis, bool tucne);

// One short line for a status bar: the names, then the holidays.
std::string Radek(const PopisDne &popis);

// The same facts as one JSON object.
std::string Json(const PopisDne &popis, const Datum &datum);

// One line a match: the entry, its calendar, its day and when it comes next from dnes.
std::string TextNalezu(const Nalez &nalez, const KalendarDnu &kalendar, const Datum &dnes);

// The kind a calendar file and the JSON give a holiday in its year.
std::string_view NazevDruhu(DruhSvatku druh);

} // namespace voranek::cli
