// The calendar file: every name day and holiday of a range of years as all-day events.
#pragma once

#include "calendar/hledani.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace voranek::cli {

struct ZadaniExportu {
    int od = 0;
    int doRoku = 0;
    std::array<bool, 2> kalendare {true, false}; // indexed by TypKalendare
    // Name days of these persons only (one event each); without it, every entry's day.
    std::optional<std::vector<Nalez>> jen;
    // An alarm on the day of each name day, minutes after midnight.
    std::optional<int> pripominka;
};

// The whole file, RFC 5545, lines ended by CRLF.
std::string ExportIcs(const ZadaniExportu &zadani);

// The export lives in a module of its own, loaded only when a file is asked for: the calendar
// library it needs would slow every other start of the program.
inline constexpr const char *SymbolExportu = "voranek_export_ics";
using FunkceExportu = std::string (*)(const ZadaniExportu &);

} // namespace voranek::cli
