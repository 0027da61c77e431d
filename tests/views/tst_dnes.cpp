#include "common/main.h"
#include "common/okna.h"
#include "widgets/linepanel.h"
#include "widgets/panel.h"
#include "widgets/updown.h"

using namespace Qt::StringLiterals;

namespace {

struct Dnes {
    QString datum;
    QStringList jmena;
    QStringList svatky;
};

Dnes Precti(TestovaciOkna &t)
{
    return {t.najdi<Panel>(u"pDatum"_s)->text(), t.najdi<LinePanel>(u"mJmeno"_s)->radky(),
        t.najdi<LinePanel>(u"mSvatek"_s)->radky()};
}

} // namespace

class TestDnes : public QObject
{
    Q_OBJECT

private slots:
    void panelPriStartu_data()
    {
        QTest::addColumn<QDate>("dnes");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QStringList>("jmena");
        QTest::addColumn<QStringList>("svatky");
        QTest::newRow("1 January")
            << QDate(2007, 1, 1) << "1. ledna 2007 / pondělí"
            << QStringList {"dnes nikdo neslaví", "dnes nikdo neslaví"}
            << QStringList {"     Státní svátek / Nový rok", "     Deň vzniku SR"};
        QTest::newRow("6 January") << QDate(2006, 1, 6) << "6. ledna 2006 / pátek"
                                   << QStringList {"dnes nikdo neslaví", "Antónia"}
                                   << QStringList {"     Tři králové", "     Traja králi"};
        QTest::newRow("24 December") << QDate(2005, 12, 24) << "24. prosince 2005 / sobota"
                                     << QStringList {"Adam a Eva", "Adam a Eva"}
                                     << QStringList {"     Štědrý den", "     Štedrý deň"};
        QTest::newRow("29 February")
            << QDate(2008, 2, 29) << "29. února 2008 / pátek" << QStringList {"Horymír", "Radomír"}
            << QStringList {"     Dnes se neslaví...", "     Dnes se neslaví..."};
        QTest::newRow("Easter Monday 2005")
            << QDate(2005, 3, 28) << "28. března 2005 / pondělí" << QStringList {"Soňa", "Soňa"}
            << QStringList {"     Velikonoční pondělí", "     Veľkonočný pondelok"};
        QTest::newRow("Easter Sunday 2024")
            << QDate(2024, 3, 31) << "31. března 2024 / neděle" << QStringList {"Kvido", "Benjamín"}
            << QStringList {"     Velikonoční neděle", "     Dnes se neslaví..."};
        QTest::newRow("Good Friday 2013")
            << QDate(2013, 3, 29) << "29. března 2013 / pátek" << QStringList {"Taťána", "Miroslav"}
            << QStringList {"     Dnes se neslaví...", "     Veľký piatok"};
        QTest::newRow("19 November 2005")
            << QDate(2005, 11, 19) << "19. listopadu 2005 / sobota"
            << QStringList {"Alžběta", "Alžbeta"}
            << QStringList {"     Dnes se neslaví...", "     Dnes se neslaví..."};
    }
    void panelPriStartu()
    {
        QFETCH(QDate, dnes);
        QFETCH(QString, datum);
        QFETCH(QStringList, jmena);
        QFETCH(QStringList, svatky);
        TestovaciOkna t(QDateTime(dnes, QTime(10, 0)));
        const Dnes d = Precti(t);
        QCOMPARE(d.datum, datum);
        QCOMPARE(d.jmena, jmena);
        QCOMPARE(d.svatky, svatky);
        // The whole window stands on today.
        QCOMPARE(t.najdi<QLineEdit>(u"edtDen"_s)->text(), QString::number(dnes.day()));
        QCOMPARE(t.najdi<QComboBox>(u"cmbMesic"_s)->currentIndex(), dnes.month() - 1);
        QCOMPARE(t.najdi<QLineEdit>(u"edtRok"_s)->text(), QString::number(dnes.year()));
        QCOMPARE(t.kalendar().datumObnovy(), dnes);
    }

