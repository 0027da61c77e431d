#include "cli/autostart.h"

#include "cli/chyba.h"
#include "cli/oznameni.h"
#include "cli/soubor.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace voranek::cli {

namespace {

// The characters a desktop entry reserves in Exec arguments: an argument with any of them is
// quoted.
constexpr std::string_view Vyhrazene = " \t\n\"'\\><~|&;$*?#()`";

// The escapes of a string value of a desktop entry, which a reader undoes before anything else.
std::string HodnotaRetezce(std::string_view text)
{
    std::string hodnota;
    for (char c : text) {
        switch (c) {
        case '\\':
            hodnota += "\\\\";
            break;
        case '\n':
            hodnota += "\\n";
            break;
        case '\t':
            hodnota += "\\t";
            break;
        case '\r':
            hodnota += "\\r";
            break;
        default:
            hodnota += c;
        }
    }
    return hodnota;
}

std::string Argument(std::string_view argument)
{
    const bool uvozovat
        = argument.empty() || argument.find_first_of(Vyhrazene) != std::string_view::npos;
    std::string text;
    if (uvozovat)
        text += '"';
    for (char c : argument) {
        if (uvozovat && (c == '"' || c == '`' || c == '$' || c == '\\'))
            text += '\\';
        // A lone percent sign would start a field code.
        if (c == '%')
            text += '%';
        text += c;
    }
    if (uvozovat)
        text += '"';
    return text;
}

void VytvorSlozky(const std::string &slozka)
{
    for (std::size_t konec = slozka.find('/', 1);; konec = slozka.find('/', konec + 1)) {
        const std::string cast = slozka.substr(0, konec);
        // The configuration folders are the user's own: created private, as the base directory
        // rules ask.
        if (mkdir(cast.c_str(), 0700) != 0 && errno != EEXIST)
            throw Chyba("složku " + Uvozene(cast) + " nelze vytvořit: " + Duvod(errno));
        if (konec == std::string::npos)
            return;
    }
}

// The argument of an ExecStart line: always quoted, with the escapes systemd undoes and the
// specifier signs doubled; the variable signs too, but in the program's own name, which
// systemd does not expand.
std::string ArgumentSluzby(std::string_view argument, bool program)
{
    std::string text = "\"";
    for (char c : argument) {
        switch (c) {
        case '"':
        case '\\':
            text += '\\';
            text += c;
            break;
        case '\n':
            text += "\\n";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        case '%':
            text += "%%";
            break;
        case '$':
            text += program ? "$" : "$$";
            break;
        default:
            text += c;
        }
    }
    return text + '"';
}

// Files the reminder writes run a command at login: never writable by others, whatever the
// umask.
constexpr unsigned PravaSouboru = 0644;

constexpr const char *JmenoCasovace = "voranek-svatky.timer";

std::string SlozkaNastaveni()
{
    std::string slozka;
    // A relative path in the variable is to be ignored.
    if (const char *nastaveni = std::getenv("XDG_CONFIG_HOME"); nastaveni && nastaveni[0] == '/')
        slozka = nastaveni;
    else if (const char *domov = std::getenv("HOME"); domov && domov[0] == '/')
        slozka = std::string(domov) + "/.config";
    else
        throw Chyba("nevím, kde je složka nastavení: proměnná HOME není nastavena");
    while (slozka.size() > 1 && slozka.back() == '/')
        slozka.pop_back();
    return slozka;
}

std::string SlozkaJednotek()
{
    return SlozkaNastaveni() + "/systemd/user";
}

// Runs the command and waits for it: its exit status, or -1 when it did not run to its end.
int Spust(const std::vector<std::string> &prikaz, bool tise)
{
    std::vector<char *> argv;
    for (const std::string &a : prikaz)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    posix_spawn_file_actions_addopen(&akce, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (tise)
        posix_spawn_file_actions_adddup2(&akce, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int chyba = posix_spawnp(&pid, argv[0], &akce, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&akce);
    if (chyba != 0)
        return -1;
    int stav = 0;
    while (waitpid(pid, &stav, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
}

// systemctl --user with the arguments; a Chyba when it fails (its own message is on standard
// error already).
void Systemctl(std::vector<std::string> argumenty)
{
    argumenty.insert(argumenty.begin(), {"systemctl", "--user", "--quiet"});
    if (Spust(argumenty, false) != 0) {
        std::string prikaz;
        for (const std::string &a : argumenty)
            prikaz += (prikaz.empty() ? "" : " ") + a;
        throw Chyba("příkaz " + prikaz + " selhal");
    }
}

bool Smaz(const std::string &soubor)
{
    if (unlink(soubor.c_str()) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    throw Chyba("soubor " + Uvozene(soubor) + " nelze smazat: " + Duvod(errno));
}

// systemd refuses to run a program whose name has quotes, backslashes or control characters;
// the autostart entry can still name it.
bool SystemdSpusti(std::string_view program)
{
    return std::none_of(program.begin(), program.end(), [](char c) {
        return c == '"' || c == '\'' || c == '\\' || static_cast<unsigned char>(c) < 0x20
            || c == 0x7f;
    });
}

bool Existuje(const std::string &soubor)
{
    struct stat s {
    };
    return lstat(soubor.c_str(), &s) == 0;
}

// Removes the timer and its service; with the manager running, stopped and disabled first,
// without it the link that enables the timer goes by hand.
bool VypniCasovac(bool systemd)
{
    const std::string slozka = SlozkaJednotek();
    const std::string casovac = slozka + "/" + JmenoCasovace;
    const std::string sluzba = slozka + "/voranek-svatky.service";
    if (!Existuje(casovac) && !Existuje(sluzba))
        return false;
    if (systemd && Existuje(casovac))
        Systemctl({"disable", "--now", JmenoCasovace});
    Smaz(slozka + "/graphical-session.target.wants/" + JmenoCasovace);
    Smaz(casovac);
    Smaz(sluzba);
    if (systemd)
        Systemctl({"daemon-reload"});
    return true;
}

std::string Popis(bool blizci)
{
    return blizci ? "oznámí, kdo z blízkých má dnes nebo zítra svátek"
                  : "oznámí dnešní jmeniny a svátky";
}

} // namespace

std::string HodnotaExec(const std::vector<std::string> &argumenty)
{
    std::string radek;
    for (const std::string &a : argumenty) {
        if (!radek.empty())
            radek += ' ';
        radek += Argument(a);
    }
    return HodnotaRetezce(radek);
}

std::string HodnotaExecStart(const std::vector<std::string> &argumenty)
{
    std::string radek;
    for (const std::string &a : argumenty) {
        if (!radek.empty())
            radek += ' ';
        radek += ArgumentSluzby(a, radek.empty());
    }
    return radek;
}

std::string TextAutostartu(const std::vector<std::string> &prikaz, bool blizci)
{
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=VORANEK – připomínka jmenin\n";
    text += "Comment=Při přihlášení " + Popis(blizci) + "\n";
    text += "Exec=" + HodnotaExec(prikaz) + "\n";
    // A program removed since leaves the entry idle instead of failing at every login.
    text += "TryExec=" + HodnotaRetezce(prikaz.front()) + "\n";
    text += std::string("Icon=") + IkonaAplikace + "\n";
    text += "Terminal=false\n";
    return text;
}

std::string TextSluzby(const std::vector<std::string> &prikaz, bool blizci)
{
    // Part of the graphical session: there is a desktop to show the notification, and a
    // logout stops whatever still waits for it.
    return "[Unit]\n"
           "Description=VORANEK – "
        + Popis(blizci)
        + "\n"
          "PartOf=graphical-session.target\n"
          "After=graphical-session.target\n"
          "\n"
          "[Service]\n"
          "Type=oneshot\n"
          "ExecStart="
        + HodnotaExecStart(prikaz) + "\n";
}

std::string TextCasovace(int minuta)
{
    const auto dvemiCislicemi
        = [](int cislo) { return (cislo < 10 ? "0" : "") + std::to_string(cislo); };
    const std::string cas = dvemiCislicemi(minuta / 60 % 24) + ":" + dvemiCislicemi(minuta % 60);
    // Persistent: a time missed while the machine slept or was off is made up at the next
    // wake or login. The timer lives with the graphical session, so a login starts it.
    return "[Unit]\n"
           "Description=VORANEK – denní připomínka jmenin v "
        + cas
        + "\n"
          "PartOf=graphical-session.target\n"
          "After=graphical-session.target\n"
          "\n"
          "[Timer]\n"
          "OnCalendar=*-*-* "
        + cas
        + ":00\n"
          "Persistent=true\n"
          "AccuracySec=1min\n"
          "\n"
          "[Install]\n"
          "WantedBy=graphical-session.target\n";
}

std::string SouborAutostartu()
{
    return SlozkaNastaveni() + "/autostart/voranek-svatky.desktop";
}

std::string SouborCasovace()
{
    return SlozkaJednotek() + "/" + JmenoCasovace;
}

bool SystemdBezi()
{
    return Spust({"systemctl", "--user", "--quiet", "show", "--property=Version"}, true) == 0;
}

bool SezeniSystemd()
{
    return Spust({"systemctl", "--user", "--quiet", "is-active", "graphical-session.target"}, true)
        == 0;
}

Zapnuti ZapniPripominku(const std::vector<std::string> &prikaz, bool blizci, int minuta)
{
    const std::string autostart = SouborAutostartu();
    if (!SystemdSpusti(prikaz.front()) || !SezeniSystemd()) {
        VypniCasovac(false);
        VytvorSlozky(autostart.substr(0, autostart.rfind('/')));
        ZapisCely(autostart, TextAutostartu(prikaz, blizci), PravaSouboru);
        return {false, autostart};
    }
    const std::string slozka = SlozkaJednotek();
    VytvorSlozky(slozka);
    ZapisCely(slozka + "/voranek-svatky.service", TextSluzby(prikaz, blizci), PravaSouboru);
    ZapisCely(slozka + "/" + JmenoCasovace, TextCasovace(minuta), PravaSouboru);
    Systemctl({"daemon-reload"});
    Systemctl({"enable", JmenoCasovace});
    // Started now as well, so the new time holds from today; a time already passed today is
    // made up at once if today's reminder has not been given.
    Systemctl({"restart", JmenoCasovace});
    // An entry left from before would remind once more at every login.
    Smaz(autostart);
    return {true, SouborCasovace()};
}

bool VypniPripominku()
{
    const bool autostart = Smaz(SouborAutostartu());
    const bool casovac = VypniCasovac(SystemdBezi());
    return autostart || casovac;
}

} // namespace voranek::cli
