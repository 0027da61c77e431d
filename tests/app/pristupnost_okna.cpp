// The program's windows on a clock that the AT-SPI test sets, for a screen reader's view of
// them. Started with the local date and time to begin at (ISO 8601), it reads commands from
// standard input, one a line, and answers each with one line:
//   cas <ISO 8601>   sets the clock and runs the timer's handler, as the next tick would
// The end of the input ends it.
#include "common/okna.h"

#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    Aplikace aplikace(argc, argv);
    const QDateTime zacatek
        = QDateTime::fromString(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""), Qt::ISODate);
    if (!zacatek.isValid()) {
        std::fprintf(stderr, "usage: %s YYYY-MM-DDTHH:MM:SS\n", argv[0]);
        return 2;
    }
    TestovaciOkna okna(zacatek);
    TfrmKalendar &hlavni = okna.kalendar();
    hlavni.show();
    // Without a window manager nobody else gives the window the keyboard.
    hlavni.activateWindow();

    QByteArray vstup;
    QSocketNotifier cteni(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&cteni, &QSocketNotifier::activated, [&] {
        char blok[256];
        const ssize_t precteno = ::read(STDIN_FILENO, blok, sizeof blok);
        if (precteno <= 0) {
            cteni.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        vstup.append(blok, precteno);
        for (qsizetype konec = vstup.indexOf('\n'); konec >= 0; konec = vstup.indexOf('\n')) {
            const QList<QByteArray> slova = vstup.left(konec).simplified().split(' ');
            vstup.remove(0, konec + 1);
            const QDateTime cas
                = QDateTime::fromString(QString::fromLatin1(slova.value(1)), Qt::ISODate);
            if (slova.value(0) == "cas" && cas.isValid()) {
                okna.hodiny.nastav(cas);
                hlavni.Timer1Timer();
                std::puts("hotovo");
            } else {
                std::puts("chyba");
            }
            std::fflush(stdout);
        }
    });
    return aplikace.exec();
}
