// The last day the reminder was shown: a login, a wake and the timer on the same day remind
// once.
#pragma once

#include "calendar/datum.h"

#include <string>

namespace voranek::cli {

// $XDG_STATE_HOME/voranek/posledni-pripominka, or under ~/.local/state; a Chyba when neither
// is known.
std::string SouborDeniku();

// The open record, locked while the object lives: runs at the same moment take turns, and the
// second finds the day the first has written.
class DenikPripominek
{
public:
    // Opens the file, making it and its folders if need be; a Chyba naming what failed.
    explicit DenikPripominek(std::string soubor);
    ~DenikPripominek();
    DenikPripominek(const DenikPripominek &) = delete;
    DenikPripominek &operator=(const DenikPripominek &) = delete;

    // Whether the reminder of the day has been shown; a missing or damaged record says not.
    bool Ukazano(const Datum &den) const;
    // Records the day as shown; a Chyba naming the file when it cannot.
    void Zapis(const Datum &den);

private:
    std::string soubor_;
    std::string obsah_;
    int fd_ = -1;
};

} // namespace voranek::cli
