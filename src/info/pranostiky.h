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

// Index 0 is January.
extern const std::array<MesicPranostik, 12> Pranostiky;

// The line between two proverbs.
inline constexpr std::string_view OddelovacPranostik
    = "-----------------------------------------------------------------";

} // namespace voranek
