#include "app/aplikace.h"

#include "widgets/classicstyle.h"

#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPainter>
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

namespace {

// The icon's files, read each time the window system asks for a size: a plain icon would keep
// every size decoded, some hundreds of kilobytes, for the whole run.
class IkonaZeSouboru : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new IkonaZeSouboru; }
    QString key() const override { return u"IkonaZeSouboru"_s; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> velikosti;
        for (int v : Velikosti)
            velikosti << QSize(v, v);
        return velikosti;
    }
    QSize actualSize(const QSize &velikost, QIcon::Mode, QIcon::State) override
    {
        const int v = Nejblizsi(velikost);
        return QSize(v, v).scaled(velikost, Qt::KeepAspectRatio);
    }
    QPixmap pixmap(const QSize &velikost, QIcon::Mode, QIcon::State) override
    {
        // Through an image: a pixmap read from a file stays in the pixmap cache.
        QPixmap obrazek = QPixmap::fromImage(
            QImage(u":/%1/org.voranek.Voranek.png"_s.arg(Nejblizsi(velikost))));
        if (obrazek.size() != velikost)
            obrazek = obrazek.scaled(velikost, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return obrazek;
    }
    void paint(QPainter *painter, const QRect &misto, QIcon::Mode rezim, QIcon::State stav) override
    {
        painter->drawPixmap(misto, pixmap(misto.size(), rezim, stav));
    }

private:
    static constexpr int Velikosti[] = {16, 24, 32, 48, 64, 128, 256};

    // The smallest size at least as large as asked for, else the largest.
    static int Nejblizsi(const QSize &velikost)
    {
        const int chce = std::max(velikost.width(), velikost.height());
        for (int v : Velikosti) {
            if (v >= chce)
                return v;
        }
        return Velikosti[std::size(Velikosti) - 1];
    }
};

} // namespace

QIcon IkonaAplikace()
{
    return QIcon(new IkonaZeSouboru);
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
