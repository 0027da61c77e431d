// Writing a file whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace voranek::cli {

// Writes beside the target and renames over it, so a failure leaves no partial file and an
// older file stays as it was. Throws Chyba naming the file.
// Why a file could not be written, in Czech for the errors a user meets.
std::string Duvod(int chyba);

void ZapisCely(const std::string &cesta, std::string_view obsah);

} // namespace voranek::cli
