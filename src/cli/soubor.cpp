#include "cli/soubor.h"

#include "cli/chyba.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace voranek::cli {

std::string Duvod(int chyba)
{
    switch (chyba) {
    case EACCES:
    case EPERM:
        return "přístup odepřen";
    case ENOENT:
        return "složka neexistuje";
    case ENOTDIR:
        return "cesta nevede do složky";
    case EISDIR:
        return "je to složka";
    case EROFS:
        return "souborový systém je jen pro čtení";
    case ENOSPC:
    case EDQUOT:
        return "na disku není místo";
    default:
        return std::strerror(chyba);
    }
}

namespace {

[[noreturn]] void Selhani(const std::string &cesta, int chyba)
{
    throw Chyba("soubor " + Uvozene(cesta) + " nelze zapsat: " + Duvod(chyba));
}

} // namespace

void ZapisCely(const std::string &cesta, std::string_view obsah, std::optional<unsigned> prava)
{
    struct stat cil {
    };
    if (stat(cesta.c_str(), &cil) == 0 && S_ISDIR(cil.st_mode))
        Selhani(cesta, EISDIR);

    std::string docasny = cesta + ".XXXXXX";
    const int fd = mkstemp(docasny.data());
    if (fd < 0)
        Selhani(cesta, errno);

    // mkstemp makes the file private; a calendar file is as readable as any other new file.
    const mode_t maska = umask(0);
    umask(maska);
    int chyba = 0;
    if (fchmod(fd, prava ? static_cast<mode_t>(*prava) : 0666 & ~maska) != 0)
        chyba = errno;
    for (std::size_t zapsano = 0; chyba == 0 && zapsano < obsah.size();) {
        const ssize_t n = write(fd, obsah.data() + zapsano, obsah.size() - zapsano);
        if (n < 0 && errno != EINTR)
            chyba = errno;
        else if (n > 0)
            zapsano += static_cast<std::size_t>(n);
    }
    if (chyba == 0 && fsync(fd) != 0)
        chyba = errno;
    if (close(fd) != 0 && chyba == 0)
        chyba = errno;
    if (chyba == 0 && std::rename(docasny.c_str(), cesta.c_str()) != 0)
        chyba = errno;
    if (chyba != 0) {
        unlink(docasny.c_str());
        Selhani(cesta, chyba);
    }
}

} // namespace voranek::cli
