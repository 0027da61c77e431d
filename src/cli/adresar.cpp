// The contacts module: vCard files read by Evolution Data Server's parser, and the address
// book of the desktop read through its client library.
#include "cli/kontakty.h"
#include "cli/modul.h"

#include <libebook/libebook.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>

namespace voranek::cli {

namespace {

template<typename T> struct Uvolni {
    void operator()(T *p) const { g_object_unref(p); }
};
template<typename T> using Objekt = std::unique_ptr<T, Uvolni<T>>;

struct UvolniChybu {
    void operator()(GError *e) const { g_error_free(e); }
};
using GChyba = std::unique_ptr<GError, UvolniChybu>;

bool ZacinaBezOhledu(std::string_view text, std::string_view zacatek)
{
    if (text.size() < zacatek.size())
        return false;
    for (std::size_t i = 0; i < zacatek.size(); ++i) {
        if (g_ascii_tolower(text[i]) != g_ascii_tolower(zacatek[i]))
            return false;
    }
    return true;
}

std::string Orizni(std::string_view text)
{
    const auto zacatek = text.find_first_not_of(" \t\r\n");
    if (zacatek == std::string_view::npos)
        return {};
    const auto konec = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(zacatek, konec - zacatek + 1));
}

// Text that is not UTF-8 (a vCard 2.1 value in a charset it does not name) with its bad bytes
// replaced, so that nothing later chokes on it.
std::string Platne(const char *text)
{
    if (!text)
        return {};
    if (g_utf8_validate(text, -1, nullptr))
        return text;
    gchar *platne = g_utf8_make_valid(text, -1);
    std::string vysledek(platne);
    g_free(platne);
    return vysledek;
}

// The name part of a property line ("item1.TEL" and the like) up to its parameters, and where
// the value starts; std::string_view::npos for a line that is no property.
std::size_t ZacatekHodnoty(std::string_view radek)
{
    std::size_t i = 0;
    while (i < radek.size()
        && (g_ascii_isalnum(radek[i]) || radek[i] == '-' || radek[i] == '.' || radek[i] == '_'))
        ++i;
    if (i == 0 || i == radek.size() || (radek[i] != ';' && radek[i] != ':'))
        return std::string_view::npos;
    bool uvozovky = false;
    for (; i < radek.size(); ++i) {
        if (radek[i] == '"')
            uvozovky = !uvozovky;
        else if (radek[i] == ':' && !uvozovky)
            return i + 1;
    }
    return std::string_view::npos;
}

bool QuotedPrintable(std::string_view radek, std::size_t hodnota)
{
    std::string parametry(radek.substr(0, hodnota));
    for (char &c : parametry)
        c = g_ascii_toupper(c);
    return parametry.find("QUOTED-PRINTABLE") != std::string::npos;
}

struct Radek {
    std::string text;
    std::size_t cislo; // of the file, from 1
};

class CteniSouboru
{
public:
    explicit CteniSouboru(Adresar &adresar)
        : adresar_(adresar)
    { }

