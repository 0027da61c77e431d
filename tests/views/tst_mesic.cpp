#include "common/main.h"
#include "common/okna.h"
#include "widgets/panel.h"
#include "widgets/seznam.h"

using namespace Qt::StringLiterals;

namespace {

Panel *Bunka(TestovaciOkna &t, int k)
{
    return t.najdi<Panel>(u"p"_s + QString::number(k));
}

QStringList Popisky(TestovaciOkna &t)
{
    QStringList p;
    for (int k = 0; k < 42; ++k)
        p << Bunka(t, k)->text();
    return p;
}

QList<int> Oznacene(TestovaciOkna &t)
{
    QList<int> oznacene;
    for (int k = 0; k < 42; ++k) {
        if (Bunka(t, k)->barva() != QColor(Qt::white))
            oznacene << k;
    }
    return oznacene;
}

} // namespace

class TestMesic : public QObject
{
    Q_OBJECT

private slots:
    void rozlozeniMesice_data()
    {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<int>("prvni"); // cell of day 1
        QTest::addColumn<int>("dnu");
        QTest::newRow("February 2005") << QDate(2005, 2, 3) << 1 << 28;
        QTest::newRow("February 2008") << QDate(2008, 2, 3) << 4 << 29;
        QTest::newRow("February 2000") << QDate(2000, 2, 3) << 1 << 29;
        QTest::newRow("May 2005") << QDate(2005, 5, 3) << 6 << 31;
        QTest::newRow("February 2010") << QDate(2010, 2, 3) << 0 << 28;
        QTest::newRow("August 2005") << QDate(2005, 8, 3) << 0 << 31;
        QTest::newRow("December 2099") << QDate(2099, 12, 3) << 1 << 31;
    }
    void rozlozeniMesice()
    {
        QFETCH(QDate, datum);
        QFETCH(int, prvni);
        QFETCH(int, dnu);
        TestovaciOkna t(QDateTime(datum, QTime(12, 0)));
        QStringList ocekavane(42);
        for (int d = 1; d <= dnu; ++d)
            ocekavane[prvni + d - 1] = QString::number(d);
        QCOMPARE(Popisky(t), ocekavane);
        QCOMPARE(Oznacene(t), QList<int> {prvni + 2});
    }

    void bunkyARadkyTydne()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        const QColor text = t.kalendar().palette().color(QPalette::WindowText);
        for (int k = 0; k < 42; ++k) {
            Panel *b = Bunka(t, k);
            QCOMPARE(b->geometry(), QRect(78 + 37 * (k / 7), 1 + 25 * (k % 7), 36, 24));
            const QColor barva = b->palette().color(QPalette::WindowText);
            QCOMPARE(barva, k % 7 == 6 ? QColor(Qt::red) : text);
            QVERIFY(b->toolTip().isEmpty());
        }
        const QStringList dny {
            "PONDĚLÍ", "ÚTERÝ", "STŘEDA", "ČTVRTEK", "PÁTEK", "SOBOTA", "NEDĚLE"};
        for (int r = 0; r < 7; ++r) {
            auto *p = t.najdi<Panel>(u"Panel"_s + QString::number(4 + r));
            QCOMPARE(p->text(), dny[r]);
            QCOMPARE(p->geometry(), QRect(1, 1 + 25 * r, 76, 24));
        }
        QCOMPARE(t.najdi<Panel>(u"Panel3"_s)->geometry(), QRect(10, 18, 300, 176));
    }

    void nadpis()
    {
        TestovaciOkna t(Cas(2005, 12, 6));
        QCOMPARE(t.najdi<QGroupBox>(u"gbKalendar"_s)->title(), u" Kalendář - prosinec 2005 "_s);
    }

    void klikNaPrazdnouBunkuNicNemeni()
    {
        TestovaciOkna t(Cas(2005, 11, 3));
        auto *den = t.najdi<QLineEdit>(u"edtDen"_s);
        auto *jmeno = t.najdi<Seznam>(u"lbJmeno"_s);
        const QList<int> predtim = Oznacene(t);
        const int vybrane = jmeno->vybrany();
        QVERIFY(Bunka(t, 0)->text().isEmpty()); // 1 November 2005 is a Tuesday
        QTest::mouseClick(Bunka(t, 0), Qt::LeftButton);
        QTest::mouseClick(Bunka(t, 41), Qt::LeftButton);
        QCOMPARE(Oznacene(t), predtim);
        QCOMPARE(den->text(), u"3"_s);
        QCOMPARE(jmeno->vybrany(), vybrane);
    }

    void klikNaDenPresuneVse()
    {
        TestovaciOkna t(Cas(2005, 11, 3));
        // Day 15 of November 2005 (a Tuesday) stands in the third column, second row.
        Panel *b = Bunka(t, 15);
        QCOMPARE(b->text(), u"15"_s);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(Oznacene(t), QList<int> {15});
        QCOMPARE(t.najdi<QLineEdit>(u"edtDen"_s)->text(), u"15"_s);
        auto *jmeno = t.najdi<Seznam>(u"lbJmeno"_s);
        QCOMPARE(jmeno->item(jmeno->vybrany())->text(), u"Leopold"_s);
        QCOMPARE(t.najdi<Seznam>(u"lbSvatek"_s)->vybrany(), -1);
        QCOMPARE(t.najdi<QComboBox>(u"cmbRocniObdobi"_s)->currentText(), u"PODZIM (od 23.9.)"_s);
        QCOMPARE(t.najdi<QComboBox>(u"cmbZnameni"_s)->currentText(), u"ŠTÍR (23.10. - 21.11.)"_s);

        // Day 22 is a holiday-free Tuesday; 17 brings the holiday and Sagittarius changes.
        QTest::mouseClick(Bunka(t, 17), Qt::LeftButton);
        QCOMPARE(t.najdi<Seznam>(u"lbSvatek"_s)->vybrany(), 0);
        QTest::mouseClick(Bunka(t, 22), Qt::LeftButton);
        QCOMPARE(
            t.najdi<QComboBox>(u"cmbZnameni"_s)->currentText(), u"STŘELEC (22.11. - 21.12.)"_s);
        QCOMPARE(t.najdi<Seznam>(u"lbSvatek"_s)->vybrany(), -1);
    }

    void klikNaZvolenyDenObnoviVyber()
    {
        TestovaciOkna t(Cas(2005, 11, 3));
        auto *jmeno = t.najdi<Seznam>(u"lbJmeno"_s);
        jmeno->vyber(5);
        QTest::mouseClick(Bunka(t, 3), Qt::LeftButton); // day 3, already chosen
        QCOMPARE(jmeno->item(jmeno->vybrany())->text(), u"Hubert"_s);
    }
};

VORANEK_TEST_MAIN(TestMesic)
#include "tst_mesic.moc"
