#include "calendar/datum.h"

namespace voranek {

namespace {

// Gauss's rule with M = 24 and N = 5 misses some years of 1989-2099; each listed year is
// mended to the true Easter Monday.
struct Korekce {
    int rok;
    enum class Druh { MinusJedna, PlusTricetDva, MinusSedm, Pevne } druh;
};

using enum Korekce::Druh;

constexpr std::array<Korekce, 27> KorekceVelikonoc = {{
    {1989, MinusJedna},
    {1997, MinusJedna},
    {2005, MinusJedna},
    {2008, MinusJedna},
    {2016, MinusJedna},
    {2027, MinusJedna},
    {2032, MinusJedna},
    {2035, MinusJedna},
    {2043, MinusJedna},
    {2046, MinusJedna},
    {2054, MinusJedna},
    {2059, MinusJedna},
    {2062, MinusJedna},
    {2065, MinusJedna},
    {2070, MinusJedna},
    {2073, MinusJedna},
    {2081, MinusJedna},
    {2084, MinusJedna},
    {2092, MinusJedna},
    {1991, PlusTricetDva},
    {2002, PlusTricetDva},
    {2013, PlusTricetDva},
    {2024, PlusTricetDva},
    {2086, PlusTricetDva},
    {2097, PlusTricetDva},
    {2049, MinusSedm},
    {2076, Pevne},
}};

std::int32_t VelikonoceGauss(int rok)
{
    const int a = rok % 19;
    const int b = rok % 4;
    const int c = rok % 7;
    const int d = (19 * a + 24) % 30;
    const int e = (2 * b + 4 * c + 6 * d + 5) % 7;
    const int s = 22 + d + e;
    std::int32_t r = 0;
    if (s <= 31)
        r = -s;
    else if (s - 31 < 26)
        r = s - 30;
    for (const Korekce &k : KorekceVelikonoc) {
        if (k.rok != rok)
            continue;
        switch (k.druh) {
        case MinusJedna:
            return r - 1;
        case PlusTricetDva:
            return r + 32;
        case MinusSedm:
            return r - 7;
        case Pevne:
            return 20;
        }
    }
    return r;
}

// The full Gregorian computus (anonymous Gregorian algorithm), for clock years the
// correction table does not cover.
std::int32_t VelikonoceGregoriansky(int rok)
{
    const int a = rok % 19;
    const int b = rok / 100;
    const int c = rok % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int mesic = (h + l - 7 * m + 114) / 31;
    const int nedele = (h + l - 7 * m + 114) % 31 + 1;
    const int pondeli = nedele + 1;
    if (mesic == 3)
        return pondeli <= 31 ? -pondeli : 1;
    return pondeli;
}

} // namespace

bool PrestupnyRok(int rok)
{
    return rok % 4 == 0 && (rok % 100 != 0 || rok % 400 == 0);
}

int DnyVMesici(int mesic, int rok)
{
    if (mesic < 1 || mesic > 12)
        return 0;
    if (mesic == 2 && !PrestupnyRok(rok))
        return 28;
    return DelkyMesicu[static_cast<std::size_t>(mesic - 1)];
}

int DenVTydnu(const Datum &datum)
{
    // Days since 1 March of year 0 (proleptic Gregorian), so February comes last in its year.
    int y = datum.rok;
    const int m = datum.mesic;
    if (m <= 2)
        --y;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (m + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + datum.den - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long dny = static_cast<long long>(era) * 146097 + doe;
    // 1 March of year 0 was a Wednesday (4 in the 1 = Sunday numbering).
    const long long w = ((dny + 3) % 7 + 7) % 7;
    return static_cast<int>(w) + 1;
}

std::int32_t Velikonoce(int rok)
{
    if (rok >= PrvniRok && rok <= PosledniRok)
        return VelikonoceGauss(rok);
    return VelikonoceGregoriansky(rok);
}

std::string TextDatumu(const Datum &datum)
{
    std::string text = std::to_string(datum.den);
    text += ". ";
    if (datum.mesic >= 1 && datum.mesic <= 12)
        text += MesiceGenitiv[datum.mesic - 1];
    text += std::to_string(datum.rok);
    text += DnyTydne[static_cast<std::size_t>(DenVTydnu(datum))];
    return text;
}

} // namespace voranek
