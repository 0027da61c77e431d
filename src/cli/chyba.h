// A failure the user caused or must know of: one Czech line for standard error.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace voranek::cli {

struct Chyba : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Exit statuses, as scripts read them.
inline constexpr int Hotovo = 0;
inline constexpr int NicNenalezeno = 1;
inline constexpr int SpatneZadani = 2;

// The text safe to show on one line of a terminal: control characters (line breaks, escape
// sequences, C1 controls, the Unicode line separators) and bytes that are not UTF-8 are
// written as escapes, and past nejvic characters the rest is left out for "…".
inline std::string JedenRadek(std::string_view text, std::size_t nejvic)
{
    std::string vysledek;
    std::size_t znaku = 0;
    auto unik = [&](unsigned kod, bool unicode) {
        char s[12];
        std::snprintf(s, sizeof s, unicode ? "\\u%04X" : "\\x%02X", kod);
        vysledek += s;
    };
    for (std::size_t i = 0; i < text.size();) {
        if (znaku == nejvic) {
            vysledek += "…";
            break;
        }
        ++znaku;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '\n')
                vysledek += "\\n";
            else if (c == '\t')
                vysledek += "\\t";
            else if (c == '\r')
                vysledek += "\\r";
            else if (c < 0x20 || c == 0x7F)
                unik(c, false);
            else
                vysledek += static_cast<char>(c);
            ++i;
            continue;
        }
        // A sequence of the shortest form for a scalar value, or a lone byte.
        const std::size_t delka = c >= 0xC2 && c <= 0xDF ? 2
            : c >= 0xE0 && c <= 0xEF                     ? 3
            : c >= 0xF0 && c <= 0xF4                     ? 4
                                                         : 0;
        unsigned kod = delka == 2 ? c & 0x1Fu : delka == 3 ? c & 0x0Fu : c & 0x07u;
        bool platny = delka > 0 && i + delka <= text.size();
        for (std::size_t j = 1; platny && j < delka; ++j) {
            const auto d = static_cast<unsigned char>(text[i + j]);
            platny = (d & 0xC0) == 0x80;
            kod = (kod << 6) | (d & 0x3Fu);
        }
        platny = platny && !(delka == 3 && (kod < 0x800 || (kod >= 0xD800 && kod <= 0xDFFF)))
            && !(delka == 4 && (kod < 0x10000 || kod > 0x10FFFF));
        if (!platny) {
            unik(c, false);
            ++i;
            continue;
        }
        if (kod < 0xA0 || kod == 0x2028 || kod == 0x2029)
            unik(kod, true);
        else
            vysledek.append(text.substr(i, delka));
        i += delka;
    }
    return vysledek;
}

// The value as the user typed it, in Czech quotes, on one line and shortened when long.
inline std::string Uvozene(std::string_view text)
{
    return "„" + JedenRadek(text, 60) + "“";
}

} // namespace voranek::cli
