// voranek-svatky: the name days and holidays of the calendar in a terminal, a status bar, a
// script or a calendar file.
#include "calendar/hledani.h"
#include "calendar/popisdne.h"
#include "cli/autostart.h"
#include "cli/chyba.h"
#include "cli/ics.h"
#include "cli/modul.h"
#include "cli/oznameni.h"
#include "cli/rozbor.h"
#include "cli/soubor.h"
#include "cli/vypis.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

using namespace voranek;
using namespace voranek::cli;

namespace {

constexpr const char *Zapati = R"(
Příklady:
  voranek-svatky                       kdo má dnes svátek
  voranek-svatky --datum 24.12.2026    kdo má svátek na Štědrý den
  voranek-svatky --jmeno jiri          kdy má svátek Jiří
  voranek-svatky --ics 2027 --jen "Jana, Petr" --pripominka 8:00 -o jmeniny.ics
                                       jmeniny blízkých do kalendáře, s připomínkou
  voranek-svatky --autostart zapnout --jen "Jana, Petr"
                                       při každém přihlášení připomene jmeniny blízkých,
                                       v den svátku i den předem

Návratový kód: 0 hotovo, 1 nic nenalezeno nebo plocha nenabízí oznámení, 2 chybné zadání.)";

// Help without the lists of options that need or exclude each other: the messages say that.
class Formatter : public CLI::Formatter
{
public:
    std::string make_option_opts(const CLI::Option *volba) const override
    {
        return volba->get_type_name().empty() ? "" : " " + volba->get_type_name();
    }
};

struct Volby {
    std::string datum, jmeno, ics, varianta = "cz", jen, pripominka, vystup, autostart;
    bool radek = false, json = false, oznameni = false;
    bool sJen = false; // --jen given, even empty
};

// The first option name a message of the option parser speaks of.
std::string Volba(const std::string &zprava, std::size_t od = 0)
{
    const auto zacatek = zprava.find('-', od);
    if (zacatek == std::string::npos)
        return {};
    const auto konec = zprava.find_first_of(" ,:[]", zacatek);
    return zprava.substr(zacatek, konec - zacatek);
}

std::string CeskaZprava(const CLI::ParseError &e)
{
    const std::string zprava = e.what();
    if (dynamic_cast<const CLI::ExtrasError *>(&e)) {
        const std::string navic = zprava.substr(zprava.find(": ") + 2);
        return (navic.starts_with("-") ? "neznámá volba " : "nečekaný argument ") + Uvozene(navic);
    }
    if (dynamic_cast<const CLI::ExcludesError *>(&e)) {
        const std::string prvni = Volba(zprava);
        return "volby " + prvni + " a " + Volba(zprava, zprava.find(" excludes ") + 9)
            + " nelze použít zároveň";
    }
    if (dynamic_cast<const CLI::RequiresError *>(&e))
        return "volba " + Volba(zprava) + " patří k volbě "
            + Volba(zprava, zprava.find(" requires ") + 10);
    if (dynamic_cast<const CLI::ArgumentMismatch *>(&e)) {
        // A flag given a value is named without its dashes.
        if (zprava.find("flag override") != std::string::npos)
            return "volba --" + zprava.substr(0, zprava.find(' ')) + " nebere hodnotu";
        if (zprava.find("At Most") != std::string::npos)
            return "volba " + Volba(zprava) + " je zadána vícekrát";
        return "volba " + Volba(zprava) + " potřebuje hodnotu";
    }
    return "chybně zadané volby (" + zprava + ")";
}

void Vypis(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        throw Chyba("výstup nelze zapsat: " + Duvod(errno));
}

bool Terminal()
{
    const char *term = std::getenv("TERM");
    return isatty(STDOUT_FILENO) && !std::getenv("NO_COLOR") && term
        && std::strcmp(term, "dumb") != 0;
}

