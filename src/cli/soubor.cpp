#include "cli/soubor.h"

#include "cli/chyba.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
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
    case EFBIG:
        return "soubor by byl větší, než systém dovolí";
    case EBADF:
        return "popisovač souboru není otevřen pro zápis";
    case ELOOP:
        return "příliš mnoho odkazů za sebou";
    case ENAMETOOLONG:
        return "název je příliš dlouhý";
    case EIO:
        return "chyba vstupu a výstupu zařízení";
    case ENXIO:
    case ENODEV:
        return "zařízení není dostupné";
    case EPIPE:
        return "čtenář roury skončil";
    case ETXTBSY:
    case EBUSY:
        return "soubor je právě používán";
    case EMFILE:
    case ENFILE:
        return "je otevřeno příliš mnoho souborů";
    case ENOMEM:
        return "nedostatek paměti";
    case EINVAL:
        return "sem nelze zapisovat";
    case EAGAIN:
        return "zápis by musel čekat";
    default: {
        const char *nazev = strerrorname_np(chyba);
        return "systémová chyba " + (nazev ? std::string(nazev) : std::to_string(chyba));
    }
    }
}

namespace {

std::string Slozka(const std::string &cesta)
{
    const auto lomitko = cesta.rfind('/');
    if (lomitko == std::string::npos)
        return ".";
    return lomitko == 0 ? "/" : cesta.substr(0, lomitko);
}

std::string Nazev(const std::string &cesta)
{
    const auto lomitko = cesta.rfind('/');
    return lomitko == std::string::npos ? cesta : cesta.substr(lomitko + 1);
}

// Why a file could not be made in the folder: the part of its path that is missing or is not
// a folder, or the folder itself when it exists and still takes no file (as /proc).
std::string DuvodSlozky(const std::string &slozka, int chyba)
{
    if (chyba != ENOENT && chyba != ENOTDIR)
        return Duvod(chyba);
    for (std::size_t konec = slozka.find('/', 1);; konec = slozka.find('/', konec + 1)) {
        const std::string cast = slozka.substr(0, konec);
        struct stat st {
        };
        if (stat(cast.c_str(), &st) != 0)
            return errno == ENOENT ? "složka " + Uvozene(cast) + " neexistuje" : Duvod(errno);
        if (!S_ISDIR(st.st_mode))
            return Uvozene(cast) + " není složka";
        if (konec == std::string::npos)
            break;
    }
    return "ve složce " + Uvozene(slozka) + " nelze vytvořit soubor";
}

// The descriptor a path names when it lies in the program's own descriptor folder
// (/dev/stdout, /dev/fd/63 of a process substitution, /proc/self/fd/1).
std::optional<int> Popisovac(const std::string &cesta)
{
    const std::string nazev = Nazev(cesta);
    if (nazev.empty() || nazev.size() > 9
        || nazev.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    std::array<char, PATH_MAX> skutecna {};
    if (!realpath(Slozka(cesta).c_str(), skutecna.data()))
        return std::nullopt;
    const std::string slozka = skutecna.data();
    const std::string proces = "/proc/" + std::to_string(getpid());
    const bool vlastni = slozka == proces + "/fd"
        || (slozka.starts_with(proces + "/task/") && slozka.ends_with("/fd"));
    if (!vlastni)
        return std::nullopt;
    return std::atoi(nazev.c_str());
}

struct Cil {
    enum Druh {
        Soubor, // a regular file to replace, or one still to be made
        Primo, // anything else, opened as it is
        Popisovac, // one of the program's own descriptors
        Selhani,
    } druh;
    std::string cesta;
    int cislo; // the descriptor, or the errno of a failure
};

// Follows the links one by one to what the path names in the end.
Cil NajdiCil(const std::string &cesta)
{
    std::string p = cesta;
    for (int odkazu = 0; odkazu < 40; ++odkazu) {
        if (const auto fd = Popisovac(p))
            return {Cil::Popisovac, {}, *fd};
        struct stat st {
        };
        if (lstat(p.c_str(), &st) != 0) {
            // A missing file is made; a missing folder is told when the file cannot be made.
            if (errno == ENOENT || errno == ENOTDIR)
                return {Cil::Soubor, p, 0};
            return {Cil::Selhani, {}, errno};
        }
        if (S_ISLNK(st.st_mode)) {
            std::array<char, PATH_MAX> odkaz {};
            const ssize_t n = readlink(p.c_str(), odkaz.data(), odkaz.size() - 1);
            if (n < 0)
                return {Cil::Selhani, {}, errno};
            const std::string kam(odkaz.data(), static_cast<std::size_t>(n));
            p = kam.starts_with('/') ? kam : Slozka(p) + "/" + kam;
            continue;
        }
        if (S_ISREG(st.st_mode))
            return {Cil::Soubor, p, 0};
        if (S_ISDIR(st.st_mode))
            return {Cil::Selhani, {}, EISDIR};
        return {Cil::Primo, p, 0};
    }
    return {Cil::Selhani, {}, ELOOP};
}

// The temporary file is removed when a signal ends the program mid-write; one at a time.
constexpr std::array Signaly {SIGINT, SIGTERM, SIGHUP};
std::array<char, PATH_MAX + 32> SmazatPriSignalu {};
volatile sig_atomic_t MaSmazat = 0;
std::array<struct sigaction, Signaly.size()> PuvodniAkce {};
std::array<bool, Signaly.size()> Nastaveno {};
struct sigaction PuvodniXfsz {
};

void Ukonceno(int signal)
{
    if (MaSmazat)
        unlink(SmazatPriSignalu.data());
    // The handler was reset on entry: the signal ends the program as it would have.
    raise(signal);
}

sigset_t MnozinaSignalu()
{
    sigset_t mnozina;
    sigemptyset(&mnozina);
    for (int s : Signaly)
        sigaddset(&mnozina, s);
    return mnozina;
}

void HlidejSignaly()
{
    for (std::size_t i = 0; i < Signaly.size(); ++i) {
        struct sigaction akce {
        };
        sigaction(Signaly[i], nullptr, &PuvodniAkce[i]);
        // A signal the caller ignores (nohup) stays ignored.
        Nastaveno[i] = PuvodniAkce[i].sa_handler != SIG_IGN;
        if (!Nastaveno[i])
            continue;
        akce.sa_handler = Ukonceno;
        akce.sa_flags = SA_RESETHAND;
        sigemptyset(&akce.sa_mask);
        sigaction(Signaly[i], &akce, nullptr);
    }
    // Past a file size limit the write fails and is told, instead of a signal leaving the
    // temporary file behind.
    struct sigaction ignoruj {
    };
    ignoruj.sa_handler = SIG_IGN;
    sigemptyset(&ignoruj.sa_mask);
    sigaction(SIGXFSZ, &ignoruj, &PuvodniXfsz);
}

void PustSignaly()
{
    MaSmazat = 0;
    for (std::size_t i = 0; i < Signaly.size(); ++i) {
        if (Nastaveno[i])
            sigaction(Signaly[i], &PuvodniAkce[i], nullptr);
        Nastaveno[i] = false;
    }
    sigaction(SIGXFSZ, &PuvodniXfsz, nullptr);
}

// The new file gets what the old one had, as far as the user may give it; a group that cannot
// be kept takes the group's rights with it rather than handing them to another group.
void PrevezmiPrava(int fd, const struct stat &puvodni)
{
    mode_t prava = puvodni.st_mode & 07777;
    if (fchown(fd, puvodni.st_uid, puvodni.st_gid) != 0
        && fchown(fd, static_cast<uid_t>(-1), puvodni.st_gid) != 0)
        prava &= ~static_cast<mode_t>(S_IRWXG | S_ISGID);
    static_cast<void>(fchmod(fd, prava));
}

} // namespace

Vystup::Vystup(const std::string &cesta, std::optional<unsigned> prava)
    : cesta_(cesta)
{
    if (cesta.empty()) {
        fd_ = STDOUT_FILENO;
        zavrit_ = false;
        return;
    }
    const Cil cil = NajdiCil(cesta);
    if (cil.druh == Cil::Selhani)
        Selhani(cil.cislo);
    if (cil.druh == Cil::Popisovac) {
        fd_ = fcntl(cil.cislo, F_DUPFD_CLOEXEC, 3);
        if (fd_ < 0)
            Selhani(errno);
        return;
    }
    if (cil.druh == Cil::Primo) {
        fd_ = open(cil.cesta.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0)
            Selhani(errno);
        return;
    }

    struct stat puvodni {
    };
    const bool existuje = stat(cil.cesta.c_str(), &puvodni) == 0;
    // A short name of its own, so that a target name up to the file system's limit fits.
    std::string docasny = Slozka(cil.cesta) + "/.voranek-XXXXXX";
    if (docasny.size() >= SmazatPriSignalu.size())
        Selhani(ENAMETOOLONG);

    const sigset_t signaly = MnozinaSignalu();
    sigset_t puvodniMaska;
    sigprocmask(SIG_BLOCK, &signaly, &puvodniMaska);
    fd_ = mkostemp(docasny.data(), O_CLOEXEC);
    const int chyba = errno;
    if (fd_ >= 0) {
        HlidejSignaly();
        std::memcpy(SmazatPriSignalu.data(), docasny.c_str(), docasny.size() + 1);
        MaSmazat = 1;
        docasny_ = docasny;
        cil_ = cil.cesta;
    }
    sigprocmask(SIG_SETMASK, &puvodniMaska, nullptr);
    if (fd_ < 0)
        throw Chyba("soubor " + Uvozene(cesta_)
            + " nelze zapsat: " + DuvodSlozky(Slozka(cil.cesta), chyba));

    if (prava) {
        // A file that runs a command at login is never left writable by others, whatever the
        // umask or an older copy allowed.
        static_cast<void>(fchmod(fd_, static_cast<mode_t>(*prava)));
    } else if (existuje) {
        PrevezmiPrava(fd_, puvodni);
    } else {
        // mkstemp makes the file private; a calendar file is as readable as any other new file.
        const mode_t maska = umask(0);
        umask(maska);
        static_cast<void>(fchmod(fd_, 0666 & ~maska));
    }
}

Vystup::~Vystup()
{
    if (fd_ >= 0 && zavrit_)
        close(fd_);
    if (!docasny_.empty()) {
        unlink(docasny_.c_str());
        PustSignaly();
    }
}

int Vystup::Zapis(const char *data, std::size_t delka) noexcept
{
    for (std::size_t zapsano = 0; chyba_ == 0 && zapsano < delka;) {
        const ssize_t n = write(fd_, data + zapsano, delka - zapsano);
        if (n < 0 && errno != EINTR)
            chyba_ = errno;
        else if (n > 0)
            zapsano += static_cast<std::size_t>(n);
    }
    return chyba_;
}

int Vystup::Zapis(void *vystup, const char *data, std::size_t delka) noexcept
{
    return static_cast<Vystup *>(vystup)->Zapis(data, delka);
}

void Vystup::Dokonci()
{
    if (chyba_ != 0)
        Selhani(chyba_);
    if (docasny_.empty()) {
        if (zavrit_) {
            const int fd = fd_;
            fd_ = -1;
            if (close(fd) != 0 && errno != EINTR)
                Selhani(errno);
        }
        return;
    }
    // On disk before the name points to it, and the name on disk before the program says done.
    if (fsync(fd_) != 0)
        Selhani(errno);
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0)
        Selhani(errno);
    if (rename(docasny_.c_str(), cil_.c_str()) != 0)
        Selhani(errno);
    MaSmazat = 0;
    docasny_.clear();
    PustSignaly();
    const int slozka = open(Slozka(cil_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (slozka >= 0) {
        static_cast<void>(fsync(slozka));
        close(slozka);
    }
}

void Vystup::Selhani(int chyba) const
{
    if (cesta_.empty())
        throw Chyba("výstup nelze zapsat: " + Duvod(chyba));
    throw Chyba("soubor " + Uvozene(cesta_) + " nelze zapsat: " + Duvod(chyba));
}

void ZapisCely(const std::string &cesta, std::string_view obsah, std::optional<unsigned> prava)
{
    Vystup vystup(cesta, prava);
    vystup.Zapis(obsah.data(), obsah.size());
    vystup.Dokonci();
}

} // namespace voranek::cli
