#include "calendar/kalendardnu.h"

#include "calendar/jmena.h"

namespace voranek {

namespace {

using IndexyMesice = std::array<std::array<std::int16_t, 31>, 12>;

template<std::size_t N>
consteval IndexyMesice IndexyDnu(
    const JmenaMesice &dny, const std::array<std::string_view, N> &jmena)
{
    IndexyMesice indexy {};
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t d = 0; d < 31; ++d) {
            indexy[m][d] = -1;
            if (dny[m][d].empty())
                continue;
            std::size_t i = 0;
            while (jmena[i] != dny[m][d])
                ++i; // runs past the end, and so fails to compile, for an unknown name
            indexy[m][d] = static_cast<std::int16_t>(i);
        }
    }
    return indexy;
}

constexpr IndexyMesice IndexyCZ = IndexyDnu(JmenaDnuCZ, JmenaCZ);
constexpr IndexyMesice IndexySK = IndexyDnu(JmenaDnuSK, JmenaSK);

template<typename Pole>
std::optional<DenMesic> NajdiDen(const KalendarDnu &kalendar, int hodnota, Pole pole)
{
    for (int m = 1; m <= 12; ++m) {
        const auto &mesic = kalendar[static_cast<std::size_t>(m - 1)];
        for (std::size_t d = 0; d < mesic.size(); ++d) {
            if (mesic[d].*pole == hodnota)
                return DenMesic {static_cast<int>(d) + 1, m};
        }
    }
    return std::nullopt;
}

} // namespace

const DenKalendare *KalendarDnu::Den(int den, int mesic) const
{
    if (mesic < 1 || mesic > 12)
        return nullptr;
    const auto &dny = mesice_[static_cast<std::size_t>(mesic - 1)];
    if (den < 1 || static_cast<std::size_t>(den) > dny.size())
        return nullptr;
    return &dny[static_cast<std::size_t>(den - 1)];
}

std::int16_t KalendarDnu::Jmeno(TypKalendare typ, int den, int mesic) const
{
    const DenKalendare *d = Den(den, mesic);
    if (!d)
        return -1;
    return typ == CZ ? d->jmenoCZ : d->jmenoSK;
}

std::int16_t KalendarDnu::SvatekKod(TypKalendare typ, int den, int mesic) const
{
    const DenKalendare *d = Den(den, mesic);
    if (!d)
        return -1;
    return typ == CZ ? d->svatekCZ : d->svatekSK;
}

std::optional<DenMesic> KalendarDnu::DatumJmena(TypKalendare typ, int index) const
{
    if (index < 0)
        return std::nullopt;
    return NajdiDen(*this, index, typ == CZ ? &DenKalendare::jmenoCZ : &DenKalendare::jmenoSK);
}

std::optional<DenMesic> KalendarDnu::DatumSvatku(TypKalendare typ, int kod) const
{
    if (kod < 0)
        return std::nullopt;
    return NajdiDen(*this, kod, typ == CZ ? &DenKalendare::svatekCZ : &DenKalendare::svatekSK);
}

KalendarDnu VytvorKalendarDnu()
{
    KalendarDnu kalendar;
    for (std::size_t m = 0; m < 12; ++m) {
        auto &mesic = kalendar[m];
        mesic.assign(static_cast<std::size_t>(DelkyMesicu[m]), DenKalendare {});
        for (std::size_t d = 0; d < mesic.size(); ++d) {
            mesic[d].jmenoCZ = IndexyCZ[m][d];
            mesic[d].jmenoSK = IndexySK[m][d];
        }
    }
    return kalendar;
}

std::int16_t JmenoDne(TypKalendare typ, int den, int mesic)
{
    if (mesic < 1 || mesic > 12 || den < 1
        || den > DelkyMesicu[static_cast<std::size_t>(mesic - 1)])
        return -1;
    const IndexyMesice &indexy = typ == CZ ? IndexyCZ : IndexySK;
    return indexy[static_cast<std::size_t>(mesic - 1)][static_cast<std::size_t>(den - 1)];
}

DenMesic DatumJmenaCZ(int index)
{
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t d = 0; d < 31; ++d) {
            if (IndexyCZ[m][d] == index)
                return {static_cast<int>(d) + 1, static_cast<int>(m) + 1};
        }
    }
    return {0, 0};
}

} // namespace voranek
