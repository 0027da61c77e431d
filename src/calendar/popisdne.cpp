#include "calendar/popisdne.h"

#include "calendar/jmena.h"

namespace voranek {

std::string_view TextJmena(TypKalendare typ, std::int16_t index)
{
    if (index < 0)
        return TextNikdo;
    const auto i = static_cast<std::size_t>(index);
    if (typ == CZ)
        return i < JmenaCZ.size() ? JmenaCZ[i] : TextNikdo;
    return i < JmenaSK.size() ? JmenaSK[i] : TextNikdo;
}

const Svatek *NajdiSvatek(TypKalendare typ, std::int16_t kod)
{
    if (kod < 0)
        return nullptr;
    const auto i = static_cast<std::size_t>(kod);
    if (typ == CZ)
        return i < SvatkyCZ.size() ? &SvatkyCZ[i] : nullptr;
    return i < SvatkySK.size() ? &SvatkySK[i] : nullptr;
}

PopisDne Popis(const Datum &datum)
{
    PopisDne popis;
    popis.datum = TextDatumu(datum);
    for (TypKalendare typ : {CZ, SK}) {
        const UdajeDne udaje = Udaje(datum, typ);
        popis.jmeno[typ] = udaje.jmeno;
        popis.svatek[typ] = udaje.svatek ? udaje.svatek->kod : -1;
        popis.svatky[typ] = udaje.svatek;
    }
    return popis;
}

std::string_view BezOdsazeni(std::string_view text)
{
    const auto zacatek = text.find_first_not_of(' ');
    return zacatek == std::string_view::npos ? std::string_view {} : text.substr(zacatek);
}

} // namespace voranek
