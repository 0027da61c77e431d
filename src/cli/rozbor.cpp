#include "cli/rozbor.h"

#include "cli/chyba.h"

#include <charconv>
#include <ctime>
#include <optional>
#include <string_view>

namespace voranek::cli {

namespace {

// A whole number of digits only, or nothing.
std::optional<int> Cislo(std::string_view text)
{
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    int hodnota = 0;
    const auto [konec, chyba] = std::from_chars(text.data(), text.data() + text.size(), hodnota);
    if (chyba != std::errc {} || konec != text.data() + text.size() || text.front() == '-'
        || text.front() == '+')
        return std::nullopt;
    return hodnota;
}

std::string_view Orizni(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

void OverRok(int rok, const std::string &text)
{
    if (rok < NejmensiRok || rok > NejvetsiRok)
        throw Chyba("rok " + std::to_string(rok) + " v " + Uvozene(text) + " je mimo rozsah "
            + std::to_string(NejmensiRok) + "–" + std::to_string(NejvetsiRok));
}

} // namespace

Datum RozeberDatum(const std::string &text)
{
    std::optional<int> den, mesic, rok;
    const std::string_view t = text;
    if (const auto p1 = t.find('-'); p1 != std::string_view::npos) {
        const auto p2 = t.find('-', p1 + 1);
        if (p2 != std::string_view::npos) {
            rok = Cislo(t.substr(0, p1));
            mesic = Cislo(t.substr(p1 + 1, p2 - p1 - 1));
            den = Cislo(t.substr(p2 + 1));
        }
    } else if (const auto p1 = t.find('.'); p1 != std::string_view::npos) {
        const auto p2 = t.find('.', p1 + 1);
        if (p2 != std::string_view::npos) {
            den = Cislo(Orizni(t.substr(0, p1)));
            mesic = Cislo(Orizni(t.substr(p1 + 1, p2 - p1 - 1)));
            rok = Cislo(Orizni(t.substr(p2 + 1)));
        }
    }
    if (!den || !mesic || !rok)
        throw Chyba("neplatné datum " + Uvozene(text) + ": zadejte 2026-03-29 nebo 29.3.2026");
    OverRok(*rok, text);
    if (*mesic < 1 || *mesic > 12)
        throw Chyba("neplatné datum " + Uvozene(text) + ": měsíc " + std::to_string(*mesic)
            + " neexistuje");
    const int dnu = DnyVMesici(*mesic, *rok);
    if (*den < 1 || *den > dnu)
        throw Chyba("neplatné datum " + Uvozene(text) + ": "
            + std::string(Orizni(MesiceNominativ[static_cast<std::size_t>(*mesic - 1)])) + " "
            + std::to_string(*rok) + " má " + std::to_string(dnu) + " dní");
    return {static_cast<std::uint16_t>(*den), static_cast<std::uint16_t>(*mesic),
        static_cast<std::uint16_t>(*rok)};
}

Roky RozeberRoky(const std::string &text)
{
    const std::string_view t = text;
    const auto pomlcka = t.find('-');
    const auto od = Cislo(t.substr(0, pomlcka));
    const auto doRoku = pomlcka == std::string_view::npos ? od : Cislo(t.substr(pomlcka + 1));
    if (!od || !doRoku)
        throw Chyba("neplatné roky " + Uvozene(text) + ": zadejte 2027 nebo 2027-2030");
    OverRok(*od, text);
    OverRok(*doRoku, text);
    if (*od > *doRoku)
        throw Chyba("neplatné roky " + Uvozene(text) + ": první rok je větší než poslední");
    return {*od, *doRoku};
}

int RozeberCas(const std::string &text)
{
    const std::string_view t = text;
    const auto dvojtecka = t.find(':');
    const auto hodiny = Cislo(t.substr(0, dvojtecka));
    const auto minuty = dvojtecka == std::string_view::npos ? std::optional<int>(0)
                                                            : Cislo(t.substr(dvojtecka + 1));
    if (!hodiny || !minuty || *hodiny > 23 || *minuty > 59
        || (dvojtecka != std::string_view::npos && t.size() - dvojtecka != 3))
        throw Chyba("neplatný čas " + Uvozene(text) + ": zadejte například 8:00");
    return *hodiny * 60 + *minuty;
}

std::array<bool, 2> RozeberVariantu(const std::string &text)
{
    if (text == "cz")
        return {true, false};
    if (text == "sk")
        return {false, true};
    if (text == "obe")
        return {true, true};
    throw Chyba("neznámá varianta " + Uvozene(text) + ": zadejte cz, sk nebo obe");
}

std::vector<std::string> RozeberJmena(const std::string &text)
{
    std::vector<std::string> jmena;
    std::string_view zbytek = text;
    while (true) {
        const auto carka = zbytek.find(',');
        const std::string_view jmeno = Orizni(zbytek.substr(0, carka));
        if (jmeno.empty())
            throw Chyba("prázdné jméno v seznamu " + Uvozene(text));
        jmena.emplace_back(jmeno);
        if (carka == std::string_view::npos)
            return jmena;
        zbytek.remove_prefix(carka + 1);
    }
}

Datum Dnes()
{
    const std::time_t ted = std::time(nullptr);
    std::tm cas {};
    // The year is checked whole: a clock set past 65535 must not come out as some other year.
    if (!localtime_r(&ted, &cas))
        throw Chyba("hodiny počítače ukazují čas, který nelze převést na datum");
    const long long rok = cas.tm_year + 1900LL;
    if (rok < NejmensiRok || rok > NejvetsiRok)
        throw Chyba("rok hodin počítače " + std::to_string(rok) + " je mimo rozsah "
            + std::to_string(NejmensiRok) + "–" + std::to_string(NejvetsiRok));
    return {static_cast<std::uint16_t>(cas.tm_mday), static_cast<std::uint16_t>(cas.tm_mon + 1),
        static_cast<std::uint16_t>(cas.tm_year + 1900)};
}

} // namespace voranek::cli
