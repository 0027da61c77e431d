#include "app/aplikace.h"

#include "widgets/classicstyle.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <exception>

using namespace Qt::StringLiterals;

std::function<void(const QString &)> Aplikace::ukazovatelChyb;

Aplikace::Aplikace(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(u"Voranek"_s);
    setOrganizationDomain(u"voranek.org"_s);
    setDesktopFileName(u"org.voranek.Voranek"_s);
    setStyle(new ClassicStyle);
    // Qt's own texts (an edit's context menu, the message box's buttons) in Czech too, as
    // everything the program shows is.
    auto *preklad = new QTranslator(this);
    if (preklad->load(u"qtbase_cs"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(preklad);
    // The windows are all Arial; the menus and hints take that family too, at the desktop's
    // size, so the program keeps one font family in memory instead of two.
    QFont pismo = font();
    pismo.setFamilies({u"Arial"_s});
    setFont(pismo);
}

bool Aplikace::notify(QObject *prijemce, QEvent *udalost)
{
    try {
        return QApplication::notify(prijemce, udalost);
    } catch (const std::exception &chyba) {
        UkazChybu(QString::fromLocal8Bit(chyba.what()));
    } catch (...) {
        UkazChybu(u"Neznámá chyba"_s);
    }
    return false;
}

void Aplikace::UkazChybu(const QString &zprava)
{
    if (ukazovatelChyb) {
        ukazovatelChyb(zprava);
        return;
    }
    QMessageBox::critical(nullptr, QApplication::applicationName(), zprava);
}

OknaAplikace::OknaAplikace(Hodiny &hodiny)
    : frmKalendar(hodiny)
{
    frmKalendar.PripojOkna([this]() -> TfrmNapoveda & { return frmNapoveda(); },
        [this]() -> TfrmOperace & { return frmOperace(); });
}

TfrmNapoveda &OknaAplikace::frmNapoveda()
{
    if (!napoveda_)
        napoveda_ = std::make_unique<TfrmNapoveda>();
    return *napoveda_;
}

TfrmOperace &OknaAplikace::frmOperace()
{
    if (!operace_)
        operace_ = std::make_unique<TfrmOperace>();
    return *operace_;
}

QIcon IkonaAplikace()
{
    QIcon ikona;
    for (int velikost : {16, 24, 32, 48, 64, 128, 256})
        ikona.addFile(u":/%1/org.voranek.Voranek.png"_s.arg(velikost), QSize(velikost, velikost));
    return ikona;
}

QPoint PolohaOkna(const QRect &okno, const QRect &plocha)
{
    QRect misto = okno;
    misto.moveCenter(plocha.center());
    return {std::max(misto.left(), plocha.left()), std::max(misto.top(), plocha.top())};
}

int SpustAplikaci(Aplikace &aplikace, Hodiny &hodiny)
{
    try {
        OknaAplikace okna(hodiny);
        TfrmKalendar &hlavni = okna.frmKalendar;
        hlavni.adjustSize();
        if (const QScreen *obrazovka = hlavni.screen())
            hlavni.move(PolohaOkna(hlavni.frameGeometry(), obrazovka->availableGeometry()));
        hlavni.show();
        // The icon is not needed for the first frame (reading it wakes Qt's image plugins), so
        // it comes a moment after; desktops with the desktop entry show that one anyway.
        QTimer::singleShot(100, &aplikace, [] { QApplication::setWindowIcon(IkonaAplikace()); });
        aplikace.exec();
    } catch (const std::exception &chyba) {
        Aplikace::UkazChybu(QString::fromLocal8Bit(chyba.what()));
    } catch (...) {
        Aplikace::UkazChybu(u"Neznámá chyba"_s);
    }
    return 0;
}
