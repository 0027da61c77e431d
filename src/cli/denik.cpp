#include "cli/denik.h"

#include "cli/chyba.h"
#include "cli/soubor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voranek::cli {

namespace {

[[noreturn]] void Selhani(const std::string &co, const std::string &cesta, int chyba)
{
    throw Chyba(co + " " + Uvozene(cesta) + " nelze zapsat: " + Duvod(chyba));
}

std::string Den(const Datum &den)
{
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d\n", den.rok, den.mesic, den.den);
    return text;
}

} // namespace

std::string SouborDeniku()
{
    std::string slozka;
    // A relative path in the variable is to be ignored.
    if (const char *stav = std::getenv("XDG_STATE_HOME"); stav && stav[0] == '/')
        slozka = stav;
    else if (const char *domov = std::getenv("HOME"); domov && domov[0] == '/')
        slozka = std::string(domov) + "/.local/state";
    else
        throw Chyba("nevím, kam zapsat den připomínky: proměnná HOME není nastavena");
    while (slozka.size() > 1 && slozka.back() == '/')
        slozka.pop_back();
    return slozka + "/voranek/posledni-pripominka";
}

DenikPripominek::DenikPripominek(std::string soubor)
    : soubor_(std::move(soubor))
{
    for (std::size_t konec = soubor_.find('/', 1); konec != std::string::npos;
         konec = soubor_.find('/', konec + 1)) {
        const std::string slozka = soubor_.substr(0, konec);
        // The state folders are the user's own: created private, as the base directory rules
        // ask.
        if (mkdir(slozka.c_str(), 0700) != 0 && errno != EEXIST)
            Selhani("složku", slozka, errno);
    }
    fd_ = open(soubor_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        Selhani("soubor", soubor_, errno);
    while (flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR)
            break; // unlocked, the record still works for runs that do not overlap
    }
    char blok[64];
    for (ssize_t n; (n = read(fd_, blok, sizeof blok)) != 0 && obsah_.size() < 64;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        obsah_.append(blok, static_cast<std::size_t>(n));
    }
}

DenikPripominek::~DenikPripominek()
{
    close(fd_);
}

bool DenikPripominek::Ukazano(const Datum &den) const
{
    return obsah_ == Den(den);
}

void DenikPripominek::Zapis(const Datum &den)
{
    const std::string text = Den(den);
    if (ftruncate(fd_, 0) != 0
        || pwrite(fd_, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
        Selhani("soubor", soubor_, errno);
    obsah_ = text;
}

} // namespace voranek::cli
