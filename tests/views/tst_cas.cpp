#include "common/main.h"
#include "common/okna.h"
#include "views/smery.h"
#include "widgets/obraz.h"
#include "widgets/panel.h"
#include "widgets/rozvrzeni.h"

#include <cmath>
#include <span>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Hodinky {
    explicit Hodinky(const QDateTime &cas)
        : t(cas)
    {
        t.kalendar().FormPaint();
    }
    // Colours as plain RGB, so that a palette colour and a pixel compare equal.
    QRgb pixel(int x, int y) { return t.najdi<Obraz>(u"im"_s)->bitmapa().pixel(x, y); }
    QRgb barva(QPalette::ColorRole role) const
    {
        return t.okna->frmKalendar.palette().color(role).rgb();
    }
    QRgb tvar() const { return barva(QPalette::Button); }
    QRgb stin() const { return barva(QPalette::Dark); }
    QRgb text() const { return barva(QPalette::WindowText); }

    // The pixels of a hand from the centre, skipping the hub.
    QList<QRgb> ruka(double uhel, int od, int po)
    {
        QList<QRgb> barvy;
        for (int r = od; r <= po; ++r)
            barvy << pixel(int(56 + r * std::sin(uhel)), int(std::floor(56 - r * std::cos(uhel))));
        return barvy;
    }

    // Whether a thin hand lies along the angle: each point of it or a pixel next to it.
    bool tenka(double uhel, int od, int po, QRgb barva)
    {
        for (int r = od; r <= po; ++r) {
            const int x = int(56 + r * std::sin(uhel));
            const int y = int(std::floor(56 - r * std::cos(uhel)));
            bool blizko = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx)
                    blizko = blizko || pixel(x + dx, y + dy) == barva;
            }
            if (!blizko)
                return false;
        }
        return true;
    }

    TestovaciOkna t;
};

bool Vsechny(const QList<QRgb> &barvy, QRgb barva)
{
    return std::all_of(barvy.begin(), barvy.end(), [&](QRgb b) { return b == barva; });
}

bool Zadna(const QList<QRgb> &barvy, QRgb barva)
{
    return std::none_of(barvy.begin(), barvy.end(), [&](QRgb b) { return b == barva; });
}

constexpr double Pi = 3.14159265358979323846;

} // namespace

class TestCas : public QObject
{
    Q_OBJECT

private slots:
    void cifernik()
    {
        Hodinky h(Cas(2005, 11, 19, 15, 30, 0));
        QCOMPARE(h.pixel(0, 0), h.stin());
        QCOMPARE(h.pixel(3, 3), QColor(Qt::white).rgb());
        QCOMPARE(h.pixel(6, 6), h.stin());
        QCOMPARE(h.pixel(8, 30), h.tvar());
        QCOMPARE(h.pixel(111, 111), h.stin());
        // The dot at one o'clock (i = 10 from three o'clock) and at two.
        QCOMPARE(h.pixel(79, 16), h.text());
        QCOMPARE(h.pixel(95, 33), h.text());
        // The numeral 3 stands in its cell from (96, 49): glyph pixels are text-coloured.
        bool glyf = false;
        for (int y = 49; y < 62; ++y) {
            for (int x = 96; x < 104; ++x)
                glyf = glyf || h.pixel(x, y) == h.text();
        }
        QVERIFY(glyf);
    }

    void cisliceTri()
    {
        // 10:50:40: no hand comes near three o'clock.
        Hodinky h(Cas(2005, 11, 19, 10, 50, 40));
        QRect inkoust;
        for (int y = 40; y < 72; ++y) {
            for (int x = 86; x < 105; ++x) {
                if (qGray(h.pixel(x, y)) < 128)
                    inkoust |= QRect(x, y, 1, 1);
            }
        }
        // The numeral's cell has its top-left corner at (96, 49): the glyph begins at the cell's
        // left edge (its bearing is under a pixel) and a digit's height below the font's ascent.
        const QFontMetricsF pismo(Pismo(11));
        QCOMPARE(inkoust.left(), 96);
        QCOMPARE(inkoust.top(), 49 + qRound(pismo.ascent() - pismo.capHeight()));
        QVERIFY(inkoust.bottom() < 49 + pismo.height());
    }

    void spickaSekundovky()
    {
        // At second 0 the second hand ends at (56, 10): the pixel is the hand's, and above it
        // the column looks as it does with the hand elsewhere.
        Hodinky nula(Cas(2005, 11, 19, 15, 30, 0));
        Hodinky pul(Cas(2005, 11, 19, 15, 30, 30));
        QCOMPARE(nula.pixel(56, 10), nula.text());
        QVERIFY(pul.pixel(56, 10) != pul.text());
        for (int y = 0; y < 10; ++y)
            QCOMPARE(nula.pixel(56, y), pul.pixel(56, y));
    }

