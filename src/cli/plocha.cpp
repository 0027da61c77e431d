// Sends a notification to the desktop through the freedesktop notification service.
#include "cli/modul.h"
#include "cli/oznameni.h"

#include <libnotify/notify.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace voranek::cli {

namespace {

constexpr const char *SluzbaOznameni = "org.freedesktop.Notifications";
constexpr const char *ObjektOznameni = "/org/freedesktop/Notifications";

// How long the service has to come up: from a terminal the desktop is up and only a start on
// demand by the bus can still bring the service; a slow login takes about a minute.
constexpr gint64 SpusteniZTerminalu = 3000; // ms
constexpr gint64 SpusteniPriPrihlaseni = 60000; // ms
// A service that is there answers within moments; one that takes longer is as good as none.
constexpr int OdpovedSluzby = 3000; // ms
// Whatever else blocks (a bus socket that never speaks, a service that takes the notification
// and never answers), the program ends this long after the service was due.
constexpr gint64 Rezerva = 2000; // ms

constexpr std::string_view BezSbernice
    = "Plocha nenabízí oznámení: sběrnice sezení D-Bus není dostupná.";
constexpr std::string_view BezSluzby = "Plocha nenabízí oznámení: žádná služba oznámení neběží.";
constexpr char SluzbaMlciRadek[] = "Plocha nenabízí oznámení: služba oznámení neodpovídá.\n";
constexpr std::string_view SluzbaMlci(SluzbaMlciRadek, sizeof SluzbaMlciRadek - 2);

// Ends the program with one line once the time is up. A thread of its own, not a signal: a
// signal mask inherited from whoever started the program cannot hold it off.
class Hlidac
{
public:
    explicit Hlidac(std::chrono::milliseconds limit)
        : vlakno_([this, limit] { Hlidej(limit); })
    { }
    ~Hlidac()
    {
        {
            const std::lock_guard zamek(mutex_);
            hotovo_ = true;
        }
        podminka_.notify_one();
        vlakno_.join();
    }
    Hlidac(const Hlidac &) = delete;
    Hlidac &operator=(const Hlidac &) = delete;

private:
    void Hlidej(std::chrono::milliseconds limit)
    {
        std::unique_lock zamek(mutex_);
        if (podminka_.wait_for(zamek, limit, [this] { return hotovo_; }))
            return;
        // The other thread may hold any lock: the line is ready, the exit skips clean-up.
        const ssize_t n = write(STDERR_FILENO, SluzbaMlciRadek, sizeof SluzbaMlciRadek - 1);
        static_cast<void>(n);
        _exit(1);
    }

    std::mutex mutex_;
    std::condition_variable podminka_;
    bool hotovo_ = false;
    std::thread vlakno_; // last: the members above are ready when it starts
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

bool VyprselCas(const GError *e)
{
    return g_error_matches(e, G_IO_ERROR, G_IO_ERROR_TIMED_OUT)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_TIMEOUT)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_TIMED_OUT)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_NO_REPLY);
}

// Whether anybody on the bus takes notifications, asked with a short timeout: the library's
// own calls wait 25 seconds for an answer. "" when somebody does.
std::string NajdiSluzbu(GDBusConnection *sbernice)
{
    GError *e = nullptr;
    GVariant *odpoved = g_dbus_connection_call_sync(sbernice, SluzbaOznameni, ObjektOznameni,
        SluzbaOznameni, "GetServerInformation", nullptr, G_VARIANT_TYPE("(ssss)"),
        G_DBUS_CALL_FLAGS_NONE, OdpovedSluzby, nullptr, &e);
    if (odpoved) {
        g_variant_unref(odpoved);
        return {};
    }
    const ChybaGLib chyba(e);
    if (VyprselCas(e))
        return std::string(SluzbaMlci);
    if (g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_SERVICE_UNKNOWN)
        || g_error_matches(e, G_DBUS_ERROR, G_DBUS_ERROR_NAME_HAS_NO_OWNER)
        || (e->domain == G_DBUS_ERROR && e->code >= G_DBUS_ERROR_SPAWN_EXEC_FAILED
            && e->code <= G_DBUS_ERROR_SPAWN_FAILED))
        return std::string(BezSluzby);
    // A service that cannot tell what it is may still show notifications.
    return {};
}

int Zbyva(gint64 konec)
{
    return static_cast<int>(std::max<gint64>(1, (konec - g_get_monotonic_time()) / 1000));
}

enum class Spusteni { Bezi, Nezna, Mlci };

// A call of the bus itself; nullptr with the error in e.
GVariant *Sbernice(GDBusConnection *sbernice, const char *metoda, GVariant *parametry,
    const GVariantType *odpoved, gint64 konec, GError **e)
{
    return g_dbus_connection_call_sync(sbernice, "org.freedesktop.DBus", "/org/freedesktop/DBus",
        "org.freedesktop.DBus", metoda, parametry, odpoved, G_DBUS_CALL_FLAGS_NONE, Zbyva(konec),
        nullptr, e);
}

