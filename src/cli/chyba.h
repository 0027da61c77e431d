// A failure the user caused or must know of: one Czech line for standard error.
#pragma once

#include <stdexcept>
#include <string>

namespace voranek::cli {

struct Chyba : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Exit statuses, as scripts read them.
inline constexpr int Hotovo = 0;
inline constexpr int NicNenalezeno = 1;
inline constexpr int SpatneZadani = 2;

// The value as the user typed it, in Czech quotes.
inline std::string Uvozene(const std::string &text)
{
    return "„" + text + "“";
}

} // namespace voranek::cli
