// Desktop notifications: whom they are about, and the module that hands them to the desktop.
#pragma once

#include "calendar/datum.h"
#include "calendar/hledani.h"
#include "calendar/pripominka.h"

#include <string>
#include <vector>

namespace voranek::cli {

using voranek::Oznameni;

// The entries of each listed person in both calendars; a name neither calendar knows is a
// Chyba naming it.
std::vector<std::vector<Nalez>> OsobyPripominky(const std::vector<std::string> &jmena);

// The application name and icon the desktop shows the notification with.
inline constexpr const char *NazevAplikace = "VORANEK";
inline constexpr const char *IkonaAplikace = "org.voranek.Voranek";

// The desktop's notification library and the session bus live in a module of their own,
// loaded only when a notification is sent: every other start of the program stays quick.
// Its entry point, as modul.h describes entry points, returns 0 once the desktop has the
// notification, otherwise 1 and the one line that says why it has not. From a terminal the
// desktop is up: a service that is neither running nor started on demand within moments is
// none. At login (priPrihlaseni) the service may come up well after the program, and it is
// waited for about a minute.
inline constexpr const char *SymbolOdeslani = "voranek_oznam";
using FunkceOdeslani = int (*)(
    const Oznameni *oznameni, bool priPrihlaseni, char *zprava, std::size_t velikost) noexcept;

} // namespace voranek::cli
