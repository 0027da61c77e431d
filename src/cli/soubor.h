// Writing a file whole or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voranek::cli {

// Writes beside the target and renames over it, so a failure leaves no partial file and an
// older file stays as it was. Throws Chyba naming the file.
// Why a file could not be written, in Czech for the errors a user meets.
std::string Duvod(int chyba);

// The file gets the permissions prava, or without them those of any new file (0666 less the
// umask).
void ZapisCely(
    const std::string &cesta, std::string_view obsah, std::optional<unsigned> prava = std::nullopt);

} // namespace voranek::cli
