// State holidays and significant days of both countries, in the Czech alphabetical order of
// their long texts: the position of an entry is its code, in the list box too.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace voranek {

struct Svatek {
    // Five leading blanks leave room for the country mark over the today panel's memo.
    std::string_view kratky;
    std::string_view dlouhy;
};

inline constexpr std::array<Svatek, 22> SvatkyCZ = {{
    {"     Den boje za svobodu a demokracii", "Den boje za svobodu a demokracii"},
    {"     Den české státnosti", "Den české státnosti"},
    {"     Státní svátek / Nový rok", "Den obnovy samostatného Čs. státu / Nový rok"},
    {"     Den osvobození", "Den osvobození od fašismu"},
    {"     Den památky obětí holocaustu", "Den památky obětí holocaustu"},
    {"     Den památky obětí komunist. režimu", "Den památky obětí komunistického režimu"},
    {"     Den slovanských věrozvěstů", "Den slovanských věrozvěstů Cyrila a Metoděje"},
    {"     Den upálení Mistra Jana Husa", "Den upálení Mistra Jana Husa"},
    {"     Den válečných veteránů", "Den válečných veteránů"},
    {"     Den vzniku samostatného Čs. státu", "Den vzniku samostatného Čs. státu"},
    {"     Druhý svátek vánoční", "Druhý svátek vánoční"},
    {"     Květnové povstání českého lidu", "Květnové povstání českého lidu"},
    {"     Památka zesnulých", "Památka zesnulých"},
    {"     První svátek vánoční", "První svátek vánoční"},
    {"     Přijetí ČR do NATO", "Přijetí ČR do NATO"},
    {"     Silvestr", "Silvestr"},
    {"     Svátek práce", "Svátek práce"},
    {"     Svátek všech zamilovaných", "Svatý Valentýn - Svátek všech zamilovaných:-)"},
    {"     Štědrý den", "Štědrý den"},
    {"     Tři králové", "Tři králové - Slavnost Zjevení Páně"},
    {"     Velikonoční neděle", "Velikonoční neděle"},
    {"     Velikonoční pondělí", "Velikonoční pondělí"},
}};

inline constexpr std::array<Svatek, 26> SvatkySK = {{
    {"     Deň boja za slobodu a demokraciu", "Deň boja za slobodu a demokraciu"},
    {"     Deň černovskej tragédie", "Deň černovskej tragédie"},
    {"     Deň Matice slovenskej", "Deň Matice slovenskej"},
    {"     Deň narodenia Ľudovíta Štúra", "Deň narodenia Ľudovíta Štúra"},
    {"     Deň obetí Dukly", "Deň obetí Dukly"},
    {"     Deň prvého verejného vystúpenia SNR",
        "Deň prvého verejného vystúpenia Slovenskej národnej rady"},
    {"     Deň reformácie", "Deň reformácie"},
    {"     Deň Ústavy SR", "Deň Ústavy Slovenskej republiky"},
    {"     Deň víťazstva nad fašizmom", "Deň víťazstva nad fašizmom"},
    {"     Slovensko - samost. cirkevná provincia",
        "Deň vyhlásenia Slovenska za samostatnú cirkevnú provinciu"},
    {"     Deň vzniku SR", "Deň vzniku Slovenskej republiky"},
    {"     Druhý sviatok vianočný", "Druhý sviatok vianočný"},
    {"     Prvý sviatok vianočný", "Prvý sviatok vianočný"},
    {"     Sedembolestná Panna Mária", "Sedembolestná Panna Mária"},
    {"     Sviatok práce", "Sviatok práce"},
    {"     Cyril a Metod / Deň zahr. Slovákov",
        "Sviatok svätého Cyrila a Metoda / Deň zahraničných Slovákov"},
    {"     Sviatok všetkých svätých", "Sviatok všetkých svätých"},
    {"     Štedrý deň", "Štedrý deň"},
    {"     Veľkonočný pondelok", "Veľkonočný pondelok"},
    {"     Veľký piatok", "Veľký piatok"},
    {"     Výročie Deklarácie o zvrchovanosti SR",
        "Výročie Deklarácie o zvrchovanosti Slovenskej republiky"},
    {"     Výročie Deklarácie slovenského národa", "Výročie Deklarácie slovenského národa"},
    {"     Výročie Memoranda národa slovenského", "Výročie Memoranda národa slovenského"},
    {"     Výročie SNP", "Výročie Slovenského Národného Povstania"},
    {"     Výročie úmrtia M.R. Štefánika", "Výročie úmrtia M.R. Štefánika"},
    {"     Traja králi", "Zjavenie Pána - Traja králi"},
}};

inline constexpr std::string_view TextBezSvatku = "     Dnes se neslaví...";

// Codes of the movable holidays.
inline constexpr std::int16_t VelikonocniNedeleCZ = 20;
inline constexpr std::int16_t VelikonocniPondeliCZ = 21;
inline constexpr std::int16_t VelikonocniPondeliSK = 18;
inline constexpr std::int16_t VelkyPatekSK = 19;

// Fixed holidays by day; the one fixed entry of March and April is the Czech 12 March.
struct PevnySvatek {
    std::uint8_t den;
    std::uint8_t mesic;
    std::int16_t cz;
    std::int16_t sk;
};

inline constexpr std::array<PevnySvatek, 35> PevneSvatky = {{
    {1, 1, 2, 10},
    {6, 1, 19, 25},
    {27, 1, 4, -1},
    {14, 2, 17, -1},
    {12, 3, 14, -1},
    {1, 5, 16, 14},
    {4, 5, -1, 24},
    {5, 5, 11, -1},
    {8, 5, 3, 8},
    {7, 6, -1, 22},
    {27, 6, 5, -1},
    {5, 7, 6, 15},
    {6, 7, 7, -1},
    {17, 7, -1, 20},
    {4, 8, -1, 2},
    {29, 8, -1, 23},
    {1, 9, -1, 7},
    {15, 9, -1, 13},
    {19, 9, -1, 5},
    {28, 9, 1, -1},
    {6, 10, -1, 4},
    {27, 10, -1, 1},
    {28, 10, 9, -1},
    {29, 10, -1, 3},
    {30, 10, -1, 21},
    {31, 10, -1, 6},
    {1, 11, -1, 16},
    {2, 11, 12, -1},
    {11, 11, 8, -1},
    {17, 11, 0, 0},
    {24, 12, 18, 17},
    {25, 12, 13, 12},
    {26, 12, 10, 11},
    {30, 12, -1, 9},
    {31, 12, 15, -1},
}};

} // namespace voranek
