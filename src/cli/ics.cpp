#include "cli/ics.h"

#include "calendar/popisdne.h"
#include "calendar/udajedne.h"
#include "cli/modul.h"
#include "cli/rozbor.h"
#include "cli/vypis.h"

#include <libical/ical.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace voranek::cli {

namespace {

struct UvolniKomponentu {
    void operator()(icalcomponent *k) const { icalcomponent_free(k); }
};
using Komponenta = std::unique_ptr<icalcomponent, UvolniKomponentu>;
struct UvolniVlastnost {
    void operator()(icalproperty *v) const { icalproperty_free(v); }
};
using Vlastnost = std::unique_ptr<icalproperty, UvolniVlastnost>;

constexpr std::string_view DomenaUid = "voranek.org";

// The file goes out in pieces of about this size.
constexpr std::size_t Kus = 64 * 1024;

// A write that failed ends the export; the writer knows why.
struct ZapisSelhal {
    int chyba;
};

// The text of a component, freed by libical's own allocator.
std::string_view TextKomponenty(icalcomponent *k, char *&text)
{
    text = icalcomponent_as_ical_string_r(k);
    if (!text)
        throw std::bad_alloc();
    return text;
}

// A property's line as libical writes it (escaped and folded), the property freed with it.
std::string Radek(icalproperty *vlastnost)
{
    const Vlastnost vlastnik(vlastnost);
    char *text = vlastnost ? icalproperty_as_ical_string_r(vlastnost) : nullptr;
    if (!text)
        throw std::bad_alloc();
    std::string radek(text);
    icalmemory_free_buffer(text);
    return radek;
}

// A date property written from the date itself: libical's date type turns years after 3000
// into an empty date, while every year the program computes is a valid RFC 5545 date.
icalproperty *DatumVlastnosti(icalproperty_kind druh, const Datum &datum)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", datum.rok, datum.mesic, datum.den);
    icalvalue *hodnota = icalvalue_new_from_string(ICAL_DATE_VALUE, text);
    icalproperty *vlastnost = icalproperty_new(druh);
    if (!hodnota || !vlastnost)
        throw std::bad_alloc();
    icalproperty_set_value(vlastnost, hodnota);
    return vlastnost;
}

// When the file was made, from the clock; a clock outside the years the program computes is
// refused rather than written as an empty time.
Vlastnost Razitko()
{
    const std::time_t ted = std::time(nullptr);
    std::tm cas {};
    const long long rok = gmtime_r(&ted, &cas) ? cas.tm_year + 1900LL : -1;
    if (rok < NejmensiRok || rok > NejvetsiRok)
        throw Chyba("rok hodin počítače " + std::to_string(rok) + " je mimo rozsah "
            + std::to_string(NejmensiRok) + "–" + std::to_string(NejvetsiRok));
    char text[64];
    std::snprintf(text, sizeof text, "%04lld%02d%02dT%02d%02d%02dZ", rok, cas.tm_mon + 1,
        cas.tm_mday, cas.tm_hour, cas.tm_min, cas.tm_sec);
    icalvalue *hodnota = icalvalue_new_from_string(ICAL_DATETIME_VALUE, text);
    Vlastnost vlastnost(icalproperty_new(ICAL_DTSTAMP_PROPERTY));
    if (!hodnota || !vlastnost)
        throw std::bad_alloc();
    icalproperty_set_value(vlastnost.get(), hodnota);
    return vlastnost;
}

// The next day, or nothing after the last day of 9999, which no four-digit year follows.
std::optional<Datum> DalsiDen(Datum datum)
{
    if (datum.den < DnyVMesici(datum.mesic, datum.rok)) {
        ++datum.den;
        return datum;
    }
    datum.den = 1;
    if (datum.mesic < 12) {
        ++datum.mesic;
        return datum;
    }
    if (datum.rok >= 9999)
        return std::nullopt;
    datum.mesic = 1;
    ++datum.rok;
    return datum;
}

