#include "app/kalendar.h"

#include "about/napoveda.h"
#include "app/hodiny.h"
#include "info/operace.h"
#include "widgets/obraz.h"
#include "widgets/panel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

TfrmKalendar::TfrmKalendar(Hodiny &hodiny, QWidget *parent)
    : QMainWindow(parent)
    , hodiny_(hodiny)
{
    VytvorRam();
    VytvorCas();
    VytvorDnes();
    VytvorMesic();
    VytvorVyhledavani();
    VytvorMenu();

    const QTime cas = hodiny_.ted().time();
    hodina = cas.hour();
    minuta = cas.minute();
    sekunda = cas.second();

    QApplication::setApplicationName(u"Voranek"_s);

    QPalette napovedy = QToolTip::palette();
    napovedy.setColor(QPalette::ToolTipBase, Qt::white);
    QToolTip::setPalette(napovedy);

    polomer = im->height() / 2 - 10;
    stredX = im->width() / 2;
    stredY = im->height() / 2;
    UmistiZnacky();

    pCas->setText(TextCasu(cas));
    im->setAccessibleDescription(pCas->text());

    KalendarDnu = voranek::VytvorKalendarDnu();
    DnesZobrazeno = false;
    ObnovDnes();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmKalendar::Timer1Timer);
    Timer1->start();
}

TfrmKalendar::~TfrmKalendar() = default;

void TfrmKalendar::VytvorRam()
{
    setObjectName(u"frmKalendar"_s);
    setWindowTitle(u"  VORANEK"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    QFont pismo(u"Arial"_s);
    pismo.setPixelSize(13);
    pismo.setBold(true);
    setFont(pismo);
    auto *plocha = new QWidget(this);
    plocha->setObjectName(u"plocha"_s);
    plocha->setFixedSize(771, 392);
    setCentralWidget(plocha);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    struct Skupina {
        QGroupBox *TfrmKalendar::*pole;
        const char *jmeno;
        QRect misto;
        const char *titulek;
    };
    static const Skupina skupiny[] = {
        {&TfrmKalendar::gbCas, "gbCas", {10, 6, 133, 203}, " Teď je..."},
        {&TfrmKalendar::gbDnes, "gbDnes", {153, 6, 279, 203}, " Dnes je... "},
        {&TfrmKalendar::gbKalendar, "gbKalendar", {442, 6, 321, 203}, ""},
        {&TfrmKalendar::GroupBox2, "GroupBox2", {10, 216, 753, 167}, " Vyhledávání v kalendáři "},
    };
    for (const Skupina &s : skupiny) {
        auto *gb = new QGroupBox(QString::fromUtf8(s.titulek), plocha);
        gb->setObjectName(QLatin1StringView(s.jmeno));
        gb->setGeometry(s.misto);
        this->*s.pole = gb;
    }
}

void TfrmKalendar::VytvorMenu()
{
    QMenuBar *mn = menuBar();
    mn->setObjectName(u"mn"_s);
    // The menu bar belongs to the desktop, not to the window: it keeps the desktop's menu
    // font, as its menus do, rather than inherit the window's.
    QFont pismoMenu = QApplication::font(mn);
    pismoMenu.setResolveMask(QFont::AllPropertiesResolved);
    mn->setFont(pismoMenu);

    struct Polozka {
        const char *jmeno;
        const char *titulek;
        void (TfrmKalendar::*akce)();
    };
    const auto naplnMenu
        = [&](const char *jmeno, const char *titulek, std::initializer_list<Polozka> polozky) {
              QMenu *menu = mn->addMenu(QString::fromUtf8(titulek));
              menu->setObjectName(QLatin1StringView(jmeno));
              menu->menuAction()->setObjectName(QLatin1StringView(jmeno));
              for (const Polozka &p : polozky) {
                  QAction *a = p.akce ? menu->addAction(QString::fromUtf8(p.titulek))
                                      : menu->addSeparator();
                  a->setObjectName(QLatin1StringView(p.jmeno));
                  if (p.akce)
                      connect(a, &QAction::triggered, this, p.akce);
              }
              return menu;
          };

    QMenu *kalendar = naplnMenu("Aplikace1", " Kalendář",
        {{"mnPrevod", "Převod - cizojazyčně", &TfrmKalendar::mnPrevodClick},
            {"mnPranostiky", "Pranostiky", &TfrmKalendar::mnPranostikyClick},
            {"mnVice", "Více o jménech", &TfrmKalendar::mnViceClick}, {"N1", "", nullptr},
            {"mnExit", "E&xit", &TfrmKalendar::mnExitClick}});
    QAction *mnExit = kalendar->findChild<QAction *>(u"mnExit"_s);
    mnExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnExit->setShortcutContext(Qt::WindowShortcut);
    // Shortcuts of menu actions work while the menu is closed only if the window holds them too.
    addAction(mnExit);

    QMenu *oAplikaci = naplnMenu("Npovda1", " O aplikaci",
        {{"mnPro", "O programu", &TfrmKalendar::mnProClick},
            {"mnZdroje", "Použité zdroje", &TfrmKalendar::mnZdrojeClick}});

    // The keyboard opens the menus as in any desktop program: F10 the first, Alt with the
    // first letter of a title its own (the titles carry no marks, as they are drawn plain).
    const std::pair<QKeySequence, QMenu *> otevreni[] = {
        {QKeySequence(Qt::Key_F10), kalendar},
        {QKeySequence(Qt::ALT | Qt::Key_K), kalendar},
        {QKeySequence(Qt::ALT | Qt::Key_O), oAplikaci},
    };
    for (const auto &[klavesa, menu] : otevreni) {
        auto *akce = new QAction(this);
        akce->setShortcut(klavesa);
        akce->setShortcutContext(Qt::WindowShortcut);
        connect(akce, &QAction::triggered, mn, [mn, menu = menu] {
            // Highlighted, the title opens its menu on Down, as from the keyboard.
            mn->setActiveAction(menu->menuAction());
            QKeyEvent dolu(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(mn, &dolu);
        });
        addAction(akce);
    }
}

void TfrmKalendar::PripojOkna(
    std::function<TfrmNapoveda &()> napoveda, std::function<TfrmOperace &()> operace)
{
    napoveda_ = std::move(napoveda);
    operace_ = std::move(operace);
}

void TfrmKalendar::mnPrevodClick()
{
    if (operace_)
        operace_().Otevri(0, pos(), MesicZobrazeni);
}

void TfrmKalendar::mnPranostikyClick()
{
    if (operace_)
        operace_().Otevri(1, pos(), MesicZobrazeni);
}

void TfrmKalendar::mnViceClick()
{
    if (operace_)
        operace_().Otevri(2, pos(), MesicZobrazeni);
}

void TfrmKalendar::mnExitClick()
{
    QCoreApplication::quit();
}

void TfrmKalendar::mnProClick()
{
    if (napoveda_)
        napoveda_().Otevri(0, pos());
}

void TfrmKalendar::mnZdrojeClick()
{
    if (napoveda_)
        napoveda_().Otevri(1, pos());
}

bool TfrmKalendar::eventFilter(QObject *watched, QEvent *event)
{
    if (const int k = IndexBunky(watched); k >= 0)
        return KlavesaMrizky(k, event);
    if (KlavesaTypu(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TfrmKalendar::closeEvent(QCloseEvent *event)
{
    // The secondary windows only hide; closing the main window ends the program even when
    // one of them is open.
    event->accept();
    QCoreApplication::quit();
}
