#include "cli/autostart.h"

#include "cli/chyba.h"
#include "cli/oznameni.h"
#include "cli/soubor.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

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

std::string TextAutostartu(const std::string &program, const std::optional<std::string> &jen,
    const std::optional<std::string> &kontakty)
{
    std::vector<std::string> argumenty {program, "--oznameni"};
    if (jen) {
        argumenty.emplace_back("--jen");
        argumenty.push_back(*jen);
    }
    if (kontakty) {
        argumenty.emplace_back("--kontakty");
        if (!kontakty->empty())
            argumenty.push_back(*kontakty);
    }
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=VORANEK – připomínka jmenin\n";
    text += jen || kontakty
        ? "Comment=Při přihlášení oznámí, kdo z blízkých má dnes nebo zítra svátek\n"
        : "Comment=Při přihlášení oznámí dnešní jmeniny a svátky\n";
    text += "Exec=" + HodnotaExec(argumenty) + "\n";
    // A program removed since leaves the entry idle instead of failing at every login.
    text += "TryExec=" + HodnotaRetezce(program) + "\n";
    text += std::string("Icon=") + IkonaAplikace + "\n";
    text += "Terminal=false\n";
    return text;
}

std::string SouborAutostartu()
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
    return slozka + "/autostart/voranek-svatky.desktop";
}

void ZapniAutostart(const std::string &soubor, const std::string &text)
{
    VytvorSlozky(soubor.substr(0, soubor.rfind('/')));
    ZapisCely(soubor, text);
}

bool VypniAutostart(const std::string &soubor)
{
    if (unlink(soubor.c_str()) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    throw Chyba("soubor " + Uvozene(soubor) + " nelze smazat: " + Duvod(errno));
}

} // namespace voranek::cli
