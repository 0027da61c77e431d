#include "info/jmenainfo.h"

#include "calendar/datum.h"
#include "calendar/jmena.h"
#include "calendar/kalendardnu.h"
#include "info/text.h"
#include "views/text.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace voranek {

namespace {

// Headings set by hand; the others follow the rule.
struct VyjimkaNadpisu {
    std::string_view zaznam;
    std::string_view nadpis;
};

constexpr std::array<VyjimkaNadpisu, 3> VyjimkyNadpisu = {{
    {"Albína", "A L B Í N A "},
    {"Cyril a Metoděj", "C Y R I L    /    M E T O D Ě J"},
    {"Šarlota / Zoe", "Š A R L O T A     /     Z O E"},
}};

} // namespace

std::span<const OsobaJmena> OsobyJmen()
{
    static const std::vector<OsobaJmena> osoby = [] {
        std::vector<OsobaJmena> o;
        for (std::string_view radek : RadkyTextu(TextOsobJmen)) {
            const std::vector<std::string_view> pole = RozdelRadek(radek, '|');
            if (pole.size() != 5)
                throw std::logic_error("Poškozená tabulka jmen: " + std::string(radek));
            std::int16_t zaznam = -1;
            std::from_chars(pole[0].data(), pole[0].data() + pole[0].size(), zaznam);
            o.push_back({zaznam, pole[1], pole[2], pole[3], pole[4]});
        }
        return o;
    }();
    return osoby;
}

std::span<const OsobaJmena> OsobyZaznamu(int zaznam)
{
    struct PodleZaznamu {
        bool operator()(const OsobaJmena &o, int z) const { return o.zaznam < z; }
        bool operator()(int z, const OsobaJmena &o) const { return z < o.zaznam; }
    };
    const std::span<const OsobaJmena> osoby = OsobyJmen();
    const auto [od, po] = std::equal_range(osoby.begin(), osoby.end(), zaznam, PodleZaznamu {});
    return {od, po};
}

QString NadpisJmena(int zaznam)
{
    if (zaznam < 0 || zaznam >= static_cast<int>(JmenaCZ.size()))
        return {};
    const std::string_view jmeno = JmenaCZ[static_cast<std::size_t>(zaznam)];
    for (const VyjimkaNadpisu &v : VyjimkyNadpisu) {
        if (v.zaznam == jmeno)
            return Qs(v.nadpis);
    }
    QStringList slova;
    for (const QString &slovo : Qs(jmeno).toUpper().split(u' ', Qt::SkipEmptyParts)) {
        QStringList pismena;
        for (QChar c : slovo)
            pismena.append(QString(c));
        slova.append(pismena.join(u' '));
    }
    return slova.join(u"    "_s);
}

QString DatumJmena(int zaznam)
{
    const DenMesic den = DatumJmenaCZ(zaznam);
    if (den.mesic < 1)
        return {};
    return QString::number(den.den) + u". "_s
        + Qs(MesiceGenitiv[static_cast<std::size_t>(den.mesic - 1)]).trimmed();
}

} // namespace voranek
