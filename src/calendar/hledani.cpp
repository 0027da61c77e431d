#include "calendar/hledani.h"

#include "calendar/jmena.h"

#include <array>
#include <utility>

namespace voranek {

namespace {

// Every letter with a diacritic that Czech, Slovak and the names of both calendars use.
constexpr std::array<std::pair<std::string_view, char>, 45> Diakritika = {{
    {"á", 'a'},
    {"ä", 'a'},
    {"č", 'c'},
    {"ď", 'd'},
    {"é", 'e'},
    {"ě", 'e'},
    {"ë", 'e'},
    {"í", 'i'},
    {"ï", 'i'},
    {"ĺ", 'l'},
    {"ľ", 'l'},
    {"ň", 'n'},
    {"ó", 'o'},
    {"ô", 'o'},
    {"ö", 'o'},
    {"ŕ", 'r'},
    {"ř", 'r'},
    {"š", 's'},
    {"ť", 't'},
    {"ú", 'u'},
    {"ů", 'u'},
    {"ü", 'u'},
    {"ý", 'y'},
    {"ž", 'z'},
    {"Á", 'a'},
    {"Ä", 'a'},
    {"Č", 'c'},
    {"Ď", 'd'},
    {"É", 'e'},
    {"Ě", 'e'},
    {"Í", 'i'},
    {"Ĺ", 'l'},
    {"Ľ", 'l'},
    {"Ň", 'n'},
    {"Ó", 'o'},
    {"Ô", 'o'},
    {"Ö", 'o'},
    {"Ŕ", 'r'},
    {"Ř", 'r'},
    {"Š", 's'},
    {"Ť", 't'},
    {"Ú", 'u'},
    {"Ů", 'u'},
    {"Ý", 'y'},
    {"Ž", 'z'},
}};

// Appends the base letter of the letter at i and steps past it; false for a letter not listed.
bool NahradPismeno(std::string_view text, std::size_t &i, std::string &vysledek)
{
    for (const auto &[pismeno, zaklad] : Diakritika) {
        if (text.substr(i, pismeno.size()) == pismeno) {
            vysledek += zaklad;
            i += pismeno.size();
            return true;
        }
    }
    return false;
}

std::string_view Orizni(std::string_view text)
{
    const auto zacatek = text.find_first_not_of(" \t");
    if (zacatek == std::string_view::npos)
        return {};
    const auto konec = text.find_last_not_of(" \t");
    return text.substr(zacatek, konec - zacatek + 1);
}

} // namespace

std::string Slozene(std::string_view text)
{
    text = Orizni(text);
    std::string vysledek;
    vysledek.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            vysledek
                += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
            ++i;
        } else if (!NahradPismeno(text, i, vysledek)) {
            vysledek += text[i++];
        }
    }
    return vysledek;
}

std::vector<std::string_view> Osoby(std::string_view zaznam)
{
    std::vector<std::string_view> osoby;
    while (!zaznam.empty()) {
        std::size_t konec = zaznam.size();
        std::size_t delka = 0;
        for (std::string_view oddelovac : {" / ", " a "}) {
            const auto k = zaznam.find(oddelovac);
            if (k < konec) {
                konec = k;
                delka = oddelovac.size();
            }
        }
        osoby.push_back(zaznam.substr(0, konec));
        zaznam.remove_prefix(konec == zaznam.size() ? konec : konec + delka);
    }
    return osoby;
}

std::string_view Zaznam(TypKalendare typ, std::int16_t index)
{
    const auto i = static_cast<std::size_t>(index);
    if (index < 0 || i >= PocetZaznamu(typ))
        return {};
    return typ == CZ ? JmenaCZ[i] : JmenaSK[i];
}

std::size_t PocetZaznamu(TypKalendare typ)
{
    return typ == CZ ? JmenaCZ.size() : JmenaSK.size();
}

std::vector<Nalez> PresneShody(TypKalendare typ, std::string_view text)
{
    const std::string hledane = Slozene(text);
    std::vector<Nalez> nalezy;
    if (hledane.empty())
        return nalezy;
    for (std::size_t i = 0; i < PocetZaznamu(typ); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        for (std::string_view osoba : Osoby(Zaznam(typ, index))) {
            if (Slozene(osoba) == hledane)
                nalezy.push_back({typ, index, osoba});
        }
    }
    return nalezy;
}

Hledani HledejJmeno(std::string_view text)
{
    Hledani hledani;
    for (TypKalendare typ : {CZ, SK}) {
        for (const Nalez &n : PresneShody(typ, text))
            hledani.nalezy.push_back(n);
    }
    hledani.presne = !hledani.nalezy.empty();
    if (hledani.presne)
        return hledani;

    const std::string hledane = Slozene(text);
    if (hledane.empty())
        return hledani;
    for (TypKalendare typ : {CZ, SK}) {
        for (std::size_t i = 0; i < PocetZaznamu(typ); ++i) {
            const auto index = static_cast<std::int16_t>(i);
            for (std::string_view osoba : Osoby(Zaznam(typ, index))) {
                if (!Slozene(osoba).starts_with(hledane))
                    continue;
                if (hledani.nalezy.size() == NejvicZacatku)
                    return hledani;
                hledani.nalezy.push_back({typ, index, osoba});
                break; // an entry is listed once
            }
        }
    }
    return hledani;
}

std::optional<Datum> PristiVyskyt(DenMesic den, const Datum &od)
{
    int rok = od.rok;
    if (den.mesic < od.mesic || (den.mesic == od.mesic && den.den < od.den))
        ++rok;
    while (den.den > DnyVMesici(den.mesic, rok))
        ++rok;
    if (rok > 9999)
        return std::nullopt;
    return Datum {static_cast<std::uint16_t>(den.den), static_cast<std::uint16_t>(den.mesic),
        static_cast<std::uint16_t>(rok)};
}

std::string TextDne(DenMesic den)
{
    std::string text = std::to_string(den.den) + ". ";
    if (den.mesic >= 1 && den.mesic <= 12) {
        const std::string_view mesic = MesiceGenitiv[static_cast<std::size_t>(den.mesic - 1)];
        text += mesic.substr(0, mesic.size() - 1);
    }
    return text;
}

} // namespace voranek