int Kalendar(const Volby &v)
{
    ZadaniExportu zadani;
    const Roky roky = RozeberRoky(v.ics);
    zadani.od = roky.od;
    zadani.doRoku = roky.doRoku;
    zadani.kalendare = RozeberVariantu(v.varianta);
    if (v.sJen) {
        zadani.jen.emplace();
        for (const std::string &jmeno : RozeberJmena(v.jen)) {
            std::size_t nalezeno = 0;
            for (TypKalendare typ : {CZ, SK}) {
                if (!zadani.kalendare[typ])
                    continue;
                for (const Nalez &n : PresneShody(typ, jmeno)) {
                    zadani.jen->push_back(n);
                    ++nalezeno;
                }
            }
            if (nalezeno == 0)
                throw Chyba("jméno " + Uvozene(jmeno) + " v kalendáři " + v.varianta + " není");
        }
    }
    if (!v.pripominka.empty())
        zadani.pripominka = RozeberCas(v.pripominka);

    const auto exportuj
        = reinterpret_cast<FunkceExportu>(SymbolModulu("voranek-ics.so", SymbolExportu));
    const std::string text = exportuj(zadani);
    if (v.vystup.empty())
        Vypis(text);
    else
        ZapisCely(v.vystup, text);
    return Hotovo;
}

int Jmeno(const Volby &v, const Datum &dnes)
{
    const Hledani hledani = HledejJmeno(v.jmeno);
    if (hledani.nalezy.empty()) {
        std::fprintf(
            stderr, "Jméno %s v českém ani slovenském kalendáři není.\n", Uvozene(v.jmeno).c_str());
        return NicNenalezeno;
    }
    const KalendarDnu kalendar = VytvorKalendarDnu();
    std::string text;
    for (const Nalez &n : hledani.nalezy)
        text += TextNalezu(n, kalendar, dnes);
    Vypis(text);
    return Hotovo;
}

int Oznam(const Volby &v, const Datum &dnes)
{
    std::optional<Oznameni> oznameni;
    if (v.sJen)
        oznameni = OznameniOsob(OsobyPripominky(RozeberJmena(v.jen)), dnes);
    else
        oznameni = OznameniDne(dnes);
    // A day none of the persons celebrates says nothing, and needs no desktop for it.
    if (!oznameni)
        return Hotovo;
    const auto posli
        = reinterpret_cast<FunkceOdeslani>(SymbolModulu("voranek-oznameni.so", SymbolOdeslani));
    const std::string chyba = posli(*oznameni);
    if (chyba.empty())
        return Hotovo;
    std::fprintf(stderr, "%s\n", chyba.c_str());
    return NicNenalezeno;
}

int Autostart(const Volby &v)
{
    const std::string soubor = SouborAutostartu();
    if (v.autostart == "vypnout") {
        if (v.sJen)
            throw Chyba("volba --jen patří k --autostart zapnout");
        Vypis(VypniAutostart(soubor) ? "Připomínka při přihlášení je vypnuta.\n"
                                     : "Připomínka při přihlášení nebyla zapnuta.\n");
        return Hotovo;
    }
    if (v.autostart != "zapnout")
        throw Chyba("neznámá hodnota " + Uvozene(v.autostart)
            + " volby --autostart: zadejte zapnout nebo vypnout");
    std::optional<std::string> jen;
    if (v.sJen) {
        // Refused now rather than at every login; the entry keeps the names as typed.
        const std::vector<std::string> jmena = RozeberJmena(v.jen);
        OsobyPripominky(jmena);
        jen.emplace();
        for (const std::string &jmeno : jmena)
            *jen += (jen->empty() ? "" : ", ") + jmeno;
    }
    const std::string program = CestaProgramu();
    if (program.empty())
        throw Chyba("nelze zjistit, kde je program nainstalován");
    ZapniAutostart(soubor, TextAutostartu(program, jen));
    Vypis("Připomínka při přihlášení je zapnuta: " + soubor + "\n");
    return Hotovo;
}

int Den(const Volby &v, const Datum &datum)
{
    const PopisDne popis = Popis(datum);
    if (v.json)
        Vypis(Json(popis, datum));
    else if (v.radek)
        Vypis(Radek(popis));
    else
        Vypis(VypisDne(popis, Terminal()));
    return Hotovo;
}

