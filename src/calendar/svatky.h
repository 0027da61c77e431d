// State holidays and significant days of both countries, in the Czech alphabetical order of
// their long texts: the position of an entry is its code, in the list box too.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace voranek {

// A day off by law (state holidays and the other public holidays) or a day only remembered.
enum DruhSvatku : std::uint8_t { Statni, Vyznamny };

struct Svatek {
    // Five leading blanks leave room for the country mark over the today panel's memo.
    std::string_view kratky;
    std::string_view dlouhy;
    DruhSvatku druh;
};

inline constexpr std::array<Svatek, 22> SvatkyCZ = {{
    {"     Den boje za svobodu a demokracii", "Den boje za svobodu a demokracii", Statni},
    {"     Den české státnosti", "Den české státnosti", Statni},
    {"     Státní svátek / Nový rok", "Den obnovy samostatného Čs. státu / Nový rok", Statni},
    {"     Den osvobození", "Den osvobození od fašismu", Statni},
    {"     Den památky obětí holocaustu", "Den památky obětí holocaustu", Vyznamny},
    {"     Den památky obětí komunist. režimu", "Den památky obětí komunistického režimu",
        Vyznamny},
    {"     Den slovanských věrozvěstů", "Den slovanských věrozvěstů Cyrila a Metoděje", Statni},
    {"     Den upálení Mistra Jana Husa", "Den upálení Mistra Jana Husa", Statni},
    {"     Den válečných veteránů", "Den válečných veteránů", Vyznamny},
    {"     Den vzniku samostatného Čs. státu", "Den vzniku samostatného Čs. státu", Statni},
    {"     Druhý svátek vánoční", "Druhý svátek vánoční", Statni},
    {"     Květnové povstání českého lidu", "Květnové povstání českého lidu", Vyznamny},
    {"     Památka zesnulých", "Památka zesnulých", Vyznamny},
    {"     První svátek vánoční", "První svátek vánoční", Statni},
    {"     Přijetí ČR do NATO", "Přijetí ČR do NATO", Vyznamny},
    {"     Silvestr", "Silvestr", Vyznamny},
    {"     Svátek práce", "Svátek práce", Statni},
    {"     Svátek všech zamilovaných", "Svatý Valentýn - Svátek všech zamilovaných:-)", Vyznamny},
    {"     Štědrý den", "Štědrý den", Statni},
    {"     Tři králové", "Tři králové - Slavnost Zjevení Páně", Vyznamny},
    {"     Velikonoční neděle", "Velikonoční neděle", Vyznamny},
    {"     Velikonoční pondělí", "Velikonoční pondělí", Statni},
}};

inline constexpr std::array<Svatek, 26> SvatkySK = {{
    {"     Deň boja za slobodu a demokraciu", "Deň boja za slobodu a demokraciu", Statni},
    {"     Deň černovskej tragédie", "Deň černovskej tragédie", Vyznamny},
    {"     Deň Matice slovenskej", "Deň Matice slovenskej", Vyznamny},
    {"     Deň narodenia Ľudovíta Štúra", "Deň narodenia Ľudovíta Štúra", Vyznamny},
    {"     Deň obetí Dukly", "Deň obetí Dukly", Vyznamny},
    {"     Deň prvého verejného vystúpenia SNR",
        "Deň prvého verejného vystúpenia Slovenskej národnej rady", Vyznamny},
    {"     Deň reformácie", "Deň reformácie", Vyznamny},
    {"     Deň Ústavy SR", "Deň Ústavy Slovenskej republiky", Statni},
    {"     Deň víťazstva nad fašizmom", "Deň víťazstva nad fašizmom", Statni},
    {"     Slovensko - samost. cirkevná provincia",
        "Deň vyhlásenia Slovenska za samostatnú cirkevnú provinciu", Vyznamny},
    {"     Deň vzniku SR", "Deň vzniku Slovenskej republiky", Statni},
    {"     Druhý sviatok vianočný", "Druhý sviatok vianočný", Statni},
    {"     Prvý sviatok vianočný", "Prvý sviatok vianočný", Statni},
    {"     Sedembolestná Panna Mária", "Sedembolestná Panna Mária", Statni},
    {"     Sviatok práce", "Sviatok práce", Statni},
    {"     Cyril a Metod / Deň zahr. Slovákov",
        "Sviatok svätého Cyrila a Metoda / Deň zahraničných Slovákov", Statni},
    {"     Sviatok všetkých svätých", "Sviatok všetkých svätých", Statni},
    {"     Štedrý deň", "Štedrý deň", Statni},
    {"     Veľkonočný pondelok", "Veľkonočný pondelok", Statni},
    {"     Veľký piatok", "Veľký piatok", Statni},
    {"     Výročie Deklarácie o zvrchovanosti SR",
        "Výročie Deklarácie o zvrchovanosti Slovenskej republiky", Vyznamny},
    {"     Výročie Deklarácie slovenského národa", "Výročie Deklarácie slovenského národa",
        Vyznamny},
    {"     Výročie Memoranda národa slovenského", "Výročie Memoranda národa slovenského", Vyznamny},
    {"     Výročie SNP", "Výročie Slovenského Národného Povstania", Statni},
    {"     Výročie úmrtia M.R. Štefánika", "Výročie úmrtia M.R. Štefánika", Vyznamny},
    {"     Traja králi", "Zjavenie Pána - Traja králi", Statni},
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
