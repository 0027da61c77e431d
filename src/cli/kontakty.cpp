#include "cli/kontakty.h"

#include "calendar/popisdne.h"
#include "cli/chyba.h"
#include "cli/soubor.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <tuple>
#include <unordered_map>

namespace voranek::cli {

namespace {

// Every person of the calendars asked for under its folded name: a thousand contacts are
// then a thousand look-ups, not a thousand passes over both calendars.
std::unordered_map<std::string, std::vector<Nalez>> Rejstrik(std::array<bool, 2> kalendare)
{
    std::unordered_map<std::string, std::vector<Nalez>> rejstrik;
    for (TypKalendare typ : {CZ, SK}) {
        if (!kalendare[typ])
            continue;
        for (std::size_t i = 0; i < PocetZaznamu(typ); ++i) {
            const auto index = static_cast<std::int16_t>(i);
            for (std::string_view osoba : Osoby(Zaznam(typ, index)))
                rejstrik[Slozene(osoba)].push_back({typ, index, osoba});
        }
    }
    return rejstrik;
}

// The first of several given names, which vCard 4.0 lists with commas.
std::string_view PrvniSlovo(std::string_view text)
{
    const auto zacatek = text.find_first_not_of(" \t,");
    if (zacatek == std::string_view::npos)
        return {};
    text.remove_prefix(zacatek);
    return text.substr(0, text.find_first_of(" \t,"));
}

bool PredDnem(const Datum &a, const Datum &b)
{
    return std::tie(a.rok, a.mesic, a.den) < std::tie(b.rok, b.mesic, b.den);
}

// How many contacts the list of unknown names shows before it only counts the rest.
constexpr std::size_t NejvicNeznamych = 10;

} // namespace

std::string CtiSoubor(const std::string &cesta)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> soubor(
        std::fopen(cesta.c_str(), "rb"), std::fclose);
    if (!soubor)
        throw Chyba("soubor " + Uvozene(cesta)
            + " nelze přečíst: " + (errno == ENOENT ? "soubor neexistuje" : Duvod(errno)));
    std::string text;
    char blok[65536];
    std::size_t n;
    while ((n = std::fread(blok, 1, sizeof blok, soubor.get())) > 0)
        text.append(blok, n);
    if (std::ferror(soubor.get()))
        throw Chyba("soubor " + Uvozene(cesta) + " nelze přečíst: " + Duvod(errno));
    return text;
}

Shody NajdiKontakty(const std::vector<Kontakt> &kontakty, std::array<bool, 2> kalendare)
{
    const auto rejstrik = Rejstrik(kalendare);
    Shody shody;
    for (const Kontakt &k : kontakty) {
        // A given name "Jan Pavel" is tried whole, then as its first name; a contact without
        // one by the first word of its full name.
        const std::string_view krestni = k.krestni.empty() ? PrvniSlovo(k.jmeno) : k.krestni;
        auto nalez = rejstrik.find(Slozene(krestni));
        if (nalez == rejstrik.end())
            nalez = rejstrik.find(Slozene(PrvniSlovo(krestni)));
        if (nalez == rejstrik.end()) {
            shody.nezname.push_back(k.jmeno);
            continue;
        }
        for (const Nalez &n : nalez->second)
            shody.svatky.push_back({k.jmeno, k.klic, n});
    }
    return shody;
}

std::string VypisKontaktu(const Shody &shody, const KalendarDnu &kalendar, const Datum &od)
{
    struct Radek {
        Datum datum;
        std::size_t poradi;
        std::string text;
    };
    std::vector<Radek> radky;
    const Datum konec {od.den, od.mesic, static_cast<std::uint16_t>(od.rok + 1)};
    for (std::size_t i = 0; i < shody.svatky.size(); ++i) {
        const SvatekKontaktu &s = shody.svatky[i];
        const auto den = kalendar.DatumJmena(s.nalez.typ, s.nalez.index);
        if (!den)
            continue;
        const auto datum = PristiVyskyt(*den, od);
        if (!datum || !PredDnem(*datum, konec))
            continue;
        // The same contact on the same day in both calendars is one line.
        const auto stejny = std::find_if(radky.begin(), radky.end(), [&](const Radek &r) {
            const SvatekKontaktu &p = shody.svatky[r.poradi];
            return p.klic == s.klic && p.nalez.typ != s.nalez.typ && !PredDnem(r.datum, *datum)
                && !PredDnem(*datum, r.datum);
        });
        if (stejny != radky.end()) {
            stejny->text.insert(stejny->text.size() - 1, ", SK");
            continue;
        }
        radky.push_back(
            {*datum, i, TextDne(*den) + ": " + s.jmeno + (s.nalez.typ == CZ ? " (CZ)" : " (SK)")});
    }
    std::stable_sort(radky.begin(), radky.end(),
        [](const Radek &a, const Radek &b) { return PredDnem(a.datum, b.datum); });

    std::string text;
    for (const Radek &r : radky)
        text += r.text + '\n';
    if (radky.empty())
        text += "Žádný z kontaktů nemá v příštích dvanácti měsících svátek.\n";
    if (!shody.nezname.empty()) {
        text += "\nJména, která kalendář nezná:";
        for (std::size_t i = 0; i < shody.nezname.size() && i < NejvicNeznamych; ++i)
            text += (i == 0 ? " " : ", ") + shody.nezname[i];
        if (shody.nezname.size() > NejvicNeznamych)
            text += " a další (" + std::to_string(shody.nezname.size() - NejvicNeznamych) + ")";
        text += '\n';
    }
    return text;
}

OsobyKontaktu OsobyZKontaktu(const Shody &shody)
{
    OsobyKontaktu osoby;
    for (std::size_t i = 0; i < shody.svatky.size(); ++i) {
        const SvatekKontaktu &s = shody.svatky[i];
        if (i == 0 || shody.svatky[i - 1].klic != s.klic) {
            osoby.nalezy.emplace_back();
            osoby.jmena.push_back(s.jmeno);
        }
        osoby.nalezy.back().push_back(s.nalez);
    }
    return osoby;
}

} // namespace voranek::cli
