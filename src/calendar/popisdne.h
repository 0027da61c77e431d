// What the today panel says about one day, shared by the window and the terminal program so
// the two never disagree.
#pragma once

#include "calendar/datum.h"
#include "calendar/kalendardnu.h"
#include "calendar/svatky.h"
#include "calendar/udajedne.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace voranek {

inline constexpr std::string_view TextSvatekMa = "svátek má:";
inline constexpr std::string_view TextSvatkyDne = "státní svátek, významný den:";
// Shown for either calendar on a day without a name day.
inline constexpr std::string_view TextNikdo = "dnes nikdo neslaví";

// The entry of a calendar's name list, or TextNikdo for -1 and anything out of range.
std::string_view TextJmena(TypKalendare typ, std::int16_t index);
// The holiday record of a code, or nullptr for -1 and anything out of range.
const Svatek *NajdiSvatek(TypKalendare typ, std::int16_t kod);

struct PopisDne {
    std::string datum; // "19. listopadu 2005 / sobota"
    // Indexed by TypKalendare.
    std::array<std::int16_t, 2> jmeno {-1, -1};
    std::array<std::int16_t, 2> svatek {-1, -1};
    // The holidays as the law of the day's year has them.
    std::array<std::optional<SvatekRoku>, 2> svatky;

    std::string_view TextJmena(TypKalendare typ) const
    {
        return voranek::TextJmena(typ, jmeno[typ]);
    }
    std::string_view TextSvatku(TypKalendare typ) const
    {
        return svatky[typ] ? svatky[typ]->kratky : TextBezSvatku;
    }
};

PopisDne Popis(const Datum &datum);

// A short text without the blanks that make room for the country mark.
std::string_view BezOdsazeni(std::string_view text);

} // namespace voranek
