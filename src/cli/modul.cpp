#include "cli/modul.h"

#include <dlfcn.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace voranek::cli {

std::string CestaProgramu()
{
    std::string cesta(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", cesta.data(), cesta.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= cesta.size())
        return {};
    cesta.resize(static_cast<std::size_t>(n));
    return cesta;
}

void *SymbolModulu(const char *modul, const char *symbol)
{
    const std::string program = CestaProgramu();
    std::vector<std::string> slozky;
    if (program.starts_with('/')) {
        const std::string slozka = program.substr(0, program.rfind('/'));
        // VORANEK_MODULY is the library folder as seen from the folder of the installed program.
        slozky = {slozka, slozka + "/" VORANEK_MODULY};
    } else {
        slozky = {VORANEK_MODULY_SLOZKA};
    }
    std::string chyba;
    for (const std::string &kde : slozky) {
        const std::string cesta = kde + "/" + modul;
        if (access(cesta.c_str(), F_OK) != 0)
            continue;
        void *knihovna = dlopen(cesta.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!knihovna) {
            // The loader's own words are English; a module that is there and does not load is
            // either damaged or has no room.
            const std::string_view proc = dlerror();
            chyba = proc.find("memory") != std::string_view::npos
                    || proc.find("map") != std::string_view::npos
                ? "nedostatek paměti"
                : "je poškozená";
            continue;
        }
        if (void *adresa = dlsym(knihovna, symbol))
            return adresa;
        chyba = "je z jiné verze programu";
    }
    if (chyba.empty())
        throw Chyba(
            "chybí součást programu " + Uvozene(modul) + ": program je nainstalován neúplně");
    throw Chyba("součást programu " + Uvozene(modul) + " nelze načíst: " + chyba);
}

} // namespace voranek::cli
