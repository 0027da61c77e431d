// voranek-svatky: the name days and holidays of the calendar in a terminal, a status bar, a
// script or a calendar file.
#include "calendar/hledani.h"
#include "calendar/popisdne.h"
#include "cli/autostart.h"
#include "cli/chyba.h"
#include "cli/denik.h"
#include "cli/ics.h"
#include "cli/kontakty.h"
#include "cli/modul.h"
#include "cli/oznameni.h"
#include "cli/rozbor.h"
#include "cli/soubor.h"
#include "cli/vypis.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <unistd.h>

using namespace voranek;
using namespace voranek::cli;

namespace {

constexpr const char *Zapati = R"(
Příklady:
  voranek-svatky                     kdo má dnes svátek
  voranek-svatky --datum 24.12.2026  kdo má svátek na Štědrý den
  voranek-svatky --jmeno jiri        kdy má svátek Jiří
  voranek-svatky --ics 2027 --jen "Jana, Petr" --pripominka 8:00 -o jmeniny.ics
                                     jmeniny blízkých do kalendáře
                                     s připomínkou
  voranek-svatky --kontakty kontakty.vcf
                                     kdy mají svátek vaše kontakty
  voranek-svatky --autostart zapnout --jen "Jana, Petr"
                                     každý den v 8:00 (a po probuzení či
                                     přihlášení, když to zmeškal) připomene
                                     jmeniny blízkých, v den svátku i den předem

Návratový kód: 0 hotovo, 1 nic nenalezeno nebo plocha nenabízí oznámení,
2 chybné zadání.)";

// Characters on the screen: every character of the help takes one column.
std::size_t Sirka(std::string_view text)
{
    std::size_t sirka = 0;
    for (char c : text)
        sirka += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return sirka;
}

constexpr std::size_t SirkaNapovedy = 80;

// Help without the lists of options that need or exclude each other (the messages say that),
// aligned by characters rather than bytes and wrapped to the width of a terminal.
class Formatter : public CLI::Formatter
{
public:
    std::string make_option_opts(const CLI::Option *volba) const override
    {
        return volba->get_type_name().empty() ? "" : " " + volba->get_type_name();
    }

    std::string make_option(const CLI::Option *volba, bool pozicni) const override
    {
        std::string radek = "  " + make_option_name(volba, pozicni) + make_option_opts(volba);
        std::size_t sirka = Sirka(radek);
        if (sirka + 1 > column_width_) {
            radek += '\n';
            sirka = 0;
        }
        std::string_view popis = volba->get_description();
        while (!popis.empty()) {
            const auto mezera = popis.find(' ');
            const std::string_view slovo = popis.substr(0, mezera);
            popis.remove_prefix(mezera == std::string_view::npos ? popis.size() : mezera + 1);
            if (sirka > column_width_ && sirka + 1 + Sirka(slovo) > SirkaNapovedy) {
                radek += '\n';
                sirka = 0;
            }
            if (sirka < column_width_) {
                radek.append(column_width_ - sirka, ' ');
                sirka = column_width_;
            } else {
                radek += ' ';
                ++sirka;
            }
            radek += slovo;
            sirka += Sirka(slovo);
        }
        return radek + '\n';
    }
};

