// Zodiac signs and seasons of a day, with the items the search panel offers for them.
#pragma once

#include <array>
#include <string_view>

namespace voranek {

struct Obdobi {
    std::string_view text;
    int den;
    int mesic;
};

// Item index + 1 is the sign's number; den and mesic are its first day.
inline constexpr std::array<Obdobi, 12> Znameni = {{
    {"KOZOROH (22.12. - 19.1.)", 22, 12},
    {"VODNÁŘ (20.1. - 17.2.)", 20, 1},
    {"RYBY (18.2. - 19.3.)", 18, 2},
    {"BERAN (20.3. - 20.4.)", 20, 3},
    {"BÝK (21.4. - 20.5.)", 21, 4},
    {"BLÍŽENCI (21.5. - 20.6.)", 21, 5},
    {"RAK (21.6. - 22.7.)", 21, 6},
    {"LEV (23.7. - 22.8.)", 23, 7},
    {"PANNA (23.8. - 22.9.)", 23, 8},
    {"VÁHY (23.9. - 22.10.)", 23, 9},
    {"ŠTÍR (23.10. - 21.11.)", 23, 10},
    {"STŘELEC (22.11. - 21.12.)", 22, 11},
}};

// The fifth item is empty and leads nowhere.
inline constexpr std::array<Obdobi, 5> RocniObdobi = {{
    {"JARO (od 21.3.)", 21, 3},
    {"LÉTO (od 21.6.)", 21, 6},
    {"PODZIM (od 23.9.)", 23, 9},
    {"ZIMA (od 21.12.)", 21, 12},
    {"", 0, 0},
}};

// 1-12, the number of the day's sign; mesic must be 1-12.
int ZnameniDne(int den, int mesic);
// 1-4, the number of the day's season; mesic must be 1-12.
int ObdobiDne(int den, int mesic);

} // namespace voranek
