// The per-day table: for every day of the year the Czech and Slovak name and holiday.
#pragma once

#include "calendar/datum.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace voranek {

// The selected item of the CZ/SK radio group.
enum TypKalendare : int { CZ = 0, SK = 1 };

struct DenKalendare {
    std::int16_t jmenoCZ = -1;
    std::int16_t svatekCZ = -1;
    std::int16_t jmenoSK = -1;
    std::int16_t svatekSK = -1;

    friend bool operator==(const DenKalendare &, const DenKalendare &) = default;
};

struct DenMesic {
    int den;
    int mesic;

    friend bool operator==(const DenMesic &, const DenMesic &) = default;
};

// Twelve month arrays of DelkyMesicu days each (February with 29).
class KalendarDnu
{
public:
    // Index by mesic - 1, then den - 1.
    const std::vector<DenKalendare> &operator[](std::size_t mesic) const { return mesice_[mesic]; }
    std::vector<DenKalendare> &operator[](std::size_t mesic) { return mesice_[mesic]; }

    // The record of a day, or nullptr for a day the table does not have.
    const DenKalendare *Den(int den, int mesic) const;

    std::int16_t Jmeno(TypKalendare typ, int den, int mesic) const;
    std::int16_t SvatekKod(TypKalendare typ, int den, int mesic) const;

    // The first day, January to December, whose name or holiday of the variant is the index.
    std::optional<DenMesic> DatumJmena(TypKalendare typ, int index) const;
    std::optional<DenMesic> DatumSvatku(TypKalendare typ, int kod) const;

private:
    std::array<std::vector<DenKalendare>, 12> mesice_;
};

// The name days of every day; the holidays, which change with the year, are left for NaplnRok.
KalendarDnu VytvorKalendarDnu();

// The name-day entry of a day of a variant, or -1.
std::int16_t JmenoDne(TypKalendare typ, int den, int mesic);

// The Czech name day of a Czech entry, from the fixed table.
DenMesic DatumJmenaCZ(int index);

} // namespace voranek
