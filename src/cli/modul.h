// The parts of the program kept in modules of their own, found beside the program in the
// build tree and in the program's library folder once installed.
#pragma once

#include <string>

namespace voranek::cli {

// The program's own file, as the system started it.
std::string CestaProgramu();

// The address of a symbol of the module; throws Chyba when either cannot be had.
void *SymbolModulu(const char *modul, const char *symbol);

} // namespace voranek::cli
