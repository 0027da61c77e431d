// Splitting the content texts, which are kept as plain text rather than as tables of
// pointers, into their lines and fields.
#pragma once

#include <string_view>
#include <vector>

namespace voranek {

// The parts of a text between the dividers, empty ones included.
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

// The lines of a text, the empty ones only when asked for; a text that begins with a line
// break (as a raw literal laid out on lines of its own does) has no empty first line.
inline std::vector<std::string_view> RadkyTextu(std::string_view text, bool prazdne = false)
{
    if (text.starts_with('\n'))
        text.remove_prefix(1);
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    std::vector<std::string_view> radky = RozdelRadek(text, '\n');
    if (!prazdne)
        std::erase_if(radky, [](std::string_view r) { return r.empty(); });
    return radky;
}

} // namespace voranek
