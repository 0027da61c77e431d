#include "calendar/znameni.h"

namespace voranek {

int ZnameniDne(int den, int mesic)
{
    // The sign that starts in a month begins on its boundary day; earlier days keep the
    // previous month's sign.
    constexpr std::array<int, 12> hranice = {20, 18, 20, 21, 21, 21, 23, 23, 23, 23, 22, 22};
    const int novy = mesic % 12 + 1;
    const int predchozi = mesic;
    return den >= hranice[static_cast<std::size_t>(mesic - 1)] ? novy : predchozi;
}

int ObdobiDne(int den, int mesic)
{
    switch (mesic) {
    case 1:
    case 2:
        return 4;
    case 3:
        return den >= 21 ? 1 : 4;
    case 4:
    case 5:
        return 1;
    case 6:
        return den >= 21 ? 2 : 1;
    case 7:
    case 8:
        return 2;
    case 9:
        return den >= 23 ? 3 : 2;
    case 10:
    case 11:
        return 3;
    default:
        return den >= 21 ? 4 : 3;
    }
}

} // namespace voranek
