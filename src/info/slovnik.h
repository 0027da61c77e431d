// The mini-dictionary: 41 Czech calendar words in five languages. The words stand in Czech
// alphabetical order, and the row of a word is its position in the word list. The Czech words
// stay within Windows-1250 like every other text; the translations are written in each
// language's own letters (giovedì, fête, ĵaŭdo), which that code page does not have.
#pragma once

#include <array>
#include <string_view>

namespace voranek {

struct SlovoSlovniku {
    std::string_view cesky;
    std::array<std::string_view, 5> preklady;
};

inline constexpr std::array<std::string_view, 5> JazykySlovniku
    = {"angličtiny", "němčiny", "italštiny", "francouzštiny", "esperanštiny"};

inline constexpr std::array<SlovoSlovniku, 41> Slovnik = {{
    {"březen", {"March", "der März", "marzo", "mars", "marto"}},
    {"čas", {"time", "die Zeit", "tempo", "temps", "tempo"}},
    {"červen", {"June", "der Juni", "giugno", "juin", "junio"}},
    {"červenec", {"July", "der Juli / der Julei", "luglio", "juillet", "julio"}},
    {"čtvrtek", {"Thursday", "der Donnerstag", "giovedì", "jeudi", "ĵaŭdo"}},
    {"datum", {"date", "das Datum", "data", "date", "dato"}},
    {"den", {"day", "der Tag / die Tage", "giorno", "jour / journée", "tago"}},
    {"duben", {"April", "der April / der Ostermonat", "aprile", "avril", "aprilo"}},
    {"hodina", {"hour", "die Stunde", "ora", "heure", "horo"}},
    {"hodinky", {"watch", "die Armbanduhr", "orologio", "montre", "brakhorloĝo"}},
    {"horoskop", {"horoscope", "das Horoskop", "oroscopo", "horoscope", "horoskopo"}},
    {"jaro", {"spring", "der Frühling / das Frühjahr", "primavera", "printemps", "printempo"}},
    {"jméno", {"name", "der Name", "nome", "nom", "nomo"}},
    {"kalendář", {"calendar", "der Kalender", "calendario", "calendrier", "kalendaro"}},
    {"květen", {"May", "der Mai / der Maimonat", "maggio", "mai", "majo"}},
    {"leden", {"January", "der Januar / der Jänner", "gennaio", "janvier", "januaro"}},
    {"léto", {"summer", "der Sommer", "estate", "été", "somero"}},
    {"listopad", {"November", "der November", "novembre", "novembre", "novembro"}},
    {"měsíc", {"month", "der Monat", "mese", "mois", "monato"}},
    {"minuta", {"minute", "die Minute", "minuto", "minute", "minuto"}},
    {"neděle", {"Sunday", "der Sonntag", "domenica", "dimanche", "dimanĉo"}},
    {"Nový rok",
        {"New Year's Day", "das Neujahr", "Capodanno / capo d'anno", "jour de l'An", "nova jaro"}},
    {"pátek", {"Friday", "der Freitag", "venerdì", "vendredi", "vendredo"}},
    {"podzim", {"autumn / fall (US)", "der Herbst", "autunno", "automne", "aŭtuno"}},
    {"pondělí", {"Monday", "der Montag", "lunedì", "lundi", "lundo"}},
    {"prosinec", {"December", "der Dezember", "dicembre", "décembre", "decembro"}},
    {"roční období", {"season", "die Jahreszeit", "stagione", "saison", "sezono"}},
    {"rok", {"year", "das Jahr", "anno", "an / année", "jaro"}},
    {"říjen", {"October", "der Oktober", "ottobre", "octobre", "oktobro"}},
    {"sekunda", {"second", "die Sekunde", "secondo", "seconde", "sekundo"}},
    {"sobota", {"Saturday", "der Samstag", "sabato", "samedi", "sabato"}},
    {"srpen", {"August", "der August", "agosto", "août", "aŭgusto"}},
    {"středa", {"Wednesday", "der Mittwoch", "mercoledì", "mercredi", "merkredo"}},
    {"svátek", {"name day", "der Namenstag", "onomastico (giorno)", "fête", "nomtago"}},
    {"týden", {"week", "die Woche", "settimana", "semaine", "semajno"}},
    {"únor", {"February", "der Februar", "febbraio", "février", "februaro"}},
    {"úterý", {"Tuesday", "der Dienstag", "martedì", "mardi", "mardo"}},
    {"Vánoce", {"Christmas", "die Weihnachten", "Natale", "Noël", "Kristnasko"}},
    {"Velikonoce", {"Easter", "das Ostern", "Pasqua", "Pâques", "Pasko"}},
    {"září", {"September", "der September", "settembre", "septembre", "septembro"}},
    {"zima", {"winter", "der Winter", "inverno", "hiver", "vintro"}},
}};

// The translation of a word into a language, both given as list positions; "" when either
// is outside its list (-1 is nothing selected).
constexpr std::string_view PrelozSlovo(int slovo, int jazyk)
{
    if (slovo < 0 || slovo >= static_cast<int>(Slovnik.size()) || jazyk < 0
        || jazyk >= static_cast<int>(JazykySlovniku.size()))
        return {};
    return Slovnik[static_cast<std::size_t>(slovo)].preklady[static_cast<std::size_t>(jazyk)];
}

} // namespace voranek
