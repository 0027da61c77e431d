// Splitting the content texts, which are kept as plain text rather than as tables of
// pointers, into their lines and fields.
#pragma once

#include <string_view>
#include <vector>

namespace voranek {

// The lines of a text, the empty ones included; a text that begins with a line break (as a
// raw literal laid out on lines of its own does) has no empty first line.
inline std::vector<std::string_view> RadkyTextu(std::string_view text, bool prazdne = false)
{
    if (text.starts_with('\n'))
        text.remove_prefix(1);
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::vector<std::string_view> radky;
    while (!text.empty() || prazdne) {
        const std::size_t konec = text.find('\n');
        const std::string_view radek = text.substr(0, konec);
        if (prazdne || !radek.empty())
            radky.push_back(radek);
        if (konec == std::string_view::npos)
            break;
        text.remove_prefix(konec + 1);
    }
    return radky;
}

inline std::vector<std::string_view> RozdelRadek(std::string_view radek, char oddelovac)
{
    std::vector<std::string_view> pole;
    for (;;) {
        const std::size_t konec = radek.find(oddelovac);
        pole.push_back(radek.substr(0, konec));
        if (konec == std::string_view::npos)
            return pole;
        radek.remove_prefix(konec + 1);
    }
}

} // namespace voranek
