#include "common/main.h"
#include "common/okna.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A clock whose reading fails, as a broken start-up would.
class VadneHodiny : public Hodiny
{
public:
    QDateTime ted() const override { throw std::runtime_error("hodiny nejdou"); }
};

// An object whose event handler fails.
class Vadny : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("chyba v obsluze");
        return QObject::event(e);
    }
};

} // namespace

class TestAplikace : public QObject
{
    Q_OBJECT

private slots:
    void ramHlavnihoOkna()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        TfrmKalendar &k = t.kalendar();
        QCOMPARE(k.objectName(), u"frmKalendar"_s);
        QCOMPARE(k.windowTitle(), u"  VORANEK"_s);
        QCOMPARE(k.centralWidget()->size(), QSize(771, 392));
        QVERIFY(!(k.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(k.windowFlags() & Qt::WindowMinimizeButtonHint);
        // The window's own font, which its controls inherit; the menu bar keeps the desktop's.
        QCOMPARE(k.font().family(), u"Arial"_s);
        QCOMPARE(k.font().pixelSize(), 13);
        QVERIFY(k.font().bold());
        QCOMPARE(k.menuBar()->font(), QApplication::font(k.menuBar()));
        QVERIFY(!k.menuBar()->font().bold());
        k.show();
        QVERIFY(QTest::qWaitForWindowExposed(&k));
        QCOMPARE(k.minimumSize(), k.maximumSize());
        QCOMPARE(QCoreApplication::applicationName(), u"Voranek"_s);
    }

    void polohaOkna_data()
    {
        QTest::addColumn<QRect>("plocha");
        QTest::addColumn<QPoint>("roh");
        // The window with its frame: 775 x 420.
        QTest::newRow("1920 x 1080, centred") << QRect(0, 0, 1920, 1080) << QPoint(572, 330);
        QTest::newRow("below a 27-pixel panel") << QRect(0, 27, 1024, 741) << QPoint(124, 188);
        QTest::newRow("640 x 480: left edge on the screen, centred in height")
            << QRect(0, 0, 640, 480) << QPoint(0, 30);
        QTest::newRow("1280 x 1024 at a scale of 3: 427 x 341")
            << QRect(0, 0, 427, 341) << QPoint(0, 0);
        QTest::newRow("narrow only") << QRect(0, 0, 700, 900) << QPoint(0, 240);
        QTest::newRow("second screen to the right, below a panel")
            << QRect(1920, 32, 640, 400) << QPoint(1920, 32);
    }
    void polohaOkna()
    {
        QFETCH(QRect, plocha);
        QFETCH(QPoint, roh);
        QCOMPARE(PolohaOkna(QRect(0, 0, 775, 420), plocha), roh);
    }

    void ikonaAZaznamProPlochu()
    {
        // The window offers the icon in every size that is installed.
        QList<QSize> instalovane;
        for (const QString &adresar : QDir(QStringLiteral(VORANEK_PACKAGING "/icons"))
                                          .entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (adresar.toInt() > 0)
                instalovane << QSize(adresar.toInt(), adresar.toInt());
        }
        QList<QSize> nabizene = IkonaAplikace().availableSizes();
        const auto mensi = [](QSize a, QSize b) { return a.width() < b.width(); };
        std::sort(instalovane.begin(), instalovane.end(), mensi);
        std::sort(nabizene.begin(), nabizene.end(), mensi);
        QVERIFY(instalovane.size() >= 5);
        QCOMPARE(nabizene, instalovane);

        // The desktop entry names the window's class, which the window system takes from the
        // application's name, so that a copy started from a terminal groups under its launcher.
        TestovaciOkna t(Cas(2005, 11, 19));
        QFile zaznam(QStringLiteral(VORANEK_PACKAGING "/org.voranek.Voranek.desktop"));
        QVERIFY(zaznam.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList radky = QString::fromUtf8(zaznam.readAll()).split(u'\n');
        QVERIFY(radky.contains(u"StartupWMClass="_s + QCoreApplication::applicationName()));
    }

    void textyQtCesky()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        // The date edits' context menu.
        const std::unique_ptr<QMenu> nabidka(
            t.najdi<QLineEdit>(u"edtDen"_s)->createStandardContextMenu());
        QStringList texty;
        for (const QAction *a : nabidka->actions()) {
            if (!a->isSeparator())
                texty << a->text();
        }
        // A read-only edit offers copying and selecting all.
        QCOMPARE(texty.size(), 2);
        for (const char *anglicky : {"Copy", "Select All"})
            QVERIFY2(!texty.join(u'|').contains(QLatin1StringView(anglicky)),
                qPrintable(texty.join(u'|')));
        // The scroll buttons of the tab bars.
        QTabBar *zalozky = t.operace().tabs();
        const QList<QToolButton *> sipky = zalozky->findChildren<QToolButton *>();
        QCOMPARE(sipky.size(), 2);
        for (const QToolButton *b : sipky)
            QVERIFY2(!b->accessibleName().startsWith(u"Scroll"_s), qPrintable(b->accessibleName()));
        // The message box's buttons take their texts from the same translation.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Close") != u"Close"_s);
    }

    void skupiny_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QRect>("misto");
        QTest::addColumn<QString>("titulek");
        QTest::newRow("gbCas") << "gbCas" << QRect(10, 6, 133, 203) << " Teď je...";
        QTest::newRow("gbDnes") << "gbDnes" << QRect(153, 6, 279, 203) << " Dnes je... ";
        QTest::newRow("gbKalendar")
            << "gbKalendar" << QRect(442, 6, 321, 203) << " Kalendář - listopad 2005 ";
        QTest::newRow("GroupBox2")
            << "GroupBox2" << QRect(10, 216, 753, 167) << " Vyhledávání v kalendáři ";
    }
    void skupiny()
    {
        QFETCH(QString, jmeno);
        QFETCH(QRect, misto);
        QFETCH(QString, titulek);
        TestovaciOkna t(Cas(2005, 11, 19));
        auto *gb = t.najdi<QGroupBox>(jmeno);
        QCOMPARE(gb->geometry(), misto);
        QCOMPARE(gb->title(), titulek);

        // The caption stands on the frame line, which runs through it, and the contents keep
        // clear of the line.
        const QImage obraz = gb->grab().toImage();
        const int x = obraz.width() - 3;
        int linka = 0;
        while (linka < obraz.height() && obraz.pixel(x, linka) == obraz.pixel(x, 0))
            ++linka;
        int hore = obraz.height();
        int dole = -1;
        for (int y = 0; y <= gb->fontMetrics().height(); ++y) {
            for (int sx = 8; sx < 8 + gb->fontMetrics().horizontalAdvance(titulek); ++sx) {
                if (qGray(obraz.pixel(sx, y)) < 100) {
                    hore = std::min(hore, y);
                    dole = std::max(dole, y);
                }
            }
        }
        QVERIFY2(hore < linka && linka < dole,
            qPrintable(u"line %1, caption %2..%3"_s.arg(linka).arg(hore).arg(dole)));
        for (const QWidget *w : gb->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w->y() > linka + 2, qPrintable(w->objectName()));
    }

