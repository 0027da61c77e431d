// Every text the program shows must exist in the Windows-1250 code page, one byte a character.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

// The text's length in Windows-1250 bytes, or -1 when a character has no place there.
inline int DelkaCp1250(std::string_view utf8)
{
    iconv_t cd = iconv_open("CP1250", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return -2;
    std::string vstup(utf8);
    std::string vystup(vstup.size() + 4, '\0');
    char *in = vstup.data();
    char *out = vystup.data();
    size_t zbyvaIn = vstup.size();
    size_t zbyvaOut = vystup.size();
    const size_t r = iconv(cd, &in, &zbyvaIn, &out, &zbyvaOut);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1) || zbyvaIn != 0)
        return -1;
    return static_cast<int>(vystup.size() - zbyvaOut);
}
