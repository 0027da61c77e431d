#include "cli/modul.h"

#include "cli/chyba.h"

#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace voranek::cli {

std::string CestaProgramu()
{
    std::string cesta(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", cesta.data(), cesta.size());
    if (n <= 0)
        return {};
    cesta.resize(static_cast<std::size_t>(n));
    return cesta;
}

void *SymbolModulu(const char *modul, const char *symbol)
{
    const std::string program = CestaProgramu();
    const std::string slozka = program.empty() ? "." : program.substr(0, program.rfind('/'));
    // VORANEK_MODULY is the library folder as seen from the folder of the installed program.
    std::string chyba;
    for (const std::string &kde : {slozka, slozka + "/" VORANEK_MODULY}) {
        const std::string cesta = kde + "/" + modul;
        if (access(cesta.c_str(), F_OK) != 0)
            continue;
        void *knihovna = dlopen(cesta.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!knihovna) {
            chyba = dlerror();
            continue;
        }
        if (void *adresa = dlsym(knihovna, symbol))
            return adresa;
        chyba = dlerror();
    }
    throw Chyba("chybí součást programu " + Uvozene(modul)
        + (chyba.empty() ? ": program je nainstalován neúplně" : ": " + chyba));
}

} // namespace voranek::cli
