#include "cli/vypis.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace voranek::cli {

namespace {

constexpr std::string_view Zkratka(TypKalendare typ)
{
    return typ == CZ ? "CZ" : "SK";
}

nlohmann::ordered_json JsonSvatku(const std::optional<SvatekRoku> &svatek)
{
    if (!svatek)
        return nullptr;
    return {{"text", BezOdsazeni(svatek->kratky)}, {"nazev", svatek->nazev},
        {"druh", NazevDruhu(svatek->druh)}};
}

std::string IsoDatum(const Datum &datum)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", datum.rok, datum.mesic, datum.den);
    return text;
}

} // namespace

std::string_view NazevDruhu(DruhSvatku druh)
{
    switch (druh) {
    case Statni:
        return "státní svátek";
    case Ostatni:
        return "ostatní svátek";
    case BezVolna:
        return "svátek bez volna";
    case Vyznamny:
        return "významný den";
    case Zvyk:
        break;
    }
    return "zvyk";
}

std::string VypisDne(const PopisDne &popis, bool tucne)
{
    std::string text = tucne ? "\033[1m" + popis.datum + "\033[0m\n" : popis.datum + "\n";
    // A heading, then one line a calendar with its country mark.
    const auto skupina = [&text](std::string_view nadpis, auto radekKalendare) {
        text.append(nadpis).append("\n");
        for (TypKalendare typ : {CZ, SK})
            text.append("  ")
                .append(Zkratka(typ))
                .append(": ")
                .append(radekKalendare(typ))
                .append("\n");
    };
    skupina(TextSvatekMa, [&popis](TypKalendare typ) { return popis.TextJmena(typ); });
    skupina(
        TextSvatkyDne, [&popis](TypKalendare typ) { return BezOdsazeni(popis.TextSvatku(typ)); });
    return text;
}

std::string Radek(const PopisDne &popis)
{
    std::string radek(popis.TextJmena(CZ));
    if (popis.TextJmena(SK) != popis.TextJmena(CZ)) {
        radek += " · SK: ";
        radek += popis.TextJmena(SK);
    }
    for (TypKalendare typ : {CZ, SK}) {
        if (popis.svatky[typ]) {
            radek += typ == CZ ? " · " : " · SK: ";
            radek += BezOdsazeni(popis.svatky[typ]->kratky);
        }
    }
    return radek + '\n';
}

std::string Json(const PopisDne &popis, const Datum &datum)
{
    nlohmann::ordered_json json = {{"datum", IsoDatum(datum)}, {"text", popis.datum}};
    for (TypKalendare typ : {CZ, SK}) {
        const std::string_view jmeno = Zaznam(typ, popis.jmeno[typ]);
        json[typ == CZ ? "cz" : "sk"] = {
            {"jmeno",
                jmeno.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(jmeno)},
            {"svatek", JsonSvatku(popis.svatky[typ])},
        };
    }
    return json.dump() + '\n';
}

std::string TextNalezu(const Nalez &nalez, const KalendarDnu &kalendar, const Datum &dnes)
{
    std::string radek(Zaznam(nalez.typ, nalez.index));
    radek += " (";
    radek += Zkratka(nalez.typ);
    radek += "): ";
    const auto den = kalendar.DatumJmena(nalez.typ, nalez.index);
    if (!den)
        return radek + "bez dne\n";
    radek += TextDne(*den);
    if (den->den == dnes.den && den->mesic == dnes.mesic)
        return radek + ", dnes\n";
    if (const auto pristi = PristiVyskyt(*den, dnes))
        radek += ", příště " + TextDatumu(*pristi);
    return radek + '\n';
}

} // namespace voranek::cli