// Bezi when the service is on the bus or the bus has started it, as the desktop's first
// notification would; Nezna when the bus knows no such service or could not start it.
Spusteni SpustSluzbu(GDBusConnection *sbernice, gint64 konec)
{
    GError *e = nullptr;
    if (GVariant *ma = Sbernice(sbernice, "NameHasOwner", g_variant_new("(s)", SluzbaOznameni),
            G_VARIANT_TYPE("(b)"), konec, &e)) {
        gboolean bezi = FALSE;
        g_variant_get(ma, "(b)", &bezi);
        g_variant_unref(ma);
        if (bezi)
            return Spusteni::Bezi;
    } else {
        const ChybaGLib chyba(e);
        return VyprselCas(e) ? Spusteni::Mlci : Spusteni::Nezna;
    }
    GVariant *spustena = Sbernice(sbernice, "StartServiceByName",
        g_variant_new("(su)", SluzbaOznameni, 0U), G_VARIANT_TYPE("(u)"), konec, &e);
    if (spustena) {
        g_variant_unref(spustena);
        return Spusteni::Bezi;
    }
    const ChybaGLib chyba(e);
    return VyprselCas(e) ? Spusteni::Mlci : Spusteni::Nezna;
}

struct Cekani {
    GMainLoop *smycka;
    bool objevila = false;
};

void Objevila(GDBusConnection *, const gchar *, const gchar *, gpointer data)
{
    auto *cekani = static_cast<Cekani *>(data);
    cekani->objevila = true;
    g_main_loop_quit(cekani->smycka);
}

gboolean Vyprselo(gpointer data)
{
    g_main_loop_quit(static_cast<Cekani *>(data)->smycka);
    return G_SOURCE_REMOVE;
}

// Waits until the service takes its name on the bus, as the bus itself tells, or the time is
// up.
bool CekejNaSluzbu(GDBusConnection *sbernice, gint64 konec)
{
    GMainContext *kontext = g_main_context_new();
    g_main_context_push_thread_default(kontext);
    Cekani cekani {g_main_loop_new(kontext, FALSE)};
    const guint hlidani = g_bus_watch_name_on_connection(sbernice, SluzbaOznameni,
        G_BUS_NAME_WATCHER_FLAGS_NONE, Objevila, nullptr, &cekani, nullptr);
    GSource *casovac = g_timeout_source_new(static_cast<guint>(Zbyva(konec)));
    g_source_set_callback(casovac, Vyprselo, &cekani, nullptr);
    g_source_attach(casovac, kontext);
    g_main_loop_run(cekani.smycka);
    g_source_destroy(casovac);
    g_source_unref(casovac);
    g_bus_unwatch_name(hlidani);
    while (g_main_context_iteration(kontext, FALSE)) { }
    g_main_loop_unref(cekani.smycka);
    g_main_context_pop_thread_default(kontext);
    g_main_context_unref(kontext);
    return cekani.objevila;
}

// "" once the service is on the bus, otherwise the line why it is not.
std::string Sluzba(GDBusConnection *sbernice, bool priPrihlaseni, gint64 konec)
{
    switch (SpustSluzbu(sbernice, konec)) {
    case Spusteni::Bezi:
        return {};
    case Spusteni::Mlci:
        return std::string(SluzbaMlci);
    case Spusteni::Nezna:
        break;
    }
    // Not started on demand: at login the desktop starts it itself, maybe later.
    if (priPrihlaseni && CekejNaSluzbu(sbernice, konec))
        return {};
    return std::string(BezSluzby);
}

std::string Posli(const Oznameni &oznameni, bool priPrihlaseni, gint64 konec)
{
    GError *e = nullptr;
    GDBusConnection *sbernice = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &e);
    if (!sbernice) {
        g_error_free(e);
        return std::string(BezSbernice);
    }
    std::string chyba = Sluzba(sbernice, priPrihlaseni, konec);
    if (chyba.empty())
        chyba = NajdiSluzbu(sbernice);
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
static std::string voranek_posli_oznameni(
    const voranek::cli::Oznameni &oznameni, bool priPrihlaseni)
{
    using namespace voranek::cli;
    const gint64 spusteni = priPrihlaseni ? SpusteniPriPrihlaseni : SpusteniZTerminalu;
    // A service that came up late at login is still given its time to answer.
    const Hlidac hlidac(std::chrono::milliseconds(
        spusteni + Rezerva + (priPrihlaseni ? gint64 {OdpovedSluzby} : 0)));
    return Posli(oznameni, priPrihlaseni, g_get_monotonic_time() + spusteni * 1000);
}

extern "C" __attribute__((visibility("default"))) int voranek_oznam(
    const voranek::cli::Oznameni *oznameni, bool priPrihlaseni, char *zprava,
    std::size_t velikost) noexcept
{
    using namespace voranek::cli;
    return VstupModulu(zprava, velikost, [&](std::string &radek) {
        radek = voranek_posli_oznameni(*oznameni, priPrihlaseni);
        return radek.empty() ? Hotovo : NicNenalezeno;
    });
}
