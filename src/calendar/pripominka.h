// What a reminder says: the day as the today panel gives it, or the listed persons whose name
// day is today or tomorrow.
#pragma once

#include "calendar/datum.h"
#include "calendar/hledani.h"

#include <optional>
#include <string>
#include <vector>

namespace voranek {

struct Oznameni {
    std::string souhrn;
    std::string telo;
};

// The day as the today panel gives it: the date line, then the names and the holidays of both
// calendars, the Slovak one only where it differs.
Oznameni OznameniDne(const Datum &dnes);

// "Dnes má svátek Jana", "Zítra mají svátek Adam a Eva", "Dnes má svátek Jiří, zítra Marek":
// the persons whose name day is today or tomorrow; nothing on any other day. A person with a
// Czech day is marked "(SK)" on a day only the Slovak calendar gives. With jmena (one a person,
// a contact's full name) the persons are named so: "Zítra má svátek Jana Nováková".
std::optional<Oznameni> OznameniOsob(const std::vector<std::vector<Nalez>> &osoby,
    const Datum &dnes, const std::vector<std::string> &jmena = {});

} // namespace voranek
