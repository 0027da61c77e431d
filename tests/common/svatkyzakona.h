// What the Czech and Slovak holiday laws make of chosen days, year by year, typed from the laws
// and their amendments: the holiday (or none), its kind that year, the name the law gives it
// that year and the today panel's text. Read by the core's test and by the terminal's.
#pragma once

#include "calendar/kalendardnu.h"
#include "calendar/svatky.h"

#include <array>

namespace voranek::test {

struct SvatekPodleZakona {
    const char *datum; // ISO
    TypKalendare typ;
    int kod; // -1: no holiday that day
    DruhSvatku druh;
    const char *nazev;
    const char *text;
};

inline constexpr auto SvatkyPodleZakona = std::to_array<SvatekPodleZakona>({
    // Good Friday: a Czech day off from 2016, a Slovak one from 1994.
    {"2015-04-03", CZ, -1, Statni, "", ""},
    {"2016-03-25", CZ, 22, Ostatni, "Velký pátek", "Velký pátek"},
    {"2027-03-26", CZ, 22, Ostatni, "Velký pátek", "Velký pátek"},
    {"2027-03-26", SK, 19, Ostatni, "Veľký piatok", "Veľký piatok"},
    {"2004-04-09", SK, 19, Ostatni, "Veľký piatok", "Veľký piatok"},
    {"2004-04-09", CZ, -1, Statni, "", ""},
    {"1818-03-20", SK, -1, Statni, "", ""},
    {"1818-03-22", CZ, 20, Zvyk, "Velikonoční neděle", "Velikonoční neděle"},
    {"1818-03-23", CZ, 21, Ostatni, "Velikonoční pondělí", "Velikonoční pondělí"},
    {"1818-03-23", SK, 18, Ostatni, "Veľkonočný pondelok", "Veľkonočný pondelok"},
    // 1 January: the Czech state's day from 2001, the Slovak republic's from 1994.
    {"1583-01-01", CZ, 2, Ostatni, "Nový rok", "Nový rok"},
    {"1583-01-01", SK, -1, Statni, "", ""},
    {"2000-01-01", CZ, 2, Ostatni, "Nový rok", "Nový rok"},
    {"2001-01-01", CZ, 2, Statni, "Den obnovy samostatného českého státu / Nový rok",
        "Státní svátek / Nový rok"},
    {"1993-01-01", SK, -1, Statni, "", ""},
    {"1994-01-01", SK, 10, Statni, "Deň vzniku Slovenskej republiky", "Deň vzniku SR"},
    {"1993-01-06", SK, -1, Statni, "", ""},
    {"2027-01-06", SK, 25, Ostatni,
        "Zjavenie Pána (Traja králi a vianočný sviatok pravoslávnych kresťanov)", "Traja králi"},
    {"2027-01-06", CZ, 19, Zvyk, "Tři králové - Slavnost Zjevení Páně", "Tři králové"},
    {"2027-02-14", CZ, 17, Zvyk, "Svatý Valentýn - Svátek všech zamilovaných:-)",
        "Svátek všech zamilovaných"},
    // 8 May: Czech from 1991 under three names; Slovak from 1991, a working day in 2026.
    {"1990-05-08", CZ, -1, Statni, "", ""},
    {"1995-05-08", CZ, 3, Statni, "Den osvobození od fašismu", "Den osvobození"},
    {"2002-05-08", CZ, 3, Statni, "Den osvobození", "Den osvobození"},
    {"2027-05-08", CZ, 3, Statni, "Den vítězství", "Den osvobození"},
    {"1990-05-08", SK, -1, Statni, "", ""},
    {"2025-05-08", SK, 8, Ostatni, "Deň víťazstva nad fašizmom", "Deň víťazstva nad fašizmom"},
    {"2026-05-08", SK, 8, BezVolna, "Deň víťazstva nad fašizmom", "Deň víťazstva nad fašizmom"},
    {"2027-05-08", SK, 8, Ostatni, "Deň víťazstva nad fašizmom", "Deň víťazstva nad fašizmom"},
    // Czech significant days, each from its own year.
    {"2004-01-27", CZ, -1, Statni, "", ""},
    {"2005-01-27", CZ, 4, Vyznamny,
        "Den památky obětí holocaustu a předcházení zločinům proti lidskosti",
        "Den památky obětí holocaustu"},
    {"1600-03-12", CZ, -1, Statni, "", ""},
    {"1999-03-12", CZ, -1, Statni, "", ""},
    {"2000-03-12", CZ, 14, Vyznamny,
        "Den přístupu České republiky k Severoatlantické smlouvě (NATO)", "Přijetí ČR do NATO"},
    {"1990-05-05", CZ, -1, Statni, "", ""},
    {"1991-05-05", CZ, 11, Vyznamny, "Květnové povstání českého lidu",
        "Květnové povstání českého lidu"},
    {"2003-06-27", CZ, -1, Statni, "", ""},
    {"2004-06-27", CZ, 5, Vyznamny, "Den památky obětí komunistického režimu",
        "Den památky obětí komunist. režimu"},
    {"2003-11-11", CZ, -1, Statni, "", ""},
    {"2004-11-11", CZ, 8, Vyznamny, "Den válečných veteránů", "Den válečných veteránů"},
    // Czech state holidays by their first years.
    {"1989-07-05", CZ, -1, Statni, "", ""},
    {"1990-07-05", CZ, 6, Statni, "Den slovanských věrozvěstů Cyrila a Metoděje",
        "Den slovanských věrozvěstů"},
    {"2027-07-06", CZ, 7, Statni, "Den upálení mistra Jana Husa", "Den upálení Mistra Jana Husa"},
    {"1995-09-28", CZ, -1, Statni, "", ""},
    {"2000-09-28", CZ, 1, Statni, "Den české státnosti", "Den české státnosti"},
    {"1987-10-28", CZ, -1, Statni, "", ""},
    {"1988-10-28", CZ, 9, Statni, "Den vzniku samostatného československého státu",
        "Den vzniku samostatného Čs. státu"},
    // 17 November in both countries.
    {"1989-11-17", CZ, -1, Statni, "", ""},
    {"1995-11-17", CZ, 0, Vyznamny, "Den boje za svobodu a demokracii",
        "Den boje za svobodu a demokracii"},
    {"2000-11-17", CZ, 0, Statni, "Den boje za svobodu a demokracii",
        "Den boje za svobodu a demokracii"},
    {"2027-11-17", CZ, 0, Statni, "Den boje za svobodu a demokracii a Mezinárodní den studentstva",
        "Den boje za svobodu a demokracii"},
    {"1995-11-17", SK, 0, Vyznamny, "Deň boja za slobodu a demokraciu",
        "Deň boja za slobodu a demokraciu"},
    {"2010-11-17", SK, 0, Statni, "Deň boja za slobodu a demokraciu",
        "Deň boja za slobodu a demokraciu"},
    {"2027-11-17", SK, 0, BezVolna, "Deň boja za slobodu a demokraciu",
        "Deň boja za slobodu a demokraciu"},
    // Christmas.
    {"2027-12-24", CZ, 18, Ostatni, "Štědrý den", "Štědrý den"},
    {"2027-12-25", CZ, 13, Ostatni, "1. svátek vánoční", "První svátek vánoční"},
    {"2027-12-26", SK, 11, Ostatni, "Druhý sviatok vianočný", "Druhý sviatok vianočný"},
    // Slovak state holidays and days off.
    {"1993-09-01", SK, -1, Statni, "", ""},
    {"2023-09-01", SK, 7, Statni, "Deň Ústavy Slovenskej republiky", "Deň Ústavy SR"},
    {"2024-09-01", SK, 7, BezVolna, "Deň Ústavy Slovenskej republiky", "Deň Ústavy SR"},
    {"1993-09-15", SK, -1, Statni, "", ""},
    {"2025-09-15", SK, 13, Ostatni, "Sedembolestná Panna Mária", "Sedembolestná Panna Mária"},
    {"2026-09-15", SK, 13, BezVolna, "Sedembolestná Panna Mária", "Sedembolestná Panna Mária"},
    {"1989-07-05", SK, -1, Statni, "", ""},
    {"2020-07-05", SK, 15, Statni, "Sviatok svätého Cyrila a svätého Metoda",
        "Cyril a Metod / Deň zahr. Slovákov"},
    {"2021-07-05", SK, 15, Statni,
        "Sviatok svätého Cyrila a svätého Metoda / Deň Slovákov žijúcich v zahraničí",
        "Cyril a Metod / Deň zahr. Slovákov"},
    {"1992-08-29", SK, -1, Statni, "", ""},
    {"1993-08-29", SK, 23, Statni, "Výročie Slovenského národného povstania", "Výročie SNP"},
    {"1993-11-01", SK, -1, Statni, "", ""},
    {"1994-11-01", SK, 16, Ostatni, "Sviatok všetkých svätých", "Sviatok všetkých svätých"},
    // Slovak memorial days.
    {"1995-10-29", SK, -1, Statni, "", ""},
    {"1996-10-29", SK, 3, Vyznamny, "Deň narodenia Ľudovíta Štúra", "Deň narodenia Ľudovíta Štúra"},
    {"2017-10-30", SK, 21, Vyznamny, "Výročie Deklarácie slovenského národa",
        "Výročie Deklarácie slovenského národa"},
    {"2018-10-30", SK, 21, Statni, "Výročie Deklarácie slovenského národa",
        "Výročie Deklarácie slovenského národa"},
    {"2019-10-30", SK, 21, Vyznamny, "Výročie Deklarácie slovenského národa",
        "Výročie Deklarácie slovenského národa"},
    {"1600-10-06", SK, 4, Vyznamny, "Deň obetí Dukly", "Deň obetí Dukly"},
});

} // namespace voranek::test
