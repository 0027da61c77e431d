// The values of the options, read strictly: anything that is not a whole, valid value is a
// Chyba naming it.
#pragma once

#include "calendar/datum.h"
#include "calendar/kalendardnu.h"

#include <array>
#include <string>
#include <vector>

namespace voranek::cli {

// Years of the Gregorian calendar the program computes.
inline constexpr int NejmensiRok = 1583;
inline constexpr int NejvetsiRok = 9999;

// "2026-03-29" or the Czech "29.3.2026" (blanks after the dots allowed).
Datum RozeberDatum(const std::string &text);

struct Roky {
    int od;
    int doRoku;
};
// "2027" or "1989-2099".
Roky RozeberRoky(const std::string &text);

// "8:00" or "8": minutes after midnight.
int RozeberCas(const std::string &text);

// "cz", "sk" or "obe": which calendars.
std::array<bool, 2> RozeberVariantu(const std::string &text);

// "Jana, Petr": the names, trimmed, none empty.
std::vector<std::string> RozeberJmena(const std::string &text);

// Today by the local clock.
Datum Dnes();

} // namespace voranek::cli
