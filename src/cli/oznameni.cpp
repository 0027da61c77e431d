#include "cli/oznameni.h"

#include "cli/chyba.h"

namespace voranek::cli {

std::vector<std::vector<Nalez>> OsobyPripominky(const std::vector<std::string> &jmena)
{
    std::vector<std::vector<Nalez>> osoby;
    for (const std::string &jmeno : jmena) {
        std::vector<Nalez> nalezy = PresneShody(CZ, jmeno);
        for (const Nalez &n : PresneShody(SK, jmeno))
            nalezy.push_back(n);
        if (nalezy.empty())
            throw Chyba("jméno " + Uvozene(jmeno) + " v českém ani slovenském kalendáři není");
        osoby.push_back(std::move(nalezy));
    }
    return osoby;
}

} // namespace voranek::cli