    void pulnocObnoviJenPanel()
    {
        TestovaciOkna t(Cas(2005, 11, 19, 23, 59, 59));
        TfrmKalendar &k = t.kalendar();
        auto *den = t.najdi<QLineEdit>(u"edtDen"_s);
        auto *mesic = t.najdi<QGroupBox>(u"gbKalendar"_s);
        t.hodiny.posun(1);
        k.Timer1Timer();
        const Dnes d = Precti(t);
        QCOMPARE(d.datum, u"20. listopadu 2005 / neděle"_s);
        QCOMPARE(d.jmena, (QStringList {u"Nikola"_s, u"Félix"_s}));
        QCOMPARE(den->text(), u"19"_s);
        QCOMPARE(mesic->title(), u" Kalendář - listopad 2005 "_s);
        QCOMPARE(t.najdi<Panel>(u"p19"_s)->text(), u"19"_s);
        QCOMPARE(t.najdi<Panel>(u"p19"_s)->barva(), k.palette().color(QPalette::Button));

        // A date set back is noticed at the next tick too.
        t.hodiny.nastav(Cas(2005, 11, 18, 8, 0, 0));
        k.Timer1Timer();
        QCOMPARE(Precti(t).datum, u"18. listopadu 2005 / pátek"_s);
        QCOMPARE(k.datumObnovy(), QDate(2005, 11, 18));
        QCOMPARE(den->text(), u"19"_s);
    }

    void panelCteVelikonoceSvehoRoku()
    {
        // The search panel shows 2006 while the clock reaches Easter Monday 2005.
        TestovaciOkna t(Cas(2005, 3, 27, 23, 59, 59));
        auto *rok = t.najdi<QLineEdit>(u"edtRok"_s);
        t.najdi<UpDown>(u"updRok"_s)->step(1);
        QCOMPARE(rok->text(), u"2006"_s);
        t.hodiny.posun(1);
        t.kalendar().Timer1Timer();
        QCOMPARE(Precti(t).svatky,
            (QStringList {u"     Velikonoční pondělí"_s, u"     Veľkonočný pondelok"_s}));
        // The grid and the searches keep reading 2006.
        const voranek::KalendarDnu &kal = t.kalendar().kalendarDnu();
        QCOMPARE(kal.SvatekKod(voranek::CZ, 28, 3), -1);
        QCOMPARE(kal.SvatekKod(voranek::CZ, 17, 4), 21);
    }

    void panelPresNovyRok()
    {
        // Left running from New Year's Eve 2007 to Easter Monday 2008, search panel on 2007.
        TestovaciOkna t(Cas(2007, 12, 31, 23, 59, 59));
        t.hodiny.posun(1);
        t.kalendar().Timer1Timer();
        QCOMPARE(Precti(t).datum, u"1. ledna 2008 / úterý"_s);
        t.hodiny.nastav(Cas(2008, 3, 24, 0, 0, 1));
        t.kalendar().Timer1Timer();
        QCOMPARE(Precti(t).svatky,
            (QStringList {u"     Velikonoční pondělí"_s, u"     Veľkonočný pondelok"_s}));
        QCOMPARE(t.najdi<QLineEdit>(u"edtRok"_s)->text(), u"2007"_s);
        QCOMPARE(t.kalendar().kalendarDnu().SvatekKod(voranek::CZ, 9, 4), 21); // Easter Monday 2007
    }

    void bezZmenyDneSePanelNeobnovuje()
    {
        TestovaciOkna t(Cas(2005, 11, 19, 10, 0, 0));
        auto *jmeno = t.najdi<LinePanel>(u"mJmeno"_s);
        jmeno->nahradPrvniRadek(u"značka"_s);
        t.hodiny.posun(1);
        t.kalendar().Timer1Timer();
        QCOMPARE(jmeno->radky().first(), u"značka"_s);
    }

