// Finding a name in the two name-day calendars as a user types it: without diacritics, in any
// case, one person of an entry that names several.
#pragma once

#include "calendar/datum.h"
#include "calendar/kalendardnu.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voranek {

// Lower case without diacritics: "Štěpán" gives "stepan", "Ľudmila" gives "ludmila".
std::string Slozene(std::string_view text);

// The persons of an entry: "Adam a Eva" and "Galina / Oliver / Olívie" name several.
std::vector<std::string_view> Osoby(std::string_view zaznam);

// The entry of a name list, or "" out of range.
std::string_view Zaznam(TypKalendare typ, std::int16_t index);
std::size_t PocetZaznamu(TypKalendare typ);

struct Nalez {
    TypKalendare typ;
    std::int16_t index;
    std::string_view osoba; // the person of the entry that matched
};

struct Hledani {
    std::vector<Nalez> nalezy;
    bool presne = false; // false: the names that begin with the text
};

inline constexpr std::size_t NejvicZacatku = 10;

// Whole persons equal to the text in both calendars, Czech first; failing that, at most ten
// entries with a person that begins with it.
Hledani HledejJmeno(std::string_view text);

// The persons equal to the text in one calendar.
std::vector<Nalez> PresneShody(TypKalendare typ, std::string_view text);

// The first day on or after od that falls on den.mesic (29 February: the next leap year), or
// nothing past 9999.
std::optional<Datum> PristiVyskyt(DenMesic den, const Datum &od);

// "24. dubna"
std::string TextDne(DenMesic den);

} // namespace voranek
