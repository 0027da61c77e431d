// Writing a file whole or not at all, and writing into what is not a file without replacing it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace voranek::cli {

// Why a file could not be written, in Czech.
std::string Duvod(int chyba);

// Where output goes, written piece by piece.
//
// A regular file, or a link to one, is written beside the file the links lead to and renamed
// over it once complete, so a failure or a signal leaves the older file as it was and the link
// stays a link. The new file keeps the old one's mode, owner and group where the user may set
// them. Anything else (a device, a pipe, a terminal, /dev/stdout or a process substitution) is
// written into directly and never replaced. An empty path is standard output.
class Vystup
{
public:
    // prava, where given, are the file's permissions whatever the umask or an older file had.
    explicit Vystup(const std::string &cesta, std::optional<unsigned> prava = std::nullopt);
    ~Vystup();
    Vystup(const Vystup &) = delete;
    Vystup &operator=(const Vystup &) = delete;

    // 0, or the errno of the failed write; after a failure nothing more is written.
    int Zapis(const char *data, std::size_t delka) noexcept;
    // The same as a plain function, for a module.
    static int Zapis(void *vystup, const char *data, std::size_t delka) noexcept;

    // Puts the complete file in place. Throws Chyba naming the file, also for an earlier
    // failed write.
    void Dokonci();

    // The errno of the first failed write, or 0.
    int ChybaZapisu() const { return chyba_; }

    // Throws Chyba naming the file for a failure of its own.
    [[noreturn]] void Selhani(int chyba) const;

private:
    std::string cesta_; // as the user gave it
    std::string cil_; // the file that gets replaced; empty when written directly
    std::string docasny_; // the temporary file beside it
    int fd_ = -1;
    bool zavrit_ = true; // false for standard output, which is not ours to close
    int chyba_ = 0;
};

// The whole text into a file, as Vystup writes it.
void ZapisCely(
    const std::string &cesta, std::string_view obsah, std::optional<unsigned> prava = std::nullopt);

} // namespace voranek::cli
