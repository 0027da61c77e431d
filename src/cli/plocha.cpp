// Sends a notification to the desktop through the freedesktop notification service.
#include "cli/modul.h"
#include "cli/oznameni.h"

#include <libnotify/notify.h>

#include <csignal>
#include <memory>
#include <string>
#include <unistd.h>

namespace voranek::cli {

namespace {

constexpr const char *SluzbaOznameni = "org.freedesktop.Notifications";
constexpr const char *ObjektOznameni = "/org/freedesktop/Notifications";

// A desktop brings its notification service up within a moment, started on demand by the bus
// if need be; a service that takes longer is as good as none for a reminder at login.
constexpr int CekaniNaSluzbu = 3000; // ms
// Whatever else blocks (a bus socket that never speaks, a service that takes the notification
// and never answers), the program ends after this.
constexpr unsigned NejdelsiBeh = 5; // s

constexpr std::string_view BezSbernice
    = "Plocha nenabízí oznámení: sběrnice sezení D-Bus není dostupná.";
constexpr std::string_view BezSluzby = "Plocha nenabízí oznámení: žádná služba oznámení neběží.";
constexpr char SluzbaMlciRadek[] = "Plocha nenabízí oznámení: služba oznámení neodpovídá.\n";
constexpr std::string_view SluzbaMlci(SluzbaMlciRadek, sizeof SluzbaMlciRadek - 2);

void Vyprselo(int)
{
    // Only what is safe in a signal handler: the message is ready, the exit skips clean-up.
    const ssize_t n = write(STDERR_FILENO, SluzbaMlciRadek, sizeof SluzbaMlciRadek - 1);
    static_cast<void>(n);
    _exit(1);
}

class Hlidac
{
public:
    Hlidac()
    {
        struct sigaction akce {
        };
        akce.sa_handler = Vyprselo;
        sigemptyset(&akce.sa_mask);
        sigaction(SIGALRM, &akce, &puvodni_);
        alarm(NejdelsiBeh);
    }
    ~Hlidac()
    {
        alarm(0);
        sigaction(SIGALRM, &puvodni_, nullptr);
    }
    Hlidac(const Hlidac &) = delete;
    Hlidac &operator=(const Hlidac &) = delete;

private:
    struct sigaction puvodni_ {
    };
};

struct UvolniChybu {
    void operator()(GError *e) const { g_error_free(e); }
};
using ChybaGLib = std::unique_ptr<GError, UvolniChybu>;

std::string JedenRadek(std::string text)
{
    for (char &c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

// Whether anybody on the bus takes notifications, asked with a short timeout: the library's
// own calls wait 25 seconds for an answer. "" when somebody does.
std::string NajdiSluzbu(GDBusConnection *sbernice)
{
    GError *e = nullptr;
    GVariant *odpoved = g_dbus_connection_call_sync(sbernice, SluzbaOznameni, ObjektOznameni,
        SluzbaOznameni, "GetServerInformation", nullptr, G_VARIANT_TYPE("(ssss)"),
        G_DBUS_CALL_FLAGS_NONE, CekaniNaSluzbu, nullptr, &e);
    if (odpoved) {
        g_variant_unref(odpoved);
        return {};
    }
    const ChybaGLib chyba(e);
    if (g_error_matches(e, G_IO_ERROR, G_IO_ERROR_TIMED_OUT)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_TIMEOUT)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_TIMED_OUT)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_NO_REPLY))
        return std::string(SluzbaMlci);
    if (g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_SERVICE_UNKNOWN)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_NAME_HAS_NO_OWNER)
        || (e->domain == G_DBUS_ERROR && e->code >= G_DBUS_ERROR_SPAWN_EXEC_FAILED
            && e->code <= G_DBUS_ERROR_SPAWN_FAILED))
        return std::string(BezSluzby);
    // A service that cannot tell what it is may still show notifications.
    return {};
}

std::string Posli(const Oznameni &oznameni)
{
    GError *e = nullptr;
    GDBusConnection *sbernice = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &e);
    if (!sbernice) {
        g_error_free(e);
        return std::string(BezSbernice);
    }
    std::string chyba = NajdiSluzbu(sbernice);
    if (chyba.empty()) {
        notify_init(NazevAplikace);
        NotifyNotification *n = notify_notification_new(
            oznameni.souhrn.c_str(), oznameni.telo.c_str(), IkonaAplikace);
        // The desktop entry lets the desktop show the notification under the program's name
        // and icon, and group it with the program's own.
        notify_notification_set_hint(n, "desktop-entry", g_variant_new_string(IkonaAplikace));
        if (!notify_notification_show(n, &e)) {
            const ChybaGLib c(e);
            chyba = JedenRadek("Oznámení se nepodařilo odeslat: " + std::string(e->message));
        }
        g_object_unref(n);
        notify_uninit();
    }
    g_object_unref(sbernice);
    return chyba;
}

} // namespace

} // namespace voranek::cli

// The module's entry point below is what the program calls.
static std::string voranek_posli_oznameni(const voranek::cli::Oznameni &oznameni)
{
    const voranek::cli::Hlidac hlidac;
    return voranek::cli::Posli(oznameni);
}

extern "C" __attribute__((visibility("default"))) int voranek_oznam(
    const voranek::cli::Oznameni *oznameni, char *zprava, std::size_t velikost) noexcept
{
    using namespace voranek::cli;
    return VstupModulu(zprava, velikost, [&](std::string &radek) {
        radek = voranek_posli_oznameni(*oznameni);
        return radek.empty() ? Hotovo : NicNenalezeno;
    });
}
