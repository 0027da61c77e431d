// The mini-dictionary: 41 Czech calendar words in five languages. The words stand in Czech
// alphabetical order, and the row of a word is its position in the word list.
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
    {"čtvrtek", {"Thursday", "der Donnerstag", "giovedi", "jeudi", "jaudo"}},
    {"datum", {"date", "die Zeitangabe", "data", "date", "dato"}},
    {"den", {"day", "der Tag / die Tage", "giorno", "jour / journée", "tago"}},
    {"duben", {"April", "der April / der Ostermonat", "aprile", "avril", "aprilo"}},
    {"hodina", {"hour", "die Uhr", "ora", "heure", "horo"}},
    {"hodinky", {"watch", "eine Uhr", "orologio", "montre", "horlago"}},
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
    {"neděle", {"Sunday", "der Sonntag", "domenica", "dimanche", "dimanco"}},
    {"nový rok",
        {"New Year's Day", "das Neujahr", "Capodanno / capo d'anno", "jour de l'an", "nova jaro"}},
    {"pátek", {"Friday", "der Freitag", "venerdi", "vendredi", "vendredo"}},
    {"podzim", {"autumn / fall (US)", "der Herbst", "autunno", "automne", "autuno"}},
    {"pondělí", {"Monday", "der Montag", "lunedi", "lundi", "lundo"}},
    {"prosinec", {"December", "der Dezember", "dicembre", "décembre", "decembro"}},
    {"roční období", {"season", "die Jahreszeit", "stagione", "saison", "sezono"}},
    {"rok", {"year", "das Jahr", "anno", "an / année", "jaro"}},
    {"říjen", {"October", "der Oktober", "ottobre", "octobre", "oktobro"}},
    {"sekunda", {"second", "die Sekunde", "seconda", "seconde", "sekundo"}},
    {"sobota", {"Saturday", "der Samstag", "sabato", "samedi", "sabato"}},
    {"srpen", {"August", "der August", "agosto", "aout", "augusto"}},
    {"středa", {"Wednesday", "der Mittwoch", "mercoledi", "mercredi", "merkredo"}},
    {"svátek", {"name day", "der Namenstag", "onomastico (giorno)", "fete", "nomtago"}},
    {"týden", {"week", "die Woche", "settimana", "huit jours", "semajno"}},
    {"únor", {"February", "der Februar", "febbraio", "février", "februaro"}},
    {"úterý", {"Tuesday", "der Dienstag", "martedi", "mardi", "mardo"}},
    {"vánoce", {"Christmas", "die Weihnachten", "Natale", "Noël", "Kristnasko"}},
    {"velikonoce", {"Easter", "das Ostern", "Pasqua", "pâques", "Pasko"}},
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
