// The user's contacts, from a vCard file or the desktop's address book, and their name days.
#pragma once

#include "calendar/datum.h"
#include "calendar/hledani.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace voranek::cli {

struct Kontakt {
    std::string jmeno; // the full name, as the address book shows it
    std::string krestni; // the given name, which the calendars are searched for
    std::string klic; // the same for the same contact at every reading, distinct per contact
};

struct Adresar {
    std::vector<Kontakt> kontakty;
    std::vector<std::string> varovani; // the parts skipped, one Czech line each
    std::string chyba; // why nothing could be read; then nothing was
};

// The contacts of a vCard file of version 2.1, 3.0 or 4.0, one or many.
Adresar CtiVCard(const std::string &text);

// The contacts of every enabled address book of Evolution Data Server on the session bus.
Adresar CtiAdresarPlochy();

// The parser and the address book client live in a module of their own, loaded only when
// contacts are asked for. Its entry point, as modul.h describes entry points, reads the file's
// text, or without it (text null) the address book, and hands each contact and warning over as
// plain strings the program copies; it returns 1 with the reason when nothing could be read.
struct PrijemKontaktu {
    void *kam;
    void (*kontakt)(void *kam, const char *jmeno, const char *krestni, const char *klic) noexcept;
    void (*varovani)(void *kam, const char *radek) noexcept;
};
inline constexpr const char *SymbolKontaktu = "voranek_cti_kontakty";
using FunkceKontaktu = int (*)(const char *text, std::size_t delka, const PrijemKontaktu *prijem,
    char *zprava, std::size_t velikost) noexcept;

// The whole file; a Chyba naming it when it cannot be read.
std::string CtiSoubor(const std::string &cesta);

// A contact's name day in one calendar.
struct SvatekKontaktu {
    std::string jmeno;
    std::string klic;
    Nalez nalez;
};

struct Shody {
    std::vector<SvatekKontaktu> svatky; // in the order of the contacts, Czech first
    std::vector<std::string> nezname; // the full names no calendar holds
};

// The contacts whose given name is a person of the calendars asked for, as --jmeno finds it.
Shody NajdiKontakty(const std::vector<Kontakt> &kontakty, std::array<bool, 2> kalendare);

// "24. května: Jana Nováková (CZ)": each name day of the year from od, in date order, then the
// names no calendar holds.
std::string VypisKontaktu(const Shody &shody, const KalendarDnu &kalendar, const Datum &od);

// The persons of a reminder with the contacts' full names, in the same order.
struct OsobyKontaktu {
    std::vector<std::vector<Nalez>> nalezy;
    std::vector<std::string> jmena;
};
OsobyKontaktu OsobyZKontaktu(const Shody &shody);

} // namespace voranek::cli