// A part of a UID from an entry or a person: "Adam a Eva" gives "adam-a-eva".
std::string Slug(std::string_view text)
{
    std::string slug;
    for (char c : Slozene(text)) {
        const bool pismeno = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (pismeno)
            slug += c;
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    return slug;
}

std::string Nazev(const ZadaniExportu &zadani)
{
    std::string nazev = "Jmeniny a svátky";
    if (zadani.kalendare[CZ] && zadani.kalendare[SK])
        return nazev + " CZ a SK";
    return nazev + (zadani.kalendare[CZ] ? " CZ" : " SK");
}

class Export
{
public:
    Export(const ZadaniExportu &zadani, FunkceZapisu zapis, void *kam)
        : zadani_(zadani)
        , zapis_(zapis)
        , kam_(kam)
        , obe_(zadani.kalendare[CZ] && zadani.kalendare[SK])
        , razitko_(Radek(Razitko().release()))
        , kalendar_(icalcomponent_new(ICAL_VCALENDAR_COMPONENT))
    {
        icalcomponent *k = kalendar_.get();
        icalcomponent_add_property(k, icalproperty_new_prodid("-//VORANEK//voranek-svatky//CS"));
        icalcomponent_add_property(k, icalproperty_new_version("2.0"));
        icalcomponent_add_property(k, icalproperty_new_calscale("GREGORIAN"));
        icalcomponent_add_property(k, icalproperty_new_method(ICAL_METHOD_PUBLISH));
        const std::string nazev = Nazev(zadani);
        icalcomponent_add_property(k, icalproperty_new_name(nazev.c_str()));
        // The name most calendar programs read.
        icalproperty *x = icalproperty_new_x(nazev.c_str());
        icalproperty_set_x_name(x, "X-WR-CALNAME");
        icalcomponent_add_property(k, x);
    }

    void Zapis()
    {
        // Each event is written and freed at once, and the text goes out as it grows: memory
        // stays the same for a year or for thousands of them.
        char *obal = nullptr;
        const std::string_view text = TextKomponenty(kalendar_.get(), obal);
        const std::unique_ptr<char, decltype(&icalmemory_free_buffer)> uvolni(
            obal, icalmemory_free_buffer);
        const auto konec = text.rfind("END:VCALENDAR");
        text_.reserve(Kus + 4096);
        text_.append(text.substr(0, konec));
        for (int rok = zadani_.od; rok <= zadani_.doRoku; ++rok) {
            for (int mesic = 1; mesic <= 12; ++mesic) {
                for (int den = 1; den <= DnyVMesici(mesic, rok); ++den)
                    Den(Datum {static_cast<std::uint16_t>(den), static_cast<std::uint16_t>(mesic),
                        static_cast<std::uint16_t>(rok)});
            }
        }
        text_.append(text.substr(konec));
        Posli();
    }

private:
    void Den(const Datum &datum)
    {
        for (TypKalendare typ : {CZ, SK}) {
            if (!zadani_.kalendare[typ])
                continue;
            const UdajeDne udaje = Udaje(datum, typ);
            if (udaje.jmeno >= 0)
                Jmeniny(typ, udaje.jmeno, datum);
            if (udaje.svatek)
                UdalostSvatku(*udaje.svatek, typ, datum);
        }
    }

    // Under the name the law gives it that year, and of the kind it is that year.
    void UdalostSvatku(const SvatekRoku &svatek, TypKalendare typ, const Datum &datum)
    {
        Udalost(datum, typ, std::string(svatek.nazev), NazevDruhu(svatek.druh),
            "svatek-" + Slug(svatek.dlouhy), false);
    }

    void Jmeniny(TypKalendare typ, std::int16_t index, const Datum &datum)
    {
        if (zadani_.kontakty) {
            JmeninyKontaktu(typ, index, datum);
            if (!zadani_.jen)
                return;
        }
        if (!zadani_.jen) {
            const std::string_view zaznam = Zaznam(typ, index);
            const bool vice
                = Osoby(zaznam).size() > 1 && zaznam.find(" a ") != std::string_view::npos;
            Udalost(datum, typ,
                std::string(vice ? "Svátek mají " : "Svátek má ") + std::string(zaznam), "jmeniny",
                "jmeniny-" + Slug(zaznam), true);
            return;
        }
        const auto &jen = *zadani_.jen;
        for (auto n = jen.begin(); n != jen.end(); ++n) {
            if (n->typ != typ || n->index != index)
                continue;
            // A person listed twice, in whatever spelling, is one event: one UID.
            const auto stejna = [&n](const Nalez &m) {
                return m.typ == n->typ && m.index == n->index && m.osoba == n->osoba;
            };
            if (std::find_if(jen.begin(), n, stejna) != n)
                continue;
            Udalost(datum, typ, "Svátek má " + std::string(n->osoba), "jmeniny",
                "jmeniny-" + Slug(n->osoba), true);
        }
    }

    // One event a contact: two contacts of one name are two events, each with a UID of its own
    // that the next export gives it again.
    void JmeninyKontaktu(TypKalendare typ, std::int16_t index, const Datum &datum)
    {
        for (const SvatekKontaktu &k : *zadani_.kontakty) {
            if (k.nalez.typ != typ || k.nalez.index != index)
                continue;
            std::uint64_t otisk = 14695981039346656037u; // FNV-1a
            for (unsigned char c : k.klic)
                otisk = (otisk ^ c) * 1099511628211u;
            char kod[17];
            std::snprintf(kod, sizeof kod, "%016llx", static_cast<unsigned long long>(otisk));
            Udalost(
                datum, typ, "Svátek má " + k.jmeno, "jmeniny", "kontakt-" + std::string(kod), true);
        }
    }

    // An event is written as libical writes a component, its properties in this order; only the
    // lines that differ from event to event go through libical each time, the others are
    // written once (a century's export would otherwise spend most of its time there).
    void Udalost(const Datum &datum, TypKalendare typ, std::string souhrn, std::string_view druh,
        const std::string &co, bool pripominat)
    {
        if (obe_)
            souhrn += typ == CZ ? " (CZ)" : " (SK)";

        char den[32];
        std::snprintf(den, sizeof den, "%04d%02d%02d", datum.rok, datum.mesic, datum.den);
        const std::string uid
            = std::string(den) + (typ == CZ ? "-cz-" : "-sk-") + co + "@" + std::string(DomenaUid);

        PripravData(datum);
        text_ += "BEGIN:VEVENT\r\n";
        text_ += Radek(icalproperty_new_uid(uid.c_str()));
        text_ += razitko_;
        text_ += zacatek_;
        text_ += konec_;
        text_ += Radek(icalproperty_new_summary(souhrn.c_str()));
        text_ += Kategorie(druh);
        text_ += pruhledna_;
        if (pripominat && zadani_.pripominka) {
            text_ += "BEGIN:VALARM\r\n";
            text_ += akce_;
            text_ += Radek(icalproperty_new_description(souhrn.c_str()));
            // From the start of the all-day event, midnight of the day.
            text_ += spoustec_;
            text_ += "END:VALARM\r\n";
        }
        text_ += "END:VEVENT\r\n";
        if (text_.size() >= Kus)
            Posli();
    }

    const std::string &Kategorie(std::string_view druh)
    {
        for (const auto &[nazev, radek] : kategorie_) {
            if (nazev == druh)
                return radek;
        }
        return kategorie_
            .emplace_back(
                std::string(druh), Radek(icalproperty_new_categories(std::string(druh).c_str())))
            .second;
    }

    // The day's start and end, written once for all the day's events.
    void PripravData(const Datum &datum)
    {
        if (!zacatek_.empty() && datum.den == den_.den && datum.mesic == den_.mesic
            && datum.rok == den_.rok)
            return;
        den_ = datum;
        zacatek_ = Radek(DatumVlastnosti(ICAL_DTSTART_PROPERTY, datum));
        // Without an end, an all-day event lasts its one day (RFC 5545, 3.6.1).
        const std::optional<Datum> konec = DalsiDen(datum);
        konec_ = konec ? Radek(DatumVlastnosti(ICAL_DTEND_PROPERTY, *konec)) : std::string();
    }

    void Posli()
    {
        if (const int chyba = zapis_(kam_, text_.data(), text_.size()))
            throw ZapisSelhal {chyba};
        text_.clear();
    }

    const ZadaniExportu &zadani_;
    const FunkceZapisu zapis_;
    void *const kam_;
    const bool obe_;
    const std::string razitko_;
    const std::string pruhledna_ = Radek(icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    const std::string akce_ = Radek(icalproperty_new_action(ICAL_ACTION_DISPLAY));
    const std::string spoustec_ = zadani_.pripominka
        ? Radek(icalproperty_new_trigger(icaltriggertype_from_int(*zadani_.pripominka * 60)))
        : std::string();
    std::vector<std::pair<std::string, std::string>> kategorie_;
    Komponenta kalendar_;
    std::string text_;
    Datum den_ {};
    std::string zacatek_, konec_;
};

} // namespace

int ExportIcs(const ZadaniExportu &zadani, FunkceZapisu zapis, void *kam)
{
    try {
        Export(zadani, zapis, kam).Zapis();
    } catch (const ZapisSelhal &z) {
        return z.chyba;
    }
    return 0;
}

std::string ExportIcs(const ZadaniExportu &zadani)
{
    std::string text;
    ExportIcs(
        zadani,
        [](void *kam, const char *data, std::size_t delka) noexcept {
            try {
                static_cast<std::string *>(kam)->append(data, delka);
                return 0;
            } catch (const std::bad_alloc &) {
                return ENOMEM;
            }
        },
        &text);
    return text;
}

} // namespace voranek::cli

extern "C" __attribute__((visibility("default"))) int voranek_export_ics(
    const voranek::cli::ZadaniExportu *zadani, voranek::cli::FunkceZapisu zapis, void *kam,
    char *zprava, std::size_t velikost) noexcept
{
    using namespace voranek::cli;
    // A failed write leaves the line to the writer, which knows the file.
    return VstupModulu(zprava, velikost,
        [&](std::string &) { return ExportIcs(*zadani, zapis, kam) == 0 ? Hotovo : SpatneZadani; });
}
