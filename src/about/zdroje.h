// The printed and web sources of the program's content, as the About window lists them.
#pragma once

#include <array>
#include <string_view>

namespace voranek {

// Two empty lines under the heading, then five entries of two lines each.
inline constexpr std::array<std::string_view, 16> Literatura = {
    "",
    "",
    "[1]   Programování v C++; Miroslav",
    "       Virius; Grada Publishing, 2018",
    "",
    "[2]   C++ GUI Programming with Qt 4; Jasmin Blanchette,",
    "       Mark Summerfield; Prentice Hall, 2006",
    "",
    "[3]   Effective Modern C++; Scott",
    "       Meyers; O'Reilly Media, 2014",
    "",
    "[4]   Jak se bude vaše dítě jmenovat?; Miloslava",
    "       Knappová; Academia, 1996",
    "",
    "[5]   Esperantsko-český a česko-esperantský slovník; Miroslav",
    "       Malovec; KAVA-PECH, 1995",
};

// Two empty lines under the heading, then seven addresses separated by empty lines.
inline constexpr std::array<std::string_view, 15> WwwStranky = {
    "",
    "",
    "[1]   https://www.mvcr.cz/clanek/cetnost-jmen-a-prijmeni.aspx",
    "",
    "[2]   https://www.juls.savba.sk",
    "",
    "[3]   https://www.zakonyprolidi.cz/cs/2000-245",
    "",
    "[4]   https://cs.wikipedia.org/wiki/Pranostika",
    "",
    "[5]   https://en.wiktionary.org",
    "",
    "[6]   https://www.dict.cc",
    "",
    "[7]  https://www.esperanto.cz",
};

} // namespace voranek