    void textCasu_data()
    {
        QTest::addColumn<QTime>("cas");
        QTest::addColumn<QString>("text");
        QTest::newRow("before ten, no leading zero") << QTime(9, 5, 7) << "9:05:07";
        QTest::newRow("midnight") << QTime(0, 0, 0) << "0:00:00";
        QTest::newRow("ten") << QTime(10, 0, 9) << "10:00:09";
        QTest::newRow("last second") << QTime(23, 59, 59) << "23:59:59";
    }
    void textCasu()
    {
        QFETCH(QTime, cas);
        QFETCH(QString, text);
        TestovaciOkna t(QDateTime(QDate(2005, 11, 19), cas.addSecs(-1)));
        t.hodiny.posun(1);
        t.kalendar().Timer1Timer();
        QCOMPARE(t.najdi<Panel>(u"pCas"_s)->text(), text);
        // At start-up too.
        TestovaciOkna start(QDateTime(QDate(2005, 11, 19), cas));
        QCOMPARE(start.najdi<Panel>(u"pCas"_s)->text(), text);
    }

    void sekundovkaVNule()
    {
        // 15:30:00: second hand straight up from (56, 56) to (56, 10), minute hand down.
        Hodinky h(Cas(2005, 11, 19, 15, 30, 0));
        QVERIFY(Vsechny(h.ruka(0, 8, 46), h.text()));
        QVERIFY(Vsechny(h.ruka(Pi, 8, 46), h.stin()));
    }

    void ruckyVeTriHodiny()
    {
        Hodinky h(Cas(2005, 11, 19, 3, 0, 20));
        // The hour hand points right and is 31 pixels long; the minute hand straight up.
        QVERIFY(Vsechny(h.ruka(Pi / 2, 8, 30), h.stin()));
        QCOMPARE(h.pixel(56 + 34, 56), h.tvar());
        QVERIFY(Vsechny(h.ruka(0, 8, 46), h.stin()));
    }

    void tikBezNoveMinutyNechaRucky()
    {
        Hodinky h(Cas(2005, 11, 19, 15, 30, 14));
        const QList<QRgb> minutova = h.ruka(Pi, 8, 46);
        const QList<QRgb> hodinova = h.ruka(15.5 * Pi / 6, 8, 30);
        QVERIFY(Vsechny(minutova, h.stin()));
        h.t.hodiny.posun(1);
        h.t.kalendar().Timer1Timer();
        QCOMPARE(h.ruka(Pi, 8, 46), minutova);
        QCOMPARE(h.ruka(15.5 * Pi / 6, 8, 30), hodinova);
        // The old second hand is gone, the new one is drawn.
        QVERIFY(Zadna(h.ruka(14 * Pi / 30, 12, 42), h.text()));
        QVERIFY(h.tenka(15 * Pi / 30, 12, 45, h.text()));
        QCOMPARE(h.t.najdi<Panel>(u"pCas"_s)->text(), u"15:30:15"_s);
    }

    void tikSNovouMinutouPrekresliRucky()
    {
        Hodinky h(Cas(2005, 11, 19, 15, 30, 59));
        h.t.hodiny.posun(1);
        h.t.kalendar().Timer1Timer();
        QVERIFY(Zadna(h.ruka(Pi, 12, 46), h.stin()));
        QVERIFY(Vsechny(h.ruka(31 * Pi / 30, 12, 46), h.stin()));
        // The second hand, drawn again after the erasure, stands whole at 12.
        QVERIFY(Vsechny(h.ruka(0, 8, 46), h.text()));
    }

    void hodinyPosunuteOHodinuVeStejneMinute()
    {
        Hodinky h(Cas(2005, 11, 19, 15, 30, 10));
        h.t.hodiny.nastav(Cas(2005, 11, 19, 17, 30, 11));
        h.t.kalendar().Timer1Timer();
        QVERIFY(Vsechny(h.ruka(17.5 * Pi / 6, 8, 30), h.stin()));
        QVERIFY(Zadna(h.ruka(15.5 * Pi / 6, 14, 30), h.stin()));
        QCOMPARE(h.t.najdi<Panel>(u"pCas"_s)->text(), u"17:30:11"_s);
    }

    void prekresleniVypadaJakoPoTiku()
    {
        Hodinky h(Cas(2005, 11, 19, 9, 41, 7));
        for (int i = 0; i < 75; ++i) {
            h.t.hodiny.posun(1);
            h.t.kalendar().Timer1Timer();
        }
        const QImage poTicich = h.t.najdi<Obraz>(u"im"_s)->bitmapa().copy();
        h.t.kalendar().FormPaint();
        // Only what lies on top may differ where the second hand crosses the others.
        const QImage znovu = h.t.najdi<Obraz>(u"im"_s)->bitmapa();
        int rozdilu = 0;
        for (int y = 0; y < 112; ++y) {
            for (int x = 0; x < 112; ++x)
                rozdilu += poTicich.pixel(x, y) != znovu.pixel(x, y);
        }
        QVERIFY2(rozdilu < 12, qPrintable(QString::number(rozdilu)));
    }

