// Desktop notifications: what they say, and the module that hands them to the desktop.
#pragma once

#include "calendar/datum.h"
#include "calendar/hledani.h"

#include <optional>
#include <string>
#include <vector>

namespace voranek::cli {

struct Oznameni {
    std::string souhrn;
    std::string telo;
};

// The day as the today panel gives it: the date line, then the names and the holidays of both
// calendars, the Slovak one only where it differs.
Oznameni OznameniDne(const Datum &dnes);

// The entries of each listed person in both calendars; a name neither calendar knows is a
// Chyba naming it.
std::vector<std::vector<Nalez>> OsobyPripominky(const std::vector<std::string> &jmena);

// "Dnes má svátek Jana", "Zítra mají svátek Adam a Eva", "Dnes má svátek Jiří, zítra Marek":
// the persons whose name day is today or tomorrow; nothing on any other day. A person with a
// Czech day is marked "(SK)" on a day only the Slovak calendar gives.
std::optional<Oznameni> OznameniOsob(
    const std::vector<std::vector<Nalez>> &osoby, const Datum &dnes);

// The application name and icon the desktop shows the notification with.
inline constexpr const char *NazevAplikace = "VORANEK";
inline constexpr const char *IkonaAplikace = "org.voranek.Voranek";

// The desktop's notification library and the session bus live in a module of their own,
// loaded only when a notification is sent: every other start of the program stays quick.
// The function returns "" once the desktop has the notification, otherwise the one line that
// says why it has not.
inline constexpr const char *SymbolOdeslani = "voranek_posli_oznameni";
using FunkceOdeslani = std::string (*)(const Oznameni &);

} // namespace voranek::cli
