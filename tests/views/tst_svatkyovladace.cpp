#include "calendar/kalendardnu.h"
#include "common/main.h"
#include "views/svatkyovladace.h"
#include "widgets/linepanel.h"

#include <QListWidget>

using namespace voranek;
using namespace Qt::StringLiterals;

class TestSvatkyOvladace : public QObject
{
    Q_OBJECT

private slots:
    void svatekDne_data()
    {
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("mesic");
        QTest::addColumn<QStringList>("radky");
        QTest::newRow("17 November") << 17 << 11
                                     << QStringList {"     Den boje za svobodu a demokracii",
                                            "     Deň boja za slobodu a demokraciu"};
        QTest::newRow("14 February")
            << 14 << 2 << QStringList {"     Svátek všech zamilovaných", "     Dnes se neslaví..."};
        QTest::newRow("3 February")
            << 3 << 2 << QStringList {"     Dnes se neslaví...", "     Dnes se neslaví..."};
        QTest::newRow("1 January")
            << 1 << 1 << QStringList {"     Státní svátek / Nový rok", "     Deň vzniku SR"};
        QTest::newRow("5 July") << 5 << 7
                                << QStringList {"     Den slovanských věrozvěstů",
                                       "     Cyril a Metod / Deň zahr. Slovákov"};
        QTest::newRow("30 December") << 30 << 12
                                     << QStringList {"     Dnes se neslaví...",
                                            "     Slovensko - samost. cirkevná provincia"};
        QTest::newRow("2005 Easter Monday")
            << 28 << 3 << QStringList {"     Velikonoční pondělí", "     Veľkonočný pondelok"};
        QTest::newRow("2005 Good Friday")
            << 25 << 3 << QStringList {"     Dnes se neslaví...", "     Veľký piatok"};
        QTest::newRow("2005 Easter Sunday")
            << 27 << 3 << QStringList {"     Velikonoční neděle", "     Dnes se neslaví..."};
    }
    void svatekDne()
    {
        QFETCH(int, den);
        QFETCH(int, mesic);
        QFETCH(QStringList, radky);
        const Datum datum {
            static_cast<std::uint16_t>(den), static_cast<std::uint16_t>(mesic), 2005};
        LinePanel m;
        // Whatever stood there before goes when the panel clears the memo first.
        m.pridejRadek(u"staré"_s);
        m.vymaz();
        SvatekDne(m, CZ, datum);
        SvatekDne(m, SK, datum);
        QCOMPARE(m.radky(), radky);
        QCOMPARE(m.text(), radky.join(u'\n'));
    }

    void ceskyRadekNahrazujePrvni()
    {
        LinePanel m;
        m.pridejRadek(u"první"_s);
        m.pridejRadek(u"druhý"_s);
        SvatekDne(m, CZ, Datum {31, 12, 2005});
        QCOMPARE(m.radky(), (QStringList {u"     Silvestr"_s, u"druhý"_s}));
    }

    void naplnSvatky_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QString>("prvni");
        QTest::addColumn<QString>("posledni");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("text");
        QTest::newRow("CZ") << int(CZ) << 23 << "Den boje za svobodu a demokracii"
                            << "Velký pátek" << 18 << "Štědrý den";
        QTest::newRow("SK") << int(SK) << 26 << "Deň boja za slobodu a demokraciu"
                            << "Zjavenie Pána - Traja králi" << 17 << "Štedrý deň";
    }
    void naplnSvatky()
    {
        QFETCH(int, typ);
        QFETCH(int, pocet);
        QFETCH(QString, prvni);
        QFETCH(QString, posledni);
        QFETCH(int, kod);
        QFETCH(QString, text);
        QListWidget lb;
        NaplnSvatky(lb, TypKalendare(typ));
        QCOMPARE(lb.count(), pocet);
        QCOMPARE(lb.item(0)->text(), prvni);
        QCOMPARE(lb.item(pocet - 1)->text(), posledni);
        QCOMPARE(lb.item(kod)->text(), text);
    }
};

VORANEK_TEST_MAIN(TestSvatkyOvladace)
#include "tst_svatkyovladace.moc"
