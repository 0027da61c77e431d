// The calendar file: every name day and holiday of a range of years as all-day events.
#pragma once

#include "calendar/hledani.h"
#include "cli/kontakty.h"

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
    // The name days of these contacts, one event each, named by the contact's full name.
    std::optional<std::vector<SvatekKontaktu>> kontakty;
    // An alarm on the day of each name day, minutes after midnight.
    std::optional<int> pripominka;
};

// Takes the next piece of the file; returns 0, or the errno of a failed write.
using FunkceZapisu = int (*)(void *kam, const char *data, std::size_t delka) noexcept;

// The file, RFC 5545, lines ended by CRLF, handed to zapis piece by piece as the events are
// made, so memory stays the same for any range of years. Returns 0, or the errno of the write
// that failed and ended the export.
int ExportIcs(const ZadaniExportu &zadani, FunkceZapisu zapis, void *kam);

// The whole file as one text.
std::string ExportIcs(const ZadaniExportu &zadani);

// The export lives in a module of its own, loaded only when a file is asked for: the calendar
// library it needs would slow every other start of the program. Its entry point, as modul.h
// describes entry points:
inline constexpr const char *SymbolExportu = "voranek_export_ics";
using FunkceExportu = int (*)(const ZadaniExportu *zadani, FunkceZapisu zapis, void *kam,
    char *zprava, std::size_t velikost) noexcept;

} // namespace voranek::cli
