// Reads a vCard file RUNS times in-process, as --kontakty does once the module is loaded: the
// parse, the look-up of every given name in both calendars and the list of the year. Prints
// the median in milliseconds.
#include "cli/kontakty.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace voranek;
using namespace voranek::cli;

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "použití: kontakty SOUBOR.vcf POČET\n");
        return 2;
    }
    const std::string text = CtiSoubor(argv[1]);
    const KalendarDnu kalendar = VytvorKalendarDnu();
    std::vector<double> casy;
    std::size_t kontaktu = 0;
    for (int i = 0; i < std::atoi(argv[2]); ++i) {
        const auto zacatek = std::chrono::steady_clock::now();
        const Adresar adresar = CtiVCard(text);
        const std::string vypis = VypisKontaktu(
            NajdiKontakty(adresar.kontakty, {true, true}), kalendar, Datum {1, 1, 2027});
        casy.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - zacatek)
                .count());
        kontaktu = adresar.kontakty.size() + (vypis.empty() ? 1 : 0);
    }
    std::nth_element(casy.begin(), casy.begin() + casy.size() / 2, casy.end());
    std::printf("%zu %.2f\n", kontaktu, casy[casy.size() / 2]);
}
