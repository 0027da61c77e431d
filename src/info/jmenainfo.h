// Origin, meaning and pet forms of the persons of every Czech name-day entry.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace voranek {

struct OsobaJmena {
    std::int16_t zaznam; // index of the entry in JmenaCZ
    std::string_view jmeno;
    std::string_view puvod;
    std::string_view vyznam;
    std::string_view domacke;
};

// In entry order; the persons of an entry stand together in the order the entry names them.
// Read from their text on first use.
std::span<const OsobaJmena> OsobyJmen();

// The table behind OsobyJmen(), as one text.
extern const char TextOsobJmen[];

// The persons of an entry; empty for an index outside the list.
std::span<const OsobaJmena> OsobyZaznamu(int zaznam);

// The entry's heading: its capitals spaced by one blank, its words by four.
QString NadpisJmena(int zaznam);

// The entry's Czech name day, such as "24. prosince".
QString DatumJmena(int zaznam);

// Two blanks and 96 hyphens between the persons of an entry.
inline constexpr std::string_view OddelovacOsob
    = "  "
      "--------------------------------------------------------------------------------------------"
      "----";

} // namespace voranek
