// What a day holds in one variant's calendar in a given year: its name-day entry and the
// holiday the law of that year has there. Pure: the year's Easter is worked out on every call.
#pragma once

#include "calendar/datum.h"
#include "calendar/kalendardnu.h"
#include "calendar/svatky.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace voranek {

struct SvatekRoku {
    std::int16_t kod;
    DruhSvatku druh;
    std::string_view kratky; // the today panel's text, with its five leading blanks
    std::string_view dlouhy; // the holiday list's text
    std::string_view nazev; // the name the law gives it that year

    friend bool operator==(const SvatekRoku &, const SvatekRoku &) = default;
};

struct UdajeDne {
    std::int16_t jmeno = -1;
    std::optional<SvatekRoku> svatek;
};

UdajeDne Udaje(const Datum &datum, TypKalendare typ);

// The holiday of a code as it stands in a year, or nothing in a year it does not apply in.
std::optional<SvatekRoku> SvatekVRoce(TypKalendare typ, std::int16_t kod, int rok);

// The day a holiday falls on in a year, or nothing in a year it does not apply in.
std::optional<DenMesic> DenSvatku(TypKalendare typ, std::int16_t kod, int rok);

// Fills the holiday codes of the per-day table with those of one year.
void NaplnRok(KalendarDnu &kalendar, int rok);

// A day off by law, as against a day only remembered or a custom.
bool JeVolno(DruhSvatku druh);

} // namespace voranek
