#include "calendar/pripominka.h"

#include "calendar/popisdne.h"

#include <algorithm>

namespace voranek {

namespace {

// The Czech text, and the Slovak one after it where the two calendars differ.
std::string CeskyASlovensky(std::string_view cz, std::string_view sk)
{
    std::string text(cz);
    if (sk != cz) {
        text += " · SK: ";
        text += sk;
    }
    return text;
}

// "Jana", "Jana a Petr", "Jana, Petr a Eva".
std::string Vycet(const std::vector<std::string> &jmena)
{
    std::string text;
    for (std::size_t i = 0; i < jmena.size(); ++i) {
        if (i > 0)
            text += i + 1 == jmena.size() ? " a " : ", ";
        text += jmena[i];
    }
    return text;
}

std::optional<Datum> Zitra(const Datum &den)
{
    if (den.den < DnyVMesici(den.mesic, den.rok))
        return Datum {static_cast<std::uint16_t>(den.den + 1), den.mesic, den.rok};
    if (den.mesic < 12)
        return Datum {1, static_cast<std::uint16_t>(den.mesic + 1), den.rok};
    if (den.rok < 9999)
        return Datum {1, 1, static_cast<std::uint16_t>(den.rok + 1)};
    return std::nullopt;
}

// The listed persons whose name day falls on the day, each once, in the order of the list.
std::vector<std::string> Oslavenci(const KalendarDnu &kalendar,
    const std::vector<std::vector<Nalez>> &osoby, const std::vector<std::string> &plna,
    const Datum &den)
{
    std::vector<std::string> jmena;
    for (std::size_t i = 0; i < osoby.size(); ++i) {
        const std::vector<Nalez> &nalezy = osoby[i];
        const Nalez *cesky = nullptr;
        const Nalez *slovensky = nullptr;
        bool maCeskyDen = false;
        for (const Nalez &n : nalezy) {
            maCeskyDen = maCeskyDen || n.typ == CZ;
            if (kalendar.Jmeno(n.typ, den.den, den.mesic) != n.index)
                continue;
            const Nalez *&nalez = n.typ == CZ ? cesky : slovensky;
            if (!nalez)
                nalez = &n;
        }
        std::string jmeno;
        const bool plne = i < plna.size();
        if (cesky)
            jmeno = plne ? plna[i] : std::string(cesky->osoba);
        else if (slovensky)
            jmeno = (plne ? plna[i] : std::string(slovensky->osoba)) + (maCeskyDen ? " (SK)" : "");
        else
            continue;
        if (std::find(jmena.begin(), jmena.end(), jmeno) == jmena.end())
            jmena.push_back(std::move(jmeno));
    }
    return jmena;
}

std::string MaSvatek(const std::vector<std::string> &jmena)
{
    return (jmena.size() > 1 ? "mají svátek " : "má svátek ") + Vycet(jmena);
}

} // namespace

Oznameni OznameniDne(const Datum &dnes)
{
    const PopisDne popis = Popis(dnes);
    std::string telo(TextSvatekMa);
    telo += ' ';
    telo += CeskyASlovensky(popis.TextJmena(CZ), popis.TextJmena(SK));
    telo += '\n';
    telo += TextSvatkyDne;
    telo += ' ';
    telo += CeskyASlovensky(BezOdsazeni(popis.TextSvatku(CZ)), BezOdsazeni(popis.TextSvatku(SK)));
    return {popis.datum, telo};
}

std::optional<Oznameni> OznameniOsob(const std::vector<std::vector<Nalez>> &osoby,
    const Datum &dnes, const std::vector<std::string> &jmena)
{
    const KalendarDnu kalendar = VytvorKalendarDnu();
    const std::vector<std::string> dnesni = Oslavenci(kalendar, osoby, jmena, dnes);
    const std::optional<Datum> zitra = Zitra(dnes);
    const std::vector<std::string> zitrejsi
        = zitra ? Oslavenci(kalendar, osoby, jmena, *zitra) : std::vector<std::string> {};
    if (!dnesni.empty()) {
        std::string souhrn = "Dnes " + MaSvatek(dnesni);
        if (!zitrejsi.empty())
            souhrn += ", zítra " + Vycet(zitrejsi);
        return Oznameni {souhrn, TextDatumu(dnes)};
    }
    if (!zitrejsi.empty())
        return Oznameni {"Zítra " + MaSvatek(zitrejsi), TextDatumu(*zitra)};
    return std::nullopt;
}

} // namespace voranek
