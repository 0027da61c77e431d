#include "calendar/datum.h"

#include <QDate>
#include <QTest>

using namespace voranek;

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

    void velikonoceZTabulky_data()
    {
        // Easter Sundays as published tables of Easter dates give them, the earliest and the
        // latest possible among them; the program gives the Monday after.
        QTest::addColumn<int>("rok");
        QTest::addColumn<QDate>("nedele");
        const std::pair<int, QDate> nedele[] = {{1818, {1818, 3, 22}}, {1859, {1859, 4, 24}},
            {1943, {1943, 4, 25}}, {2000, {2000, 4, 23}}, {2003, {2003, 4, 20}},
            {2004, {2004, 4, 11}}, {2007, {2007, 4, 8}}, {2008, {2008, 3, 23}},
            {2010, {2010, 4, 4}}, {2011, {2011, 4, 24}}, {2016, {2016, 3, 27}},
            {2018, {2018, 4, 1}}, {2024, {2024, 3, 31}}, {2027, {2027, 3, 28}},
            {2029, {2029, 4, 1}}, {2031, {2031, 4, 13}}, {2033, {2033, 4, 17}},
            {2038, {2038, 4, 25}}, {2095, {2095, 4, 24}}, {2285, {2285, 3, 22}}};
        for (const auto &[rok, den] : nedele)
            QTest::addRow("%d", rok) << rok << den;
    }
    void velikonoceZTabulky()
    {
        QFETCH(int, rok);
        QFETCH(QDate, nedele);
        const QDate pondeli = nedele.addDays(1);
        QCOMPARE(Velikonoce(rok), pondeli.month() == 3 ? -pondeli.day() : pondeli.day());
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
