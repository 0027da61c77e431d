#pragma once
// The directions of the clock's marks and hands, worked out by the compiler with the very
// angles the clock's arithmetic gives, so that a tick needs no trigonometry at run time and
// the maths library stays out of memory.

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace voranek {

struct Smer {
    double sin;
    double cos;
};

inline constexpr double KrokHodin = std::numbers::pi / 6;
inline constexpr double KrokMinut = std::numbers::pi / 30;

template<std::size_t N, typename Uhel> consteval std::array<Smer, N> Smery(Uhel uhel)
{
    std::array<Smer, N> smery {};
    for (std::size_t i = 0; i < N; ++i) {
        const double u = uhel(static_cast<int>(i));
        smery[i] = {std::sin(u), std::cos(u)};
    }
    return smery;
}

// The twelve marks from three o'clock clockwise; the angle grows by adding the hour step.
inline constexpr std::array<Smer, 12> SmeryZnacek = [] {
    std::array<Smer, 12> smery {};
    double uhel = 0;
    for (Smer &s : smery) {
        s = {std::sin(uhel), std::cos(uhel)};
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
