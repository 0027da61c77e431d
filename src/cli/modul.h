// The parts of the program kept in modules of their own, found beside the program in the
// build tree and in the program's library folder once installed.
//
// A module has one entry point, a plain C function:
//   extern "C" int name(const Zadani *zadani, ..., char *zprava, std::size_t velikost) noexcept
// It returns the program's exit status: 0 when done, otherwise 1 or 2 with the one Czech line
// to show in zprava ("" when a function the program passed in already knows the reason). No
// exception leaves it: the program links its own copy of the C++ library and the modules the
// shared one, so an exception thrown across cannot be caught. For the same reason the program's
// data is only read by a module, and nothing made on one side is freed on the other.
#pragma once

#include "cli/chyba.h"

#include <cstring>
#include <new>
#include <string>

namespace voranek::cli {

// The program's own file, as the system started it; "" when the system does not say.
std::string CestaProgramu();

// The address of a symbol of the module; throws Chyba when either cannot be had. Modules come
// only from the program's folder or its library folder, or, when the program's own path cannot
// be read, from the library folder it was built for; never from the current folder.
void *SymbolModulu(const char *modul, const char *symbol);

// The body of an entry point: runs prace, which returns the exit status and may set the line to
// show, and turns whatever it throws into a status and a line.
template<typename Prace> int VstupModulu(char *zprava, std::size_t velikost, Prace &&prace) noexcept
{
    auto vrat = [&](int kod, const char *radek) {
        if (velikost > 0) {
            std::strncpy(zprava, radek, velikost - 1);
            zprava[velikost - 1] = '\0';
        }
        return kod;
    };
    try {
        std::string radek;
        const int kod = prace(radek);
        return vrat(kod, radek.c_str());
    } catch (const Chyba &e) {
        return vrat(SpatneZadani, e.what());
    } catch (const std::bad_alloc &) {
        return vrat(SpatneZadani, "nedostatek paměti");
    } catch (...) {
        return vrat(SpatneZadani, "vnitřní chyba programu");
    }
}

} // namespace voranek::cli
