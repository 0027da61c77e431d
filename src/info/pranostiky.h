// Czech weather proverbs: for each month its caption and its proverbs in order.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace voranek {

struct MesicPranostik {
    std::string_view nadpis;
    std::span<const std::string_view> pranostiky;
};

// Index 0 is January. The proverbs are read from their text on first use.
const std::array<MesicPranostik, 12> &Pranostiky();

// The tables behind Pranostiky(): the captions, and all proverbs as one text.
extern const std::array<std::string_view, 12> NadpisyPranostik;
extern const char TextPranostik[];

// The line between two proverbs.
inline constexpr std::string_view OddelovacPranostik
    = "-----------------------------------------------------------------";

} // namespace voranek
