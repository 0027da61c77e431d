// The daily reminder: a systemd user timer where the desktop session runs under systemd,
// otherwise an XDG autostart entry that reminds at every login.
#pragma once

#include <string>
#include <vector>

namespace voranek::cli {

// An Exec line that gives the program exactly these arguments, quoted by the desktop entry
// rules and escaped as a value of the file: no name can end an argument, start another
// command or expand as a variable.
std::string HodnotaExec(const std::vector<std::string> &argumenty);

// The same for the ExecStart line of a systemd unit, whose quoting and specifiers differ.
std::string HodnotaExecStart(const std::vector<std::string> &argumenty);

// The files the reminder consists of. prikaz is the command it runs, the installed program
// first; blizci tells whether it speaks of listed persons only.
std::string TextAutostartu(const std::vector<std::string> &prikaz, bool blizci);
std::string TextSluzby(const std::vector<std::string> &prikaz, bool blizci);
// The timer at the given minute of every day.
std::string TextCasovace(int minuta);

// $XDG_CONFIG_HOME/autostart/voranek-svatky.desktop and
// $XDG_CONFIG_HOME/systemd/user/voranek-svatky.timer, or under ~/.config; a Chyba when
// neither is known.
std::string SouborAutostartu();
std::string SouborCasovace();

// Whether a systemd user manager of this session answers.
bool SystemdBezi();

// Whether the desktop session runs under it, as the timer needs: a manager whose desktop
// never starts graphical-session.target would never run the timer.
bool SezeniSystemd();

struct Zapnuti {
    bool casovac; // the systemd timer, otherwise the autostart entry
    std::string soubor;
};

// Sets the reminder up, the timer where the desktop session runs under systemd, and removes
// the other kind; a Chyba naming what failed.
Zapnuti ZapniPripominku(const std::vector<std::string> &prikaz, bool blizci, int minuta);

// Removes whichever kind is there; false when there was none.
bool VypniPripominku();

} // namespace voranek::cli
