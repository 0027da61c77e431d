#include "calendar/udajedne.h"

#include <span>

namespace voranek {

namespace {

std::span<const Svatek> Tabulka(TypKalendare typ)
{
    return typ == CZ ? std::span<const Svatek>(SvatkyCZ) : std::span<const Svatek>(SvatkySK);
}

std::span<const ObdobiSvatku> Obdobi(TypKalendare typ)
{
    return typ == CZ ? std::span<const ObdobiSvatku>(ObdobiCZ)
                     : std::span<const ObdobiSvatku>(ObdobiSK);
}

// March and April as one run of days: day d of March is d, day d of April is 31 + d.
int PoradiNaJare(int den, int mesic)
{
    return mesic == 3 ? den : mesic == 4 ? 31 + den : 0;
}

DenMesic DenNaJare(int poradi)
{
    return poradi <= 31 ? DenMesic {poradi, 3} : DenMesic {poradi - 31, 4};
}

int VelikonocniPondeli(int rok)
{
    const std::int32_t v = Velikonoce(rok);
    return v < 0 ? -v : 31 + v;
}

// The movable holiday of a code, as days after Easter Monday, or nothing for a fixed one.
std::optional<int> OdPondeli(TypKalendare typ, std::int16_t kod)
{
    if (typ == CZ) {
        if (kod == VelikonocniPondeliCZ)
            return 0;
        if (kod == VelikonocniNedeleCZ)
            return -1;
        if (kod == VelkyPatekCZ)
            return -3;
        return std::nullopt;
    }
    if (kod == VelikonocniPondeliSK)
        return 0;
    if (kod == VelkyPatekSK)
        return -3;
    return std::nullopt;
}

// The code standing on a day in a year, whether or not the law of that year has it.
std::int16_t KodDne(TypKalendare typ, const Datum &datum)
{
    for (const PevnySvatek &s : PevneSvatky) {
        if (s.den == datum.den && s.mesic == datum.mesic)
            return typ == CZ ? s.cz : s.sk;
    }
    if (const int poradi = PoradiNaJare(datum.den, datum.mesic); poradi > 0) {
        const int pondeli = VelikonocniPondeli(datum.rok);
        for (std::int16_t kod = 0; kod < static_cast<std::int16_t>(Tabulka(typ).size()); ++kod) {
            if (const auto posun = OdPondeli(typ, kod); posun && pondeli + *posun == poradi)
                return kod;
        }
    }
    return -1;
}

} // namespace

bool JeVolno(DruhSvatku druh)
{
    return druh == Statni || druh == Ostatni;
}

std::optional<SvatekRoku> SvatekVRoce(TypKalendare typ, std::int16_t kod, int rok)
{
    const auto tabulka = Tabulka(typ);
    if (kod < 0 || static_cast<std::size_t>(kod) >= tabulka.size())
        return std::nullopt;
    const Svatek &svatek = tabulka[static_cast<std::size_t>(kod)];
    for (const ObdobiSvatku &o : Obdobi(typ)) {
        if (o.kod != kod || rok < o.od || rok > o.doRoku)
            continue;
        return SvatekRoku {kod, o.druh, o.kratky.empty() ? svatek.kratky : o.kratky,
            o.dlouhy.empty() ? svatek.dlouhy : o.dlouhy, o.nazev};
    }
    return std::nullopt;
}

UdajeDne Udaje(const Datum &datum, TypKalendare typ)
{
    UdajeDne udaje;
    if (datum.den < 1 || datum.den > DnyVMesici(datum.mesic, datum.rok))
        return udaje;
    udaje.jmeno = JmenoDne(typ, datum.den, datum.mesic);
    udaje.svatek = SvatekVRoce(typ, KodDne(typ, datum), datum.rok);
    return udaje;
}

std::optional<DenMesic> DenSvatku(TypKalendare typ, std::int16_t kod, int rok)
{
    if (!SvatekVRoce(typ, kod, rok))
        return std::nullopt;
    if (const auto posun = OdPondeli(typ, kod))
        return DenNaJare(VelikonocniPondeli(rok) + *posun);
    for (const PevnySvatek &s : PevneSvatky) {
        if ((typ == CZ ? s.cz : s.sk) == kod)
            return DenMesic {s.den, s.mesic};
    }
    return std::nullopt;
}

void NaplnRok(KalendarDnu &kalendar, int rok)
{
    for (int mesic = 1; mesic <= 12; ++mesic) {
        auto &dny = kalendar[static_cast<std::size_t>(mesic - 1)];
        for (std::size_t d = 0; d < dny.size(); ++d) {
            const Datum datum {static_cast<std::uint16_t>(d + 1), static_cast<std::uint16_t>(mesic),
                static_cast<std::uint16_t>(rok)};
            for (TypKalendare typ : {CZ, SK}) {
                const auto svatek = Udaje(datum, typ).svatek;
                (typ == CZ ? dny[d].svatekCZ : dny[d].svatekSK) = svatek ? svatek->kod : -1;
            }
        }
    }
}

} // namespace voranek
