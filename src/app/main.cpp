#include "app/aplikace.h"
#include "app/hodiny.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// What Qt says while it connects to the display: shown as usual once it has succeeded, and
// replaced by one line of the program's own when it cannot.
struct Zprava {
    QtMsgType typ;
    QByteArray kategorie;
    QString text;
};
std::vector<Zprava> odlozene;

void BehemPripojeni(QtMsgType typ, const QMessageLogContext &kontext, const QString &text)
{
    if (typ == QtFatalMsg) {
        std::fputs("voranek: není k dispozici grafický displej, okno nelze otevřít.\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    odlozene.push_back({typ, QByteArray(kontext.category), text});
}

} // namespace

int main(int argc, char *argv[])
{
    // The window changes by a clock face and a time line a second. Shared-memory images would
    // make each of those small frames wait for the X server (a round trip that wakes the
    // program twice more every second); plain requests carry them without waiting.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    // The program reads no arguments, so Qt gets none either: its own options (-stylesheet,
    // -reverse, -platform...) must not change the program. The environment still counts.
    static char jmeno[] = "voranek";
    char *argvQt[] = {argc > 0 ? argv[0] : jmeno, nullptr};
    int argcQt = 1;

    const QtMessageHandler puvodni = qInstallMessageHandler(BehemPripojeni);
    Aplikace aplikace(argcQt, argvQt);
    qInstallMessageHandler(puvodni);
    for (const Zprava &z : odlozene) {
        const QMessageLogContext kontext(nullptr, 0, nullptr, z.kategorie.constData());
        qt_message_output(z.typ, kontext, z.text);
    }
    odlozene.clear();

    SystemoveHodiny hodiny;
    return SpustAplikaci(aplikace, hodiny);
}
