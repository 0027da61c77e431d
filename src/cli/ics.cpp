#include "cli/ics.h"

#include "calendar/popisdne.h"
#include "calendar/udajedne.h"
#include "cli/vypis.h"

#include <libical/ical.h>

#include <algorithm>
#include <ctime>
#include <memory>

namespace voranek::cli {

namespace {

struct UvolniKomponentu {
    void operator()(icalcomponent *k) const { icalcomponent_free(k); }
};
using Komponenta = std::unique_ptr<icalcomponent, UvolniKomponentu>;

constexpr std::string_view DomenaUid = "voranek.org";

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
    explicit Export(const ZadaniExportu &zadani)
        : zadani_(zadani)
        , obe_(zadani.kalendare[CZ] && zadani.kalendare[SK])
        , razitko_(
              icaltime_from_timet_with_zone(std::time(nullptr), 0, icaltimezone_get_utc_timezone()))
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

    std::string Text()
    {
        // Each event is written and freed at once: a tree of a century's events costs more in
        // memory traffic than the writing itself.
        char *obal = icalcomponent_as_ical_string_r(kalendar_.get());
        const std::string_view text(obal);
        const auto konec = text.rfind("END:VCALENDAR");
        text_.append(text.substr(0, konec));
        for (int rok = zadani_.od; rok <= zadani_.doRoku; ++rok) {
            for (int mesic = 1; mesic <= 12; ++mesic) {
                for (int den = 1; den <= DnyVMesici(mesic, rok); ++den)
                    Den(Datum {static_cast<std::uint16_t>(den), static_cast<std::uint16_t>(mesic),
                        static_cast<std::uint16_t>(rok)});
            }
        }
        text_.append(text.substr(konec));
        icalmemory_free_buffer(obal);
        return std::move(text_);
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

    void Udalost(const Datum &datum, TypKalendare typ, std::string souhrn, std::string_view druh,
        const std::string &co, bool pripominat)
    {
        if (obe_)
            souhrn += typ == CZ ? " (CZ)" : " (SK)";

        icaltimetype zacatek = icaltime_null_date();
        zacatek.year = datum.rok;
        zacatek.month = datum.mesic;
        zacatek.day = datum.den;
        icaltimetype konec = zacatek;
        icaltime_adjust(&konec, 1, 0, 0, 0);

        char den[32];
        std::snprintf(den, sizeof den, "%04d%02d%02d", datum.rok, datum.mesic, datum.den);
        const std::string uid
            = std::string(den) + (typ == CZ ? "-cz-" : "-sk-") + co + "@" + std::string(DomenaUid);

        icalcomponent *udalost = icalcomponent_new_vevent();
        icalcomponent_add_property(udalost, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(udalost, icalproperty_new_dtstamp(razitko_));
        icalcomponent_add_property(udalost, icalproperty_new_dtstart(zacatek));
        icalcomponent_add_property(udalost, icalproperty_new_dtend(konec));
        icalcomponent_add_property(udalost, icalproperty_new_summary(souhrn.c_str()));
        icalcomponent_add_property(udalost, icalproperty_new_categories(std::string(druh).c_str()));
        icalcomponent_add_property(udalost, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (pripominat && zadani_.pripominka) {
            icalcomponent *alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(alarm, icalproperty_new_description(souhrn.c_str()));
            // From the start of the all-day event, midnight of the day.
            icalcomponent_add_property(alarm,
                icalproperty_new_trigger(icaltriggertype_from_int(*zadani_.pripominka * 60)));
            icalcomponent_add_component(udalost, alarm);
        }
        char *text = icalcomponent_as_ical_string_r(udalost);
        text_ += text;
        icalmemory_free_buffer(text);
        icalcomponent_free(udalost);
    }

    const ZadaniExportu &zadani_;
    const bool obe_;
    const icaltimetype razitko_;
    Komponenta kalendar_;
    std::string text_;
};

} // namespace

std::string ExportIcs(const ZadaniExportu &zadani)
{
    return Export(zadani).Text();
}

} // namespace voranek::cli

extern "C" __attribute__((visibility("default"))) std::string voranek_export_ics(
    const voranek::cli::ZadaniExportu &zadani)
{
    return voranek::cli::ExportIcs(zadani);
}
