// Date rules of the calendar and the Czech date line of the today panel.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace voranek {

struct Datum {
    std::uint16_t den = 1;
    std::uint16_t mesic = 1;
    std::uint16_t rok = 2000;

    friend bool operator==(const Datum &, const Datum &) = default;
};

// Years the search panel admits and for which the Easter correction table is exact.
inline constexpr int PrvniRok = 1989;
inline constexpr int PosledniRok = 2099;

// February at its longest: the name-day table always has a 29 February.
inline constexpr std::array<std::int32_t, 12> DelkyMesicu
    = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline constexpr std::array<std::string_view, 12> MesiceGenitiv
    = {"ledna ", "února ", "března ", "dubna ", "května ", "června ", "července ", "srpna ",
        "září ", "října ", "listopadu ", "prosince "};

// Nominative month names, each with one trailing blank.
inline constexpr std::array<std::string_view, 12> MesiceNominativ
    = {"leden ", "únor ", "březen ", "duben ", "květen ", "červen ", "červenec ", "srpen ", "září ",
        "říjen ", "listopad ", "prosinec "};

// Indexed by DenVTydnu: 1 = Sunday ... 7 = Saturday; index 0 is unused.
inline constexpr std::array<std::string_view, 8> DnyTydne = {
    "", " / neděle", " / pondělí", " / úterý", " / středa", " / čtvrtek", " / pátek", " / sobota"};

bool PrestupnyRok(int rok);
int DnyVMesici(int mesic, int rok);
// 1 = Sunday ... 7 = Saturday.
int DenVTydnu(const Datum &datum);
// Easter Monday: -(day of March) or +(day of April).
std::int32_t Velikonoce(int rok);
std::string TextDatumu(const Datum &datum);

} // namespace voranek