struct Volby {
    std::string datum, jmeno, ics, varianta = "cz", jen, pripominka, vystup, autostart, kontakty;
    bool radek = false, json = false, oznameni = false, jednouDenne = false;
    bool sJen = false; // --jen given, even empty
    bool sKontakty = false; // --kontakty given, with a file or without
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

std::string CeskaZprava(const CLI::ParseError &e, const CLI::App &app)
{
    const std::string zprava = e.what();
    if (dynamic_cast<const CLI::ExtrasError *>(&e)) {
        // An unknown option as typed, before any argument that came with it.
        const std::vector<std::string> navic = app.remaining();
        for (const std::string &n : navic) {
            if (n.size() > 1 && n.starts_with('-')) {
                const auto rovnitko = n.find('=');
                return "neznámá volba " + Uvozene(rovnitko > 2 ? n.substr(0, rovnitko) : n);
            }
        }
        return "nečekaný argument " + Uvozene(navic.empty() ? std::string() : navic.front());
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
    // --help=x and --version=x: the value of a flag that takes none.
    if (dynamic_cast<const CLI::ConversionError *>(&e) && !Volba(zprava).empty())
        return "volba " + Volba(zprava) + " nebere hodnotu";
    return "chybně zadané volby: zkuste voranek-svatky --help";
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

// The contacts of the file, or without one of the desktop's address book; what was skipped
// is said on standard error. Nothing of them is kept.
std::optional<std::vector<Kontakt>> Kontakty(const Volby &v)
{
    const auto cti
        = reinterpret_cast<FunkceKontaktu>(SymbolModulu("voranek-kontakty.so", SymbolKontaktu));
    // The module's strings are copied here at once: nothing it made is kept or freed on this side.
    struct Prijem {
        std::vector<Kontakt> kontakty;
        std::vector<std::string> varovani;
        bool dost = true; // false once a copy ran out of memory
    } prijato;
    const PrijemKontaktu prijem {&prijato,
        [](void *kam, const char *jmeno, const char *krestni, const char *klic) noexcept {
            auto &p = *static_cast<Prijem *>(kam);
            try {
                p.kontakty.push_back(Kontakt {jmeno, krestni, klic});
            } catch (...) {
                p.dost = false;
            }
        },
        [](void *kam, const char *radek) noexcept {
            auto &p = *static_cast<Prijem *>(kam);
            try {
                p.varovani.emplace_back(radek);
            } catch (...) {
                p.dost = false;
            }
        }};
    char zprava[512] = "";
    int kod = Hotovo;
    if (v.kontakty.empty()) {
        kod = cti(nullptr, 0, &prijem, zprava, sizeof zprava);
    } else {
        const std::string text = CtiSoubor(v.kontakty);
        kod = cti(text.data(), text.size(), &prijem, zprava, sizeof zprava);
    }
    if (kod == SpatneZadani || !prijato.dost)
        throw Chyba(!prijato.dost ? "nedostatek paměti" : zprava);
    const std::string zdroj = v.kontakty.empty() ? "adresář plochy" : JedenRadek(v.kontakty, 60);
    for (const std::string &varovani : prijato.varovani)
        std::fprintf(
            stderr, "voranek-svatky: %s: %s\n", zdroj.c_str(), JedenRadek(varovani, 300).c_str());
    if (kod != Hotovo) {
        std::fprintf(stderr, "voranek-svatky: %s\n", JedenRadek(zprava, 300).c_str());
        return std::nullopt;
    }
    if (prijato.kontakty.empty()) {
        std::fprintf(stderr, "voranek-svatky: %s: žádné kontakty se jménem\n", zdroj.c_str());
        return std::nullopt;
    }
    return std::move(prijato.kontakty);
}

int SvatkyKontaktu(const Volby &v, const Datum &dnes)
{
    const auto kontakty = Kontakty(v);
    if (!kontakty)
        return NicNenalezeno;
    Vypis(VypisKontaktu(NajdiKontakty(*kontakty, {true, true}), VytvorKalendarDnu(), dnes));
    return Hotovo;
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
    if (v.sKontakty) {
        const auto kontakty = Kontakty(v);
        if (!kontakty)
            return NicNenalezeno;
        zadani.kontakty = NajdiKontakty(*kontakty, zadani.kalendare).svatky;
    }

    // The file is stamped with the clock's time: a clock the calendar cannot hold is refused
    // before anything is written.
    Dnes();
    const auto exportuj
        = reinterpret_cast<FunkceExportu>(SymbolModulu("voranek-ics.so", SymbolExportu));
    Vystup vystup(v.vystup);
    char zprava[512] = "";
    if (exportuj(&zadani, static_cast<FunkceZapisu>(&Vystup::Zapis), &vystup, zprava, sizeof zprava)
        != Hotovo) {
        // The temporary file goes with vystup; a file already there stays as it was.
        if (zprava[0] == '\0' && vystup.ChybaZapisu() != 0)
            vystup.Selhani(vystup.ChybaZapisu());
        throw Chyba(zprava[0] != '\0' ? zprava : "vnitřní chyba programu");
    }
    vystup.Dokonci();
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
    if (v.sKontakty) {
        const auto kontakty = Kontakty(v);
        if (!kontakty)
            return NicNenalezeno;
        const OsobyKontaktu osoby = OsobyZKontaktu(NajdiKontakty(*kontakty, {true, true}));
        oznameni = OznameniOsob(osoby.nalezy, dnes, osoby.jmena);
    } else if (v.sJen)
        oznameni = OznameniOsob(OsobyPripominky(RozeberJmena(v.jen)), dnes);
    else
        oznameni = OznameniDne(dnes);
    // A day none of the persons celebrates says nothing, and needs no desktop for it.
    if (!oznameni)
        return Hotovo;
    std::optional<DenikPripominek> denik;
    if (v.jednouDenne) {
        // Without a record the reminder still comes, at worst twice a day.
        try {
            denik.emplace(SouborDeniku());
        } catch (const Chyba &e) {
            std::fprintf(stderr, "voranek-svatky: %s\n", e.what());
        }
        if (denik && denik->Ukazano(dnes))
            return Hotovo;
    }
    const auto posli
        = reinterpret_cast<FunkceOdeslani>(SymbolModulu("voranek-oznameni.so", SymbolOdeslani));
    char zprava[512] = "";
    const int kod = posli(&*oznameni, v.jednouDenne, zprava, sizeof zprava);
    if (kod != Hotovo) {
        std::fprintf(stderr, "%s\n", JedenRadek(zprava, 300).c_str());
        return kod;
    }
    if (denik)
        denik->Zapis(dnes);
    return Hotovo;
}

// The command the reminder runs, one argument after another.
std::vector<std::string> PrikazPripominky(const Volby &v)
{
    const std::string program = CestaProgramu();
    if (program.empty())
        throw Chyba("nelze zjistit, kde je program nainstalován");
    std::vector<std::string> prikaz {program, "--oznameni", "--jednou-denne"};
    if (v.sJen) {
        // Refused now rather than at every reminder; the command keeps the names as typed.
        const std::vector<std::string> jmena = RozeberJmena(v.jen);
        OsobyPripominky(jmena);
        std::string jen;
        for (const std::string &jmeno : jmena)
            jen += (jen.empty() ? "" : ", ") + jmeno;
        prikaz.emplace_back("--jen");
        prikaz.push_back(jen);
    }
    if (v.sKontakty) {
        // The command names the file by its whole path, as logins and timers start elsewhere.
        prikaz.emplace_back("--kontakty");
        if (!v.kontakty.empty()) {
            char *cesta = realpath(v.kontakty.c_str(), nullptr);
            if (!cesta)
                throw Chyba("soubor " + Uvozene(v.kontakty) + " nelze najít: " + Duvod(errno));
            prikaz.emplace_back(cesta);
            std::free(cesta);
        }
    }
    return prikaz;
}

int Autostart(const Volby &v)
{
    if (v.autostart == "vypnout") {
        if (v.sJen || v.sKontakty)
            throw Chyba(std::string("volba ") + (v.sJen ? "--jen" : "--kontakty")
                + " patří k --autostart zapnout");
        if (!v.pripominka.empty())
            throw Chyba("volba --pripominka patří k --autostart zapnout");
        Vypis(VypniPripominku() ? "Připomínka jmenin je vypnuta.\n"
                                : "Připomínka jmenin nebyla zapnuta.\n");
        return Hotovo;
    }
    if (v.autostart != "zapnout")
        throw Chyba("neznámá hodnota " + Uvozene(v.autostart)
            + " volby --autostart: zadejte zapnout nebo vypnout");
    const int minuta = v.pripominka.empty() ? 8 * 60 : RozeberCas(v.pripominka);
    // Contacts are read now, so that a file or an address book that cannot be read is said at
    // once rather than at every reminder.
    if (v.sKontakty && !Kontakty(v))
        return NicNenalezeno;
    const Zapnuti zapnuti = ZapniPripominku(PrikazPripominky(v), v.sJen || v.sKontakty, minuta);
    if (zapnuti.casovac) {
        const std::string cas = std::to_string(minuta / 60) + ":" + (minuta % 60 < 10 ? "0" : "")
            + std::to_string(minuta % 60);
        Vypis("Připomínka jmenin je zapnuta jako časovač systemd, každý den v " + cas
            + " a zmeškaná po probuzení nebo přihlášení: " + zapnuti.soubor + "\n");
    } else {
        // Without the desktop session under systemd nothing runs at a time of day.
        Vypis("Připomínka jmenin je zapnuta při každém přihlášení jako položka automatického "
              "spuštění (grafické sezení neběží pod systemd): "
            + zapnuti.soubor + "\n");
    }
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
    auto *varianta
        = app.add_option("--varianta", v.varianta, "kalendář cz, sk nebo obe (výchozí cz)")
              ->type_name("VARIANTA")
              ->needs(ics);
    auto *jen = app.add_option("--jen", v.jen,
                       "jen jmeniny těchto jmen: \"Jana, Petr\" (u oznámení CZ i SK)")
                    ->type_name("JMÉNA");
    auto *pripominka = app.add_option("--pripominka", v.pripominka,
                              "připomínka v den jmenin v daný čas, např. 8:00 (s --autostart "
                              "denní, výchozí 8:00)")
                           ->type_name("ČAS");
    auto *vystup = app.add_option("-o,--vystup", v.vystup, "zapíše kalendář do souboru")
                       ->type_name("SOUBOR")
                       ->needs(ics);
    auto *kontakty = app.add_option("--kontakty", v.kontakty,
                            "jmeniny kontaktů ze souboru vCard, bez něj z adresáře plochy")
                         ->type_name("[SOUBOR]")
                         ->expected(0, 1);
    auto *oznameni = app.add_flag("--oznameni", v.oznameni,
                            "oznámení na ploše jako panel Dnes je...; s --jen či --kontakty v den "
                            "svátku a den předem")
                         ->disable_flag_override();
    app.add_flag("--jednou-denne", v.jednouDenne,
           "pro časovač a přihlášení: nejvýš jednou denně, na službu oznámení čeká až minutu")
        ->disable_flag_override()
        ->needs(oznameni);
    auto *autostart = app.add_option("--autostart", v.autostart,
                             "zapnout: --oznameni (s --jen či --kontakty) každý den; vypnout: "
                             "už ne")
                          ->type_name("zapnout|vypnout");
    radek->excludes(json)->excludes(jmeno)->excludes(ics)->excludes(oznameni);
    json->excludes(jmeno)->excludes(ics)->excludes(oznameni);
    jmeno->excludes(ics)->excludes(oznameni);
    datum->excludes(ics);
    ics->excludes(oznameni);
    kontakty->excludes(radek)->excludes(json)->excludes(jmeno)->excludes(jen);
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
        throw Chyba(CeskaZprava(e, app));
    }
    // An empty value is a mistake, not a wish for the default.
    for (const CLI::Option *volba :
        {datum, jmeno, ics, varianta, jen, pripominka, vystup, autostart}) {
        for (const std::string &hodnota : volba->results()) {
            if (hodnota.empty())
                throw Chyba("volba " + volba->get_name() + " potřebuje hodnotu");
        }
    }

    // --kontakty alone means the address book, so the parser gives "" for it as for an empty
    // value: only the command line tells them apart.
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--kontakty=" || (a == "--kontakty" && i + 1 < argc && argv[i + 1][0] == '\0'))
            throw Chyba("volba --kontakty potřebuje hodnotu");
    }
    v.sJen = jen->count() > 0;
    v.sKontakty = kontakty->count() > 0;
    if (v.sJen && ics->count() == 0 && !v.oznameni && autostart->count() == 0)
        throw Chyba("volba --jen patří k volbě --ics, --oznameni nebo --autostart");
    if (pripominka->count() > 0 && ics->count() == 0 && autostart->count() == 0)
        throw Chyba("volba --pripominka patří k volbě --ics nebo --autostart");
    if (autostart->count() > 0)
        return Autostart(v);
    if (!v.ics.empty() || ics->count() > 0)
        return Kalendar(v);
    const Datum den = datum->count() == 0 ? Dnes() : RozeberDatum(v.datum);
    if (jmeno->count() > 0) {
        if (Slozene(v.jmeno).empty())
            throw Chyba("jméno " + Uvozene(v.jmeno)
                + " neobsahuje písmena: zadejte například --jmeno jiri");
        return Jmeno(v, den);
    }
    if (v.oznameni)
        return Oznam(v, den);
    if (v.sKontakty)
        return SvatkyKontaktu(v, den);
    return Den(v, den);
}

} // namespace

int main(int argc, char **argv)
{
    const char *zprava = "vnitřní chyba programu";
    try {
        return Spust(argc, argv);
    } catch (const Chyba &e) {
        std::fprintf(stderr, "voranek-svatky: %s\n", JedenRadek(e.what(), 300).c_str());
        return SpatneZadani;
    } catch (const std::bad_alloc &) {
        zprava = "nedostatek paměti";
    } catch (...) { }
    std::fprintf(stderr, "voranek-svatky: %s\n", zprava);
    return SpatneZadani;
}
