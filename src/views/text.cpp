#include "views/text.h"

#include "calendar/datum.h"

QStringList PolozkyMesicu()
{
    QStringList polozky;
    for (std::string_view m : voranek::MesiceNominativ)
        polozky.append(Qs(m));
    polozky.last() = polozky.last().trimmed();
    return polozky;
}