    void Cti(std::string_view text)
    {
        if (text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        std::size_t cislo = 0;
        while (!text.empty()) {
            ++cislo;
            const auto konec = text.find_first_of("\r\n");
            const std::string_view radek = text.substr(0, konec);
            text.remove_prefix(konec == std::string_view::npos ? text.size() : konec);
            if (text.starts_with("\r\n"))
                text.remove_prefix(2);
            else if (!text.empty())
                text.remove_prefix(1);
            Fyzicky(radek, cislo);
        }
        if (!karta_.empty()) {
            Varuj(karta_.front().cislo, "kontakt nemá konec (END:VCARD), čten až do konce souboru");
            Karta();
        }
    }

private:
    void Fyzicky(std::string_view radek, std::size_t cislo)
    {
        if (karta_.empty()) {
            if (ZacinaBezOhledu(radek, "BEGIN:VCARD"))
                karta_.push_back({std::string(radek), cislo});
            else if (!Orizni(radek).empty())
                Varuj(cislo, "řádek mimo kontakt přeskočen");
            return;
        }
        if (ZacinaBezOhledu(radek, "BEGIN:VCARD")) {
            Varuj(karta_.front().cislo, "kontakt nemá konec (END:VCARD), čten po další kontakt");
            Karta();
            karta_.push_back({std::string(radek), cislo});
            return;
        }
        karta_.push_back({std::string(radek), cislo});
        if (ZacinaBezOhledu(radek, "END:VCARD") && Orizni(radek.substr(9)).empty())
            Karta();
    }

    void Varuj(std::size_t cislo, const std::string &co)
    {
        adresar_.varovani.push_back("řádek " + std::to_string(cislo) + ": " + co);
    }

    // One card's lines unfolded and checked, then given to the parser.
    void Karta()
    {
        // vCard 2.1 folds at a blank and keeps it; the later versions drop the one blank that
        // starts a continued line.
        bool verze21 = false;
        for (const Radek &r : karta_) {
            if (ZacinaBezOhledu(r.text, "VERSION:") && Orizni(r.text.substr(8)) == "2.1")
                verze21 = true;
        }
        std::vector<Radek> logicke;
        for (std::size_t i = 0; i < karta_.size(); ++i) {
            const Radek &r = karta_[i];
            if (!logicke.empty() && !r.text.empty() && (r.text[0] == ' ' || r.text[0] == '\t')) {
                logicke.back().text += std::string_view(r.text).substr(verze21 ? 0 : 1);
                continue;
            }
            logicke.push_back(r);
            // A quoted-printable value goes on after a line that ends with "=". The parser
            // keeps such a break as "=" and a new line in the value when the next line starts
            // with a plain letter, so the lines are joined here.
            std::string &text = logicke.back().text;
            const std::size_t hodnota = ZacatekHodnoty(text);
            if (hodnota == std::string_view::npos || !QuotedPrintable(text, hodnota))
                continue;
            while (text.ends_with('=') && i + 1 < karta_.size()
                && !ZacinaBezOhledu(karta_[i + 1].text, "END:VCARD")) {
                text.pop_back();
                text += karta_[++i].text;
            }
        }

        std::string vcard;
        for (const Radek &r : logicke) {
            if (Orizni(r.text).empty())
                continue;
            if (ZacatekHodnoty(r.text) == std::string_view::npos) {
                // The start of the line, cut between letters.
                std::size_t delka = std::min<std::size_t>(r.text.size(), 40);
                while (delka < r.text.size() && (r.text[delka] & 0xC0) == 0x80)
                    --delka;
                const std::string ukazka = Platne(r.text.substr(0, delka).c_str());
                Varuj(r.cislo, "nečitelný řádek přeskočen: „" + ukazka + "“");
                continue;
            }
            vcard += r.text;
            vcard += "\r\n";
        }
        karta_.clear();
        Objekt<EContact> kontakt(e_contact_new_from_vcard(vcard.c_str()));
        if (kontakt)
            Pridej(kontakt.get());
    }

public:
    // Adds a contact of the file or the address book, unless it is a list or has no name.
    void Pridej(EContact *kontakt)
    {
        if (e_contact_get(kontakt, E_CONTACT_IS_LIST))
            return;
        Kontakt k;
        std::string rodne;
        if (auto *jmeno = static_cast<EContactName *>(e_contact_get(kontakt, E_CONTACT_NAME))) {
            k.krestni = Orizni(Platne(jmeno->given));
            rodne = Orizni(Platne(jmeno->family));
            e_contact_name_free(jmeno);
        }
        k.jmeno = Orizni(
            Platne(static_cast<const char *>(e_contact_get_const(kontakt, E_CONTACT_FULL_NAME))));
        if (k.jmeno.empty())
            k.jmeno = Orizni(k.krestni + " " + rodne);
        if (k.jmeno.empty())
            return;
        // A contact without a UID of its own is known by its name, and the second of two
        // such contacts of the same name by its place among them.
        const std::string uid
            = Platne(static_cast<const char *>(e_contact_get_const(kontakt, E_CONTACT_UID)));
        if (!uid.empty()) {
            k.klic = "uid:" + uid;
        } else {
            const int kolikaty = ++stejnaJmena_[k.jmeno];
            k.klic = "jmeno:" + k.jmeno + (kolikaty > 1 ? "#" + std::to_string(kolikaty) : "");
        }
        adresar_.kontakty.push_back(std::move(k));
    }

private:
    Adresar &adresar_;
    std::vector<Radek> karta_;
    std::map<std::string, int> stejnaJmena_;
};

// Opens a book at once with what it holds.
constexpr guint32 NecekatNaSpojeni = static_cast<guint32>(-1);

// The parser warns of what it cannot read on its own; what is skipped is said in Czech above.
void Ticho(const gchar *, GLogLevelFlags, const gchar *, gpointer)
{ }

} // namespace

Adresar CtiVCard(const std::string &text)
{
    const guint ticho = g_log_set_handler("libebook-contacts",
        static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE), Ticho, nullptr);
    Adresar adresar;
    CteniSouboru(adresar).Cti(text);
    g_log_remove_handler("libebook-contacts", ticho);
    return adresar;
}