    // Outside a minute change a tick leaves the bitmap exactly as a full drawing would, so the
    // marks it skips cannot have been touched; checked for every second-hand position.
    void tikJakoCeleKresleni_data()
    {
        QTest::addColumn<QDateTime>("cas");
        QTest::newRow("9:41:07") << Cas(2005, 11, 19, 9, 41, 7);
        QTest::newRow("3:00:00, hands on the 3") << Cas(2005, 11, 19, 3, 0, 0);
        QTest::newRow("12:59:30, across the hour") << Cas(2005, 11, 19, 12, 59, 30);
        QTest::newRow("23:58:45, across midnight") << Cas(2005, 11, 19, 23, 58, 45);
    }

    void tikJakoCeleKresleni()
    {
        QFETCH(QDateTime, cas);
        Hodinky h(cas);
        const QImage &bitmapa = h.t.najdi<Obraz>(u"im"_s)->bitmapa();
        int porovnano = 0;
        for (int i = 0; i < 125; ++i) {
            const int minuta = h.t.hodiny.ted().time().minute();
            h.t.hodiny.posun(1);
            h.t.kalendar().Timer1Timer();
            if (h.t.hodiny.ted().time().minute() != minuta)
                continue;
            const QImage poTiku = bitmapa.copy();
            h.t.kalendar().FormPaint();
            QVERIFY2(poTiku == bitmapa, qPrintable(h.t.hodiny.ted().toString()));
            ++porovnano;
        }
        QVERIFY(porovnano >= 120);
    }

    // A tick sends the screen only what changed; what the window shows must still be the
    // whole bitmap, second by second and across minutes and hours.
    void obrazovkaUkazujeBitmapu()
    {
        Hodinky h(Cas(2005, 11, 19, 9, 58, 50));
        TfrmKalendar &k = h.t.kalendar();
        k.show();
        QVERIFY(QTest::qWaitForWindowExposed(&k));
        Obraz *im = h.t.najdi<Obraz>(u"im"_s);
        const QPoint roh = im->mapTo(&k, QPoint(0, 0));
        for (int i = 0; i < 75; ++i) {
            h.t.hodiny.posun(i < 70 ? 1 : 3599);
            k.Timer1Timer();
            QCoreApplication::processEvents();
            const QImage obrazovka = k.screen()
                                         ->grabWindow(k.winId(), roh.x(), roh.y(), 112, 112)
                                         .toImage()
                                         .convertToFormat(QImage::Format_RGB32);
            QVERIFY2(obrazovka == im->bitmapa(), qPrintable(h.t.hodiny.ted().toString()));
        }
    }

    // The directions worked out when building are correctly rounded; the maths library may be
    // one unit in the last place off. Either way every mark and hand tip must fall on the same
    // pixel, for the full and the hour-hand length.
    void smeryJakoZKnihovny_data()
    {
        QTest::addColumn<int>("tabulka");
        QTest::newRow("značky") << 0;
        QTest::newRow("vteřiny a minuty") << 1;
        QTest::newRow("hodiny") << 2;
    }

    void smeryJakoZKnihovny()
    {
        QFETCH(int, tabulka);
        // Through a volatile, so that the compiler cannot fold the calls itself.
        volatile double krokHodin = Pi / 6;
        volatile double krokMinut = Pi / 30;
        std::vector<double> uhly;
        std::span<const voranek::Smer> smery;
        if (tabulka == 0) {
            double uhel = 0;
            for (int i = 0; i < 12; ++i, uhel += krokHodin)
                uhly.push_back(uhel);
            smery = voranek::SmeryZnacek;
        } else if (tabulka == 1) {
            for (int s = 0; s < 60; ++s)
                uhly.push_back(s * krokMinut);
            smery = voranek::SmeryMinut;
        } else {
            for (int hod = 0; hod < 24; ++hod) {
                for (int min = 0; min < 60; ++min)
                    uhly.push_back((hod + min * (1.0 / 60)) * krokHodin);
            }
            smery = voranek::SmeryHodin;
        }
        QCOMPARE(smery.size(), uhly.size());
        const auto blizko = [](double a, double b) { return a == b || std::nextafter(a, b) == b; };
        const auto spicka = [](double delka, double sin, double cos) {
            return QPoint(int(56 + delka * sin), int(std::floor(56 - delka * cos)));
        };
        for (std::size_t i = 0; i < uhly.size(); ++i) {
            const double sin = std::sin(uhly[i]);
            const double cos = std::cos(uhly[i]);
            QVERIFY2(blizko(smery[i].sin, sin) && blizko(smery[i].cos, cos),
                qPrintable(u"úhel č. %1"_s.arg(i)));
            for (double delka : {46.0, 46 * 0.68}) {
                QCOMPARE(spicka(delka, smery[i].sin, smery[i].cos), spicka(delka, sin, cos));
                QCOMPARE(int(56 + delka * smery[i].cos), int(56 + delka * cos));
            }
        }
    }
};

VORANEK_TEST_MAIN(TestCas)
#include "tst_cas.moc"
