#include "calendar/datum.h"

#include <QTest>

using namespace voranek;

namespace {

// Easter Sunday by the Meeus/Butcher computus, as (month, day); independent of the program's
// Gauss rule and its correction table.
std::pair<int, int> VelikonocniNedele(int rok)
{
    const int a = rok % 19, b = rok / 100, c = rok % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int mesic = (h + l - 7 * m + 114) / 31;
    const int den = (h + l - 7 * m + 114) % 31 + 1;
    return {mesic, den};
}

// The same Monday encoded as the program encodes it: -(day of March) or +(day of April).
int KodPondeli(int rok)
{
    auto [mesic, den] = VelikonocniNedele(rok);
    ++den;
    if (mesic == 3 && den > 31) {
        mesic = 4;
        den = 1;
    }
    return mesic == 3 ? -den : den;
}

} // namespace

class TestDatum : public QObject
{
    Q_OBJECT

private slots:
    void prestupnyRok_data()
    {
        QTest::addColumn<int>("rok");
        QTest::addColumn<bool>("prestupny");
        QTest::newRow("2000 divisible by 400") << 2000 << true;
        QTest::newRow("2096") << 2096 << true;
        QTest::newRow("2005") << 2005 << false;
        QTest::newRow("1992") << 1992 << true;
        QTest::newRow("2100 century") << 2100 << false;
        QTest::newRow("1900 century") << 1900 << false;
        QTest::newRow("2400") << 2400 << true;
    }
    void prestupnyRok()
    {
        QFETCH(int, rok);
        QFETCH(bool, prestupny);
        QCOMPARE(PrestupnyRok(rok), prestupny);
    }

    void prestupnyRokVeZobrazenychLetech()
    {
        // Within the years shown, divisibility by 4 alone decides.
        for (int rok = PrvniRok; rok <= PosledniRok; ++rok)
            QCOMPARE(PrestupnyRok(rok), rok % 4 == 0);
    }

    void dnyVMesici_data()
    {
        QTest::addColumn<int>("mesic");
        QTest::addColumn<int>("rok");
        QTest::addColumn<int>("dny");
        QTest::newRow("February 2000") << 2 << 2000 << 29;
        QTest::newRow("February 2096") << 2 << 2096 << 29;
        QTest::newRow("February 2005") << 2 << 2005 << 28;
        QTest::newRow("January") << 1 << 2005 << 31;
        QTest::newRow("April") << 4 << 2008 << 30;
        QTest::newRow("September") << 9 << 2005 << 30;
        QTest::newRow("December") << 12 << 2099 << 31;
        QTest::newRow("month 0") << 0 << 2005 << 0;
        QTest::newRow("month 13") << 13 << 2005 << 0;
    }
    void dnyVMesici()
    {
        QFETCH(int, mesic);
        QFETCH(int, rok);
        QFETCH(int, dny);
        QCOMPARE(DnyVMesici(mesic, rok), dny);
    }

    void denVTydnuProtiQDate()
    {
        // Sunday is 1 here, 7 in QDate.
        for (QDate d(1988, 12, 25); d <= QDate(2100, 1, 10); d = d.addDays(1)) {
            const Datum datum {static_cast<std::uint16_t>(d.day()),
                static_cast<std::uint16_t>(d.month()), static_cast<std::uint16_t>(d.year())};
            QCOMPARE(DenVTydnu(datum), d.dayOfWeek() % 7 + 1);
        }
    }

    void velikonoce_data()
    {
        QTest::addColumn<int>("rok");
        QTest::addColumn<int>("pondeli");
        QTest::newRow("2005") << 2005 << -28;
        QTest::newRow("2006") << 2006 << 17;
        QTest::newRow("2008") << 2008 << -24;
        QTest::newRow("2011") << 2011 << 25;
        QTest::newRow("2013") << 2013 << 1;
        QTest::newRow("2016") << 2016 << -28;
        QTest::newRow("2024") << 2024 << 1;
        QTest::newRow("2038") << 2038 << 26;
        QTest::newRow("2049") << 2049 << 19;
        QTest::newRow("2076") << 2076 << 20;
        QTest::newRow("1989") << 1989 << -27;
        QTest::newRow("2099") << 2099 << 13;
    }
    void velikonoce()
    {
        QFETCH(int, rok);
        QFETCH(int, pondeli);
        QCOMPARE(Velikonoce(rok), pondeli);
    }

    void velikonoceKazdyRokProtiComputu()
    {
        for (int rok = PrvniRok; rok <= PosledniRok; ++rok)
            QCOMPARE(Velikonoce(rok), KodPondeli(rok));
    }

    void velikonoceMimoZobrazenaLeta()
    {
        // A clock outside the years shown still gets a real Easter Monday, never 0.
        for (int rok : {1583, 1700, 1818, 1900, 1954, 1988, 2100, 2200, 2285, 2500, 9999}) {
            const int v = Velikonoce(rok);
            QVERIFY2(v != 0 && v >= -31 && v <= 26, qPrintable(QString::number(rok)));
            QVERIFY(v > 0 || v <= -23);
            QCOMPARE(v, KodPondeli(rok));
        }
    }

    void textDatumu_data()
    {
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("mesic");
        QTest::addColumn<int>("rok");
        QTest::addColumn<QString>("text");
        QTest::newRow("19 November 2005") << 19 << 11 << 2005 << "19. listopadu 2005 / sobota";
        QTest::newRow("1 January 2007") << 1 << 1 << 2007 << "1. ledna 2007 / pondělí";
        QTest::newRow("1 September 2005") << 1 << 9 << 2005 << "1. září 2005 / čtvrtek";
        QTest::newRow("29 February 2008") << 29 << 2 << 2008 << "29. února 2008 / pátek";
        QTest::newRow("31 December 2099") << 31 << 12 << 2099 << "31. prosince 2099 / čtvrtek";
        QTest::newRow("24 December 2026") << 24 << 12 << 2026 << "24. prosince 2026 / čtvrtek";
    }
    void textDatumu()
    {
        QFETCH(int, den);
        QFETCH(int, mesic);
        QFETCH(int, rok);
        QFETCH(QString, text);
        const Datum d {static_cast<std::uint16_t>(den), static_cast<std::uint16_t>(mesic),
            static_cast<std::uint16_t>(rok)};
        QCOMPARE(QString::fromStdString(TextDatumu(d)), text);
    }
};

QTEST_APPLESS_MAIN(TestDatum)
#include "tst_datum.moc"