    void menu()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        QMenuBar *mn = t.kalendar().menuBar();
        QCOMPARE(mn->objectName(), u"mn"_s);
        const QList<QAction *> hlavni = mn->actions();
        QCOMPARE(hlavni.size(), 2);
        QCOMPARE(hlavni[0]->text(), u" Kalendář"_s);
        QCOMPARE(hlavni[1]->text(), u" O aplikaci"_s);
        QCOMPARE(hlavni[0]->objectName(), u"Aplikace1"_s);
        QCOMPARE(hlavni[1]->objectName(), u"Npovda1"_s);

        QStringList jmena, texty;
        for (QAction *a : hlavni[0]->menu()->actions() + hlavni[1]->menu()->actions()) {
            jmena << a->objectName();
            texty << (a->isSeparator() ? u"-"_s : a->text());
        }
        QCOMPARE(jmena,
            (QStringList {
                "mnPrevod", "mnPranostiky", "mnVice", "N1", "mnExit", "mnPro", "mnZdroje"}));
        QCOMPARE(texty,
            (QStringList {"Převod - cizojazyčně", "Pranostiky", "Více o jménech", "-", "E&xit",
                "O programu", "Použité zdroje"}));
        auto *exit = t.kalendar().findChild<QAction *>(u"mnExit"_s);
        QCOMPARE(exit->shortcut(), QKeySequence(u"Ctrl+X"_s));
    }

    void casovac()
    {
        FalesneHodiny hodiny(Cas(2005, 11, 19));
        OknaAplikace okna(hodiny);
        auto *timer = okna.frmKalendar.findChild<QTimer *>(u"Timer1"_s);
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }

    void vedlejsiOknaSkrytaAOtevrenaNaStrance_data()
    {
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<bool>("info");
        QTest::addColumn<int>("stranka");
        QTest::newRow("mnPrevod") << "mnPrevod" << true << 0;
        QTest::newRow("mnPranostiky") << "mnPranostiky" << true << 1;
        QTest::newRow("mnVice") << "mnVice" << true << 2;
        QTest::newRow("mnPro") << "mnPro" << false << 0;
        QTest::newRow("mnZdroje") << "mnZdroje" << false << 1;
    }
    void vedlejsiOknaSkrytaAOtevrenaNaStrance()
    {
        QFETCH(QString, polozka);
        QFETCH(bool, info);
        QFETCH(int, stranka);
        TestovaciOkna t(Cas(2005, 11, 19));
        TfrmKalendar &k = t.kalendar();
        PagedDialog &okno = info ? static_cast<PagedDialog &>(t.operace()) : t.napoveda();
        QVERIFY(!t.operace().isVisible());
        QVERIFY(!t.napoveda().isVisible());
        QCOMPARE(t.operace().windowTitle(), u"   VORANEK  zajímavosti a informace"_s);
        QCOMPARE(t.napoveda().windowTitle(), u"   VORANEK  nápověda o aplikaci"_s);
        QCOMPARE(t.operace().size(), QSize(482, 334));
        QCOMPARE(t.napoveda().size(), QSize(481, 335));

        k.show();
        k.move(137, 71);
        // Opened once elsewhere on another page, then again from the item under test.
        okno.tabs()->setCurrentIndex(stranka == 0 ? 1 : 0);
        k.findChild<QAction *>(polozka)->trigger();
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.pos(), k.pos());
        QCOMPARE(okno.tabs()->currentIndex(), stranka);
        QCOMPARE(okno.pages()->currentIndex(), stranka);
        QVERIFY(okno.okButton()->isDefault());

        k.move(211, 40);
        k.findChild<QAction *>(polozka)->trigger();
        QCOMPARE(okno.pos(), k.pos());

        QTest::mouseClick(okno.okButton(), Qt::LeftButton);
        QVERIFY(!okno.isVisible());
        k.findChild<QAction *>(polozka)->trigger();
        QVERIFY(okno.isVisible());
        okno.close();
        QVERIFY(!okno.isVisible());
        QVERIFY(k.isVisible());
    }

    void zalozkyPrepinajiStranky()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        for (PagedDialog *okno :
            {static_cast<PagedDialog *>(&t.operace()), static_cast<PagedDialog *>(&t.napoveda())}) {
            for (int i = okno->tabs()->count() - 1; i >= 0; --i) {
                okno->tabs()->setCurrentIndex(i);
                QCOMPARE(okno->pages()->currentIndex(), i);
            }
        }
        QCOMPARE(t.operace().tabs()->tabText(2), u"Více o..."_s);
        QCOMPARE(t.napoveda().tabs()->tabText(1), u"Použité zdroje"_s);
    }

    void ctrlXUkonciProgram()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        TfrmKalendar &k = t.kalendar();
        k.show();
        QVERIFY(QTest::qWaitForWindowActive(&k));
        // From a read-only edit, which would otherwise take Ctrl+X as its own.
        auto *den = t.najdi<QLineEdit>(u"edtDen"_s);
        den->setFocus();
        QTimer::singleShot(0, den, [den] { QTest::keyClick(den, Qt::Key_X, Qt::ControlModifier); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void zavreniHlavnihoOknaUkonciProgram()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        TfrmKalendar &k = t.kalendar();
        k.show();
        t.kalendar().findChild<QAction *>(u"mnPro"_s)->trigger();
        QTimer::singleShot(0, &k, [&k] { k.close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void chybaVObsluzeSeUkazeASmyckaBeziDal()
    {
        QStringList zpravy;
        Aplikace::ukazovatelChyb = [&](const QString &z) { zpravy << z; };
        Vadny vadny;
        QCoreApplication::postEvent(&vadny, new QEvent(QEvent::User));
        QTimer::singleShot(0, [] { QCoreApplication::exit(3); });
        QCOMPARE(QCoreApplication::exec(), 3);
        QCOMPARE(zpravy, QStringList {u"chyba v obsluze"_s});
        Aplikace::ukazovatelChyb = nullptr;
    }

    void chybaPriStartuSeUkazeAKonciNulou()
    {
        QStringList zpravy;
        Aplikace::ukazovatelChyb = [&](const QString &z) { zpravy << z; };
        VadneHodiny hodiny;
        QCOMPARE(SpustAplikaci(*static_cast<Aplikace *>(qApp), hodiny), 0);
        QCOMPARE(zpravy, QStringList {u"hodiny nejdou"_s});
        Aplikace::ukazovatelChyb = nullptr;
    }
};

VORANEK_TEST_MAIN(TestAplikace)
#include "tst_aplikace.moc"
