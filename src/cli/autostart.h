// The reminder at every login: an XDG autostart entry in the user's configuration.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace voranek::cli {

// An Exec line that gives the program exactly these arguments, quoted by the desktop entry
// rules and escaped as a value of the file: no name can end an argument, start another
// command or expand as a variable.
std::string HodnotaExec(const std::vector<std::string> &argumenty);

// The whole entry that runs the installed program with --oznameni (and --jen jen) at login;
// with kontakty, --kontakty and the file, or alone when it is "" (the address book).
std::string TextAutostartu(const std::string &program, const std::optional<std::string> &jen,
    const std::optional<std::string> &kontakty = std::nullopt);

// $XDG_CONFIG_HOME/autostart/voranek-svatky.desktop, or under ~/.config; a Chyba when
// neither is known.
std::string SouborAutostartu();

// Writes the entry, making the folders it needs; a Chyba naming what failed.
void ZapniAutostart(const std::string &soubor, const std::string &text);

// Removes the entry; false when there was none.
bool VypniAutostart(const std::string &soubor);

} // namespace voranek::cli
