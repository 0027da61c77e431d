// State holidays and significant days of both countries, in the Czech alphabetical order of
// their long texts: the position of an entry is its code, in the list box too.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace voranek {

// What the law makes of a day in a given year: a day off (a state holiday or another holiday),
// a holiday that is a working day, a day only remembered, or a custom the law does not list.
enum DruhSvatku : std::uint8_t { Statni, Ostatni, BezVolna, Vyznamny, Zvyk };

struct Svatek {
    // Five leading blanks leave room for the country mark over the today panel's memo.
    std::string_view kratky;
    std::string_view dlouhy;
};

inline constexpr std::array<Svatek, 23> SvatkyCZ = {{
    {"     Den boje za svobodu a demokracii", "Den boje za svobodu a demokracii"},
    {"     Den české státnosti", "Den české státnosti"},
    {"     Státní svátek / Nový rok", "Den obnovy samostatného českého státu / Nový rok"},
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
    {"     Velký pátek", "Velký pátek"},
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
inline constexpr std::int16_t VelkyPatekCZ = 22;

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

// The years a holiday applies in, with what the law makes of it there and the name it gives it.
// A holiday applies in the years of its rows only; a row whose start no source confirms runs
// in every year; customs and days whose name no source gives keep their long
// text. Window texts left empty are the table's own.
struct ObdobiSvatku {
    std::int16_t kod;
    std::int16_t od;
    std::int16_t doRoku;
    DruhSvatku druh;
    std::string_view nazev;
    std::string_view kratky = {};
    std::string_view dlouhy = {};
};

inline constexpr std::int16_t Vzdy = std::numeric_limits<std::int16_t>::min();
inline constexpr std::int16_t Dosud = std::numeric_limits<std::int16_t>::max();

inline constexpr auto ObdobiCZ = std::to_array<ObdobiSvatku>({
    {0, 1990, 1999, Vyznamny, "Den boje za svobodu a demokracii"},
    {0, 2000, 2018, Statni, "Den boje za svobodu a demokracii"},
    {0, 2019, Dosud, Statni, "Den boje za svobodu a demokracii a Mezinárodní den studentstva"},
    {1, 2000, Dosud, Statni, "Den české státnosti"},
    {2, Vzdy, 2000, Ostatni, "Nový rok", "     Nový rok", "Nový rok"},
    {2, 2001, Dosud, Statni, "Den obnovy samostatného českého státu / Nový rok"},
    {3, 1991, 2000, Statni, "Den osvobození od fašismu"},
    {3, 2001, 2003, Statni, "Den osvobození"},
    {3, 2004, Dosud, Statni, "Den vítězství"},
    {4, 2005, Dosud, Vyznamny,
        "Den památky obětí holocaustu a předcházení zločinům proti lidskosti"},
    {5, 2004, Dosud, Vyznamny, "Den památky obětí komunistického režimu"},
    {6, 1990, Dosud, Statni, "Den slovanských věrozvěstů Cyrila a Metoděje"},
    {7, 1990, Dosud, Statni, "Den upálení mistra Jana Husa"},
    {8, 2004, Dosud, Vyznamny, "Den válečných veteránů"},
    {9, 1988, Dosud, Statni, "Den vzniku samostatného československého státu"},
    {10, Vzdy, Dosud, Ostatni, "2. svátek vánoční"},
    {11, 1991, Dosud, Vyznamny, "Květnové povstání českého lidu"},
    {12, Vzdy, Dosud, Zvyk, "Památka zesnulých"},
    {13, Vzdy, Dosud, Ostatni, "1. svátek vánoční"},
    {14, 2000, Dosud, Vyznamny, "Den přístupu České republiky k Severoatlantické smlouvě (NATO)"},
    {15, Vzdy, Dosud, Zvyk, "Silvestr"},
    {16, Vzdy, Dosud, Ostatni, "Svátek práce"},
    {17, Vzdy, Dosud, Zvyk, "Svatý Valentýn - Svátek všech zamilovaných:-)"},
    {18, Vzdy, Dosud, Ostatni, "Štědrý den"},
    {19, Vzdy, Dosud, Zvyk, "Tři králové - Slavnost Zjevení Páně"},
    {20, Vzdy, Dosud, Zvyk, "Velikonoční neděle"},
    {21, Vzdy, Dosud, Ostatni, "Velikonoční pondělí"},
    {22, 2016, Dosud, Ostatni, "Velký pátek"},
});

inline constexpr auto ObdobiSK = std::to_array<ObdobiSvatku>({
    {0, 1990, 2000, Vyznamny, "Deň boja za slobodu a demokraciu"},
    {0, 2001, 2024, Statni, "Deň boja za slobodu a demokraciu"},
    {0, 2025, Dosud, BezVolna, "Deň boja za slobodu a demokraciu"},
    {1, Vzdy, Dosud, Vyznamny, "Deň černovskej tragédie"},
    {2, Vzdy, Dosud, Vyznamny, "Deň Matice slovenskej"},
    {3, 1996, Dosud, Vyznamny, "Deň narodenia Ľudovíta Štúra"},
    {4, Vzdy, Dosud, Vyznamny, "Deň obetí Dukly"},
    {5, Vzdy, Dosud, Vyznamny, "Deň prvého verejného vystúpenia Slovenskej národnej rady"},
    {6, Vzdy, Dosud, Vyznamny, "Deň reformácie"},
    {7, 1994, 2023, Statni, "Deň Ústavy Slovenskej republiky"},
    {7, 2024, Dosud, BezVolna, "Deň Ústavy Slovenskej republiky"},
    {8, 1991, 2025, Ostatni, "Deň víťazstva nad fašizmom"},
    {8, 2026, 2026, BezVolna, "Deň víťazstva nad fašizmom"},
    {8, 2027, Dosud, Ostatni, "Deň víťazstva nad fašizmom"},
    {9, Vzdy, Dosud, Vyznamny, "Deň vyhlásenia Slovenska za samostatnú cirkevnú provinciu"},
    {10, 1994, Dosud, Statni, "Deň vzniku Slovenskej republiky"},
    {11, Vzdy, Dosud, Ostatni, "Druhý sviatok vianočný"},
    {12, Vzdy, Dosud, Ostatni, "Prvý sviatok vianočný"},
    {13, 1994, 2025, Ostatni, "Sedembolestná Panna Mária"},
    {13, 2026, 2026, BezVolna, "Sedembolestná Panna Mária"},
    {13, 2027, Dosud, Ostatni, "Sedembolestná Panna Mária"},
    {14, Vzdy, Dosud, Ostatni, "Sviatok práce"},
    {15, 1990, 2020, Statni, "Sviatok svätého Cyrila a svätého Metoda"},
    {15, 2021, Dosud, Statni,
        "Sviatok svätého Cyrila a svätého Metoda / Deň Slovákov žijúcich v zahraničí"},
    {16, 1994, Dosud, Ostatni, "Sviatok všetkých svätých"},
    {17, Vzdy, Dosud, Ostatni, "Štedrý deň"},
    {18, Vzdy, Dosud, Ostatni, "Veľkonočný pondelok"},
    {19, 1994, Dosud, Ostatni, "Veľký piatok"},
    {20, Vzdy, Dosud, Vyznamny, "Výročie Deklarácie o zvrchovanosti Slovenskej republiky"},
    {21, Vzdy, 2017, Vyznamny, "Výročie Deklarácie slovenského národa"},
    // The hundredth anniversary was a day off once.
    {21, 2018, 2018, Statni, "Výročie Deklarácie slovenského národa"},
    {21, 2019, Dosud, Vyznamny, "Výročie Deklarácie slovenského národa"},
    {22, Vzdy, Dosud, Vyznamny, "Výročie Memoranda národa slovenského"},
    {23, 1993, Dosud, Statni, "Výročie Slovenského národného povstania"},
    {24, Vzdy, Dosud, Vyznamny, "Výročie úmrtia M.R. Štefánika"},
    {25, 1994, Dosud, Ostatni,
        "Zjavenie Pána (Traja králi a vianočný sviatok pravoslávnych kresťanov)"},
});

} // namespace voranek