Adresar CtiAdresarPlochy()
{
    Adresar adresar;
    // The client library's settings would go through dconf, which keeps files of its own in
    // the user's folders; this program only reads, and leaves no trace there.
    g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
    GError *chyba = nullptr;
    Objekt<ESourceRegistry> registr(e_source_registry_new_sync(nullptr, &chyba));
    if (!registr) {
        // Without a session bus or the service on it the reason is the same to the user.
        GChyba uklid(chyba);
        adresar.chyba = "adresář kontaktů plochy (Evolution Data Server) není k dispozici; "
                        "zadejte soubor: --kontakty kontakty.vcf";
        return adresar;
    }
    EBookQuery *dotaz = e_book_query_any_field_contains("");
    gchar *vse = e_book_query_to_string(dotaz);
    e_book_query_unref(dotaz);

    CteniSouboru cteni(adresar);
    GList *zdroje = e_source_registry_list_enabled(registr.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK);
    for (GList *z = zdroje; z; z = z->next) {
        auto *zdroj = static_cast<ESource *>(z->data);
        const std::string nazev = Platne(e_source_get_display_name(zdroj));
        // Through the address book service, which alone touches its files: this program
        // only asks. What a remote book holds already is enough; waiting for it to go online
        // would hold the reminder at login for as long as the network takes, or for ever.
        Objekt<EClient> klient(
            e_book_client_connect_sync(zdroj, NecekatNaSpojeni, nullptr, &chyba));
        GSList *kontakty = nullptr;
        if (klient
            && e_book_client_get_contacts_sync(
                E_BOOK_CLIENT(klient.get()), vse, &kontakty, nullptr, &chyba)) {
            for (GSList *k = kontakty; k; k = k->next)
                cteni.Pridej(E_CONTACT(k->data));
            e_util_free_object_slist(kontakty);
            continue;
        }
        GChyba uklid(chyba);
        chyba = nullptr;
        adresar.varovani.push_back(
            "„" + nazev + "“ nelze číst: " + (uklid ? uklid->message : "neznámá chyba"));
    }
    g_list_free_full(zdroje, g_object_unref);
    g_free(vse);
    return adresar;
}

} // namespace voranek::cli

extern "C" __attribute__((visibility("default"))) int voranek_cti_kontakty(const char *text,
    std::size_t delka, const voranek::cli::PrijemKontaktu *prijem, char *zprava,
    std::size_t velikost) noexcept
{
    using namespace voranek::cli;
    return VstupModulu(zprava, velikost, [&](std::string &radek) {
        const Adresar adresar = text ? CtiVCard(std::string(text, delka)) : CtiAdresarPlochy();
        for (const std::string &varovani : adresar.varovani)
            prijem->varovani(prijem->kam, varovani.c_str());
        for (const Kontakt &k : adresar.kontakty)
            prijem->kontakt(prijem->kam, k.jmeno.c_str(), k.krestni.c_str(), k.klic.c_str());
        radek = adresar.chyba;
        return adresar.chyba.empty() ? Hotovo : NicNenalezeno;
    });
}
