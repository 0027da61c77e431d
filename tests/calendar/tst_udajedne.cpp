#include "calendar/udajedne.h"
#include "common/svatkyzakona.h"
#include "common/utf8.h"

#include <QDate>
#include <QTest>

using namespace voranek;

class TestUdajeDne : public QObject
{
    Q_OBJECT

private slots:
    void podleZakona_data()
    {
        QTest::addColumn<int>("radek");
        for (std::size_t i = 0; i < test::SvatkyPodleZakona.size(); ++i) {
            const test::SvatekPodleZakona &s = test::SvatkyPodleZakona[i];
            QTest::addRow("%s %s", s.datum, s.typ == CZ ? "CZ" : "SK") << static_cast<int>(i);
        }
    }
    void podleZakona()
    {
        QFETCH(int, radek);
        const test::SvatekPodleZakona &s = test::SvatkyPodleZakona[static_cast<std::size_t>(radek)];
        const QDate d = QDate::fromString(QString::fromLatin1(s.datum), Qt::ISODate);
        const Datum datum {static_cast<std::uint16_t>(d.day()),
            static_cast<std::uint16_t>(d.month()), static_cast<std::uint16_t>(d.year())};
        const auto svatek = Udaje(datum, s.typ).svatek;

        // The window's table of the year, and the way from its list back to the day.
        KalendarDnu k = VytvorKalendarDnu();
        NaplnRok(k, d.year());
        QCOMPARE(k.SvatekKod(s.typ, d.day(), d.month()), s.kod);

        if (s.kod < 0) {
            QVERIFY2(!svatek, svatek ? qPrintable(Q(svatek->nazev)) : "");
            return;
        }
        QVERIFY(svatek);
        QCOMPARE(svatek->kod, s.kod);
        QCOMPARE(svatek->druh, s.druh);
        QCOMPARE(Q(svatek->nazev), QString::fromUtf8(s.nazev));
        QCOMPARE(Q(svatek->kratky), QString(5, u' ') + QString::fromUtf8(s.text));
        QCOMPARE(DenSvatku(s.typ, static_cast<std::int16_t>(s.kod), d.year()),
            std::optional(DenMesic {d.day(), d.month()}));
        QCOMPARE(k.DatumSvatku(s.typ, s.kod), std::optional(DenMesic {d.day(), d.month()}));
    }

    void mimoRokyNeniNikde_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("rok");
        QTest::newRow("CZ Good Friday 2015") << int(CZ) << int(VelkyPatekCZ) << 2015;
        QTest::newRow("CZ 28 September 1999") << int(CZ) << 1 << 1999;
        QTest::newRow("SK 1 September 1993") << int(SK) << 7 << 1993;
        QTest::newRow("SK Good Friday 1993") << int(SK) << int(VelkyPatekSK) << 1993;
    }
    void mimoRokyNeniNikde()
    {
        QFETCH(int, typ);
        QFETCH(int, kod);
        QFETCH(int, rok);
        const auto t = TypKalendare(typ);
        const auto k16 = static_cast<std::int16_t>(kod);
        QVERIFY(!SvatekVRoce(t, k16, rok));
        QVERIFY(!DenSvatku(t, k16, rok));
        QVERIFY(SvatekVRoce(t, k16, 2027));
        for (QDate d(rok, 1, 1); d.year() == rok; d = d.addDays(1)) {
            const Datum datum {static_cast<std::uint16_t>(d.day()),
                static_cast<std::uint16_t>(d.month()), static_cast<std::uint16_t>(rok)};
            const auto svatek = Udaje(datum, t).svatek;
            QVERIFY(!svatek || svatek->kod != kod);
        }
    }
};

QTEST_APPLESS_MAIN(TestUdajeDne)
#include "tst_udajedne.moc"