int Spust(int argc, char **argv)
{
    CLI::App app {"Jmeniny a svátky českého a slovenského kalendáře.", "voranek-svatky"};
    auto formatter = std::make_shared<Formatter>();
    app.formatter(formatter);
    formatter->label("Usage", "Použití");
    formatter->label("OPTIONS", "VOLBY");
    formatter->column_width(24);
    app.option_defaults()->group("Volby");
    app.set_help_flag("-h,--help", "vypíše tuto nápovědu");
    app.set_version_flag("--version", "voranek-svatky " VORANEK_VERZE, "vypíše verzi programu");
    app.footer(Zapati);

    Volby v;
    auto *datum
        = app.add_option("--datum", v.datum, "jiný den než dnešek: 2026-03-29 nebo 29.3.2026")
              ->type_name("DATUM");
    auto *radek = app.add_flag("--radek", v.radek, "jeden krátký řádek pro stavový panel")
                      ->disable_flag_override();
    auto *json
        = app.add_flag("--json", v.json, "tatáž fakta jako objekt JSON")->disable_flag_override();
    auto *jmeno
        = app.add_option("--jmeno", v.jmeno, "kdy má svátek jméno (bez ohledu na diakritiku)")
              ->type_name("TEXT");
    auto *ics
        = app.add_option("--ics", v.ics, "kalendář iCalendar na rok nebo roky: 2027, 2027-2030")
              ->type_name("ROKY");
    app.add_option("--varianta", v.varianta, "kalendář cz, sk nebo obe (výchozí cz)")
        ->type_name("VARIANTA")
        ->needs(ics);
    auto *jen = app.add_option("--jen", v.jen,
                       "jen jmeniny těchto jmen: \"Jana, Petr\" (u oznámení CZ i SK)")
                    ->type_name("JMÉNA");
    app.add_option("--pripominka", v.pripominka, "připomínka v den jmenin v daný čas, např. 8:00")
        ->type_name("ČAS")
        ->needs(ics);
    app.add_option("-o,--vystup", v.vystup, "zapíše kalendář do souboru")
        ->type_name("SOUBOR")
        ->needs(ics);
    auto *oznameni
        = app.add_flag("--oznameni", v.oznameni,
                 "oznámení na ploše jako panel Dnes je...; s --jen v den svátku a den předem")
              ->disable_flag_override();
    auto *autostart = app.add_option("--autostart", v.autostart,
                             "zapnout: --oznameni (s --jen) při každém přihlášení; vypnout: už ne")
                          ->type_name("zapnout|vypnout");
    radek->excludes(json)->excludes(jmeno)->excludes(ics)->excludes(oznameni);
    json->excludes(jmeno)->excludes(ics)->excludes(oznameni);
    jmeno->excludes(ics)->excludes(oznameni);
    datum->excludes(ics);
    ics->excludes(oznameni);
    autostart->excludes(datum)
        ->excludes(radek)
        ->excludes(json)
        ->excludes(jmeno)
        ->excludes(ics)
        ->excludes(oznameni);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &) {
        Vypis(app.help());
        return Hotovo;
    } catch (const CLI::CallForVersion &e) {
        Vypis(std::string(e.what()) + "\n");
        return Hotovo;
    } catch (const CLI::ParseError &e) {
        throw Chyba(CeskaZprava(e));
    }

    v.sJen = jen->count() > 0;
    if (v.sJen && ics->count() == 0 && !v.oznameni && autostart->count() == 0)
        throw Chyba("volba --jen patří k volbě --ics, --oznameni nebo --autostart");
    if (autostart->count() > 0)
        return Autostart(v);
    if (!v.ics.empty() || ics->count() > 0)
        return Kalendar(v);
    const Datum den = v.datum.empty() ? Dnes() : RozeberDatum(v.datum);
    if (den.rok < NejmensiRok || den.rok > NejvetsiRok)
        throw Chyba("rok hodin počítače " + std::to_string(den.rok) + " je mimo rozsah "
            + std::to_string(NejmensiRok) + "–" + std::to_string(NejvetsiRok));
    if (jmeno->count() > 0) {
        if (Slozene(v.jmeno).empty())
            throw Chyba("prázdné jméno: zadejte například --jmeno jiri");
        return Jmeno(v, den);
    }
    if (v.oznameni)
        return Oznam(v, den);
    return Den(v, den);
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return Spust(argc, argv);
    } catch (const Chyba &e) {
        std::fprintf(stderr, "voranek-svatky: %s\n", e.what());
        return SpatneZadani;
    }
}
