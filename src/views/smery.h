#pragma once
// The directions of the clock's marks and hands, worked out by the compiler with the very
// angles the clock's arithmetic gives, so that a tick needs no trigonometry at run time and
// the maths library stays out of memory.

#include <array>
#include <cstddef>
#include <numbers>

namespace voranek {

struct Smer {
    double sin;
    double cos;
};

namespace trigonometrie {

// The standard sine and cosine are not constant expressions for every compiler: these sum their
// series in long double over a quarter turn at most, which rounds to the library's double.
constexpr long double Rada(long double x, long double clen, int od)
{
    long double soucet = 0;
    for (int n = od; n < od + 60; n += 2) {
        soucet += clen;
        clen *= -x * x / ((n + 1) * (n + 2));
    }
    return soucet;
}

constexpr Smer SmerUhlu(double uhel)
{
    // A quarter turn in three parts of 32 bits, each of whose multiples is exact, so that taking
    // whole quarters away leaves the rest exact even where it is all but zero (π/2 and the like).
    constexpr long double Ctvrt1 = 0x6487ed51p-30L;
    constexpr long double Ctvrt2 = 0x85a308d3p-65L;
    constexpr long double Ctvrt3 = 2.0222662487959507323996846200947577e-21L;
    long double x = uhel;
    const long double ctvrtin = x / (Ctvrt1 + Ctvrt2);
    const long long kvadrant = static_cast<long long>(ctvrtin + (ctvrtin < 0 ? -0.5L : 0.5L));
    const auto k = static_cast<long double>(kvadrant);
    x = ((x - k * Ctvrt1) - k * Ctvrt2) - k * Ctvrt3;
    const long double s = Rada(x, x, 1);
    const long double c = Rada(x, 1, 0);
    switch (((kvadrant % 4) + 4) % 4) {
    case 0:
        return {static_cast<double>(s), static_cast<double>(c)};
    case 1:
        return {static_cast<double>(c), static_cast<double>(-s)};
    case 2:
        return {static_cast<double>(-s), static_cast<double>(-c)};
    default:
        return {static_cast<double>(-c), static_cast<double>(s)};
    }
}

} // namespace trigonometrie

inline constexpr double KrokHodin = std::numbers::pi / 6;
inline constexpr double KrokMinut = std::numbers::pi / 30;

template<std::size_t N, typename Uhel> consteval std::array<Smer, N> Smery(Uhel uhel)
{
    std::array<Smer, N> smery {};
    for (std::size_t i = 0; i < N; ++i) {
        smery[i] = trigonometrie::SmerUhlu(uhel(static_cast<int>(i)));
    }
    return smery;
}

// The twelve marks from three o'clock clockwise; the angle grows by adding the hour step.
inline constexpr std::array<Smer, 12> SmeryZnacek = [] {
    std::array<Smer, 12> smery {};
    double uhel = 0;
    for (Smer &s : smery) {
        s = trigonometrie::SmerUhlu(uhel);
        uhel += KrokHodin;
    }
    return smery;
}();

// The second and the minute hand: index = second or minute.
inline constexpr auto SmeryMinut = Smery<60>([](int i) { return i * KrokMinut; });

// The hour hand: index = hour × 60 + minute, hours 0 to 23.
inline constexpr auto SmeryHodin
    = Smery<24 * 60>([](int i) { return (i / 60 + i % 60 * (1.0 / 60)) * KrokHodin; });

} // namespace voranek
