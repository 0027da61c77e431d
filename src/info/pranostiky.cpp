#include "info/pranostiky.h"

#include "info/text.h"

#include <stdexcept>
#include <vector>

namespace voranek {

const std::array<MesicPranostik, 12> &Pranostiky()
{
    static const std::array<std::vector<std::string_view>, 12> radky = [] {
        std::array<std::vector<std::string_view>, 12> r;
        std::size_t mesic = 0;
        for (std::string_view radek : RadkyTextu(TextPranostik, true)) {
            if (radek.empty())
                ++mesic;
            else if (mesic < r.size())
                r[mesic].push_back(radek);
        }
        if (mesic != r.size() - 1)
            throw std::logic_error("Poškozená tabulka pranostik");
        return r;
    }();
    static const std::array<MesicPranostik, 12> pranostiky = [] {
        std::array<MesicPranostik, 12> p;
        for (std::size_t m = 0; m < p.size(); ++m)
            p[m] = {NadpisyPranostik[m], radky[m]};
        return p;
    }();
    return pranostiky;
}

} // namespace voranek