    void hodinyMimoZobrazenaLeta_data()
    {
        QTest::addColumn<QDate>("dnes");
        QTest::addColumn<QString>("poKroku"); // the year after one step up
        QTest::newRow("29 March 2100") << QDate(2100, 3, 29) << "2099";
        QTest::newRow("14 February 2100, a common year") << QDate(2100, 2, 14) << "2099";
        QTest::newRow("29 February 2104") << QDate(2104, 2, 29) << "2099";
        QTest::newRow("6 April 2150") << QDate(2150, 4, 6) << "2099";
        QTest::newRow("30 March 1970") << QDate(1970, 3, 30) << "1989";
    }
    void hodinyMimoZobrazenaLeta()
    {
        QFETCH(QDate, dnes);
        QFETCH(QString, poKroku);
        TestovaciOkna t(QDateTime(dnes, QTime(9, 0)));
        TfrmKalendar &k = t.kalendar();
        // The whole window stands on today, though the up-down admits other years.
        QCOMPARE(t.najdi<QLineEdit>(u"edtDen"_s)->text(), QString::number(dnes.day()));
        QCOMPARE(t.najdi<QComboBox>(u"cmbMesic"_s)->currentIndex(), dnes.month() - 1);
        QCOMPARE(t.najdi<QLineEdit>(u"edtRok"_s)->text(), QString::number(dnes.year()));
        QVERIFY(t.najdi<QGroupBox>(u"gbKalendar"_s)
                    ->title()
                    .endsWith(u' ' + QString::number(dnes.year()) + u' '));
        QVERIFY(Precti(t).datum.contains(QString::number(dnes.year())));
        // The grid holds the month as Qt's Gregorian calendar has it, with today marked.
        const QDate prvni(dnes.year(), dnes.month(), 1);
        const int posun = prvni.dayOfWeek() - 1; // Monday in the top row
        for (int b = 0; b < 42; ++b) {
            const int den = b - posun + 1;
            const auto *bunka = t.najdi<Panel>(u"p"_s + QString::number(b));
            QCOMPARE(bunka->text(),
                den >= 1 && den <= prvni.daysInMonth() ? QString::number(den) : QString());
            QCOMPARE(bunka->barva() != QColor(Qt::white), den == dnes.day());
        }
        // The first step brings the year within the up-down's bounds.
        t.najdi<UpDown>(u"updRok"_s)->step(1);
        QCOMPARE(t.najdi<QLineEdit>(u"edtRok"_s)->text(), poKroku);
        QVERIFY(k.findChild<QGroupBox *>(u"gbKalendar"_s)->title().endsWith(poKroku + u' '));
    }

    void znackyNaRadcich()
    {
        // Names and holiday lines without descenders, so that their lowest ink is the baseline.
        TestovaciOkna t(Cas(2005, 11, 19));
        auto *gb = t.najdi<QGroupBox>(u"gbDnes"_s);
        const QImage obraz = gb->grab().toImage();
        const auto spodek = [&](int x0, int x1, const QRect &pasmo) {
            int y = -1;
            for (int r = pasmo.top(); r <= pasmo.bottom(); ++r) {
                for (int x = x0; x < x1; ++x) {
                    if (qGray(obraz.pixel(x, r)) < 100)
                        y = r;
                }
            }
            return y;
        };
        // Each mark stands on the baseline of the line beside it.
        for (const QString &znacka : {u"Panel12"_s, u"Panel15"_s, u"Panel13"_s, u"Panel14"_s}) {
            const QRect misto = t.najdi<Panel>(znacka)->geometry();
            const int uZnacky = spodek(misto.left(), misto.right() + 1, misto);
            QVERIFY2(uZnacky >= 0, qPrintable(znacka));
            QCOMPARE(uZnacky, spodek(misto.right() + 20, 260, misto));
        }
    }

    void klikDoPaneluDavaFokusDatu_data()
    {
        QTest::addColumn<QString>("kam");
        QTest::newRow("name lines") << u"mJmeno"_s;
        QTest::newRow("holiday lines") << u"mSvatek"_s;
        QTest::newRow("CZ mark on the names") << u"Panel12"_s;
        QTest::newRow("SK mark on the holidays") << u"Panel14"_s;
        QTest::newRow("caption over the names") << u"Panel1"_s;
        QTest::newRow("date line") << u"pDatum"_s;
    }
    void klikDoPaneluDavaFokusDatu()
    {
        QFETCH(QString, kam);
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().show();
        QVERIFY(QTest::qWaitForWindowActive(&t.kalendar()));
        auto *den = t.najdi<QLineEdit>(u"edtDen"_s);
        den->setFocus();
        auto *panel = t.najdi<Panel>(kam);
        QTest::mouseClick(panel, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), t.najdi<Panel>(u"pDatum"_s));
        // The arrow keys no longer step the day.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(den->text(), u"19"_s);
        // Nor can the mouse select any of the panel's text.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(panel, QPoint(panel->width() - 3, panel->height() - 3));
        QTest::mouseRelease(
            panel, Qt::LeftButton, {}, QPoint(panel->width() - 3, panel->height() - 3));
        QVERIFY(!panel->hasSelectedText());
    }
};

VORANEK_TEST_MAIN(TestDnes)
#include "tst_dnes.moc"
