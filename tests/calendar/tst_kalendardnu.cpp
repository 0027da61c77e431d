#include "calendar/jmena.h"
#include "calendar/kalendardnu.h"
#include "calendar/svatky.h"
#include "calendar/udajedne.h"
#include "common/cp1250.h"
#include "common/utf8.h"

#include <QCollator>
#include <QTest>

#include <map>
#include <set>

using namespace voranek;
using namespace Qt::StringLiterals;

namespace {

// Every holiday field of March and April, as (day, month) -> code, for one variant.
std::map<std::pair<int, int>, int> SvatkyJara(const KalendarDnu &k, TypKalendare typ)
{
    std::map<std::pair<int, int>, int> svatky;
    for (int m : {3, 4}) {
        for (int d = 1; d <= DelkyMesicu[m - 1]; ++d) {
            if (const int kod = k.SvatekKod(typ, d, m); kod >= 0)
                svatky[{d, m}] = kod;
        }
    }
    return svatky;
}

} // namespace

class TestKalendarDnu : public QObject
{
    Q_OBJECT

private slots:
    void delkyMesicu()
    {
        const KalendarDnu k = VytvorKalendarDnu();
        for (std::size_t m = 0; m < 12; ++m)
            QCOMPARE(static_cast<int>(k[m].size()), DelkyMesicu[m]);
        QCOMPARE(k[1].size(), 29u);
    }

    void kazdeJmenoPraveJednou_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("pocet");
        QTest::newRow("CZ") << int(CZ) << 358;
        QTest::newRow("SK") << int(SK) << 362;
    }
    void kazdeJmenoPraveJednou()
    {
        QFETCH(int, typ);
        QFETCH(int, pocet);
        const KalendarDnu k = VytvorKalendarDnu();
        std::map<int, int> vyskyty;
        int beze = 0;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DelkyMesicu[m - 1]; ++d) {
                const int j = k.Jmeno(TypKalendare(typ), d, m);
                if (j < 0)
                    ++beze;
                else
                    ++vyskyty[j];
            }
        }
        QCOMPARE(static_cast<int>(vyskyty.size()), pocet);
        QCOMPARE(vyskyty.begin()->first, 0);
        QCOMPARE(vyskyty.rbegin()->first, pocet - 1);
        for (const auto &[jmeno, kolikrat] : vyskyty)
            QCOMPARE(kolikrat, 1);
        QCOMPARE(beze, 366 - pocet);
    }

    void dnyBezJmena_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QList<QPoint>>("dny"); // (day, month)
        QTest::newRow("CZ") << int(CZ)
                            << QList<QPoint> {{1, 1}, {6, 1}, {1, 5}, {8, 5}, {6, 7}, {28, 10},
                                   {2, 11}, {25, 12}};
        QTest::newRow("SK") << int(SK) << QList<QPoint> {{1, 1}, {1, 5}, {2, 11}, {25, 12}};
    }
    void dnyBezJmena()
    {
        QFETCH(int, typ);
        QFETCH(QList<QPoint>, dny);
        const KalendarDnu k = VytvorKalendarDnu();
        QList<QPoint> nalezene;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= DelkyMesicu[m - 1]; ++d) {
                if (k.Jmeno(TypKalendare(typ), d, m) < 0)
                    nalezene.append({d, m});
            }
        }
        QCOMPARE(nalezene, dny);
    }

    void jmenaDne_data()
    {
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("mesic");
        QTest::addColumn<QString>("cz");
        QTest::addColumn<QString>("sk");
        QTest::newRow("24 December") << 24 << 12 << "Adam a Eva"
                                     << "Adam a Eva";
        QTest::newRow("29 February") << 29 << 2 << "Horymír"
                                     << "Radomír";
        QTest::newRow("6 January") << 6 << 1 << ""
                                   << "Antónia";
        QTest::newRow("2 January") << 2 << 1 << "Karina"
                                   << "Alexandra";
        QTest::newRow("29 June") << 29 << 6 << "Petr a Pavel"
                                 << "Pavol / Peter / Petra";
        QTest::newRow("5 July") << 5 << 7 << "Cyril a Metoděj"
                                << "Cyril a Metod";
        QTest::newRow("2 October") << 2 << 10 << "Galina / Oliver / Olívie"
                                   << "Levoslav";
        QTest::newRow("22 April") << 22 << 4 << "Evžénie"
                                  << "Slavomír";
        QTest::newRow("31 December") << 31 << 12 << "Silvestr"
                                     << "Silvester";
        QTest::newRow("30 November") << 30 << 11 << "Ondřej"
                                     << "Andrej / Ondrej";
    }
    void jmenaDne()
    {
        QFETCH(int, den);
        QFETCH(int, mesic);
        QFETCH(QString, cz);
        QFETCH(QString, sk);
        const KalendarDnu k = VytvorKalendarDnu();
        const int icz = k.Jmeno(CZ, den, mesic);
        const int isk = k.Jmeno(SK, den, mesic);
        QCOMPARE(icz >= 0 ? Q(JmenaCZ[icz]) : QString(), cz);
        QCOMPARE(isk >= 0 ? Q(JmenaSK[isk]) : QString(), sk);
    }

    void jmenoNaDatum_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("mesic");
        QTest::newRow("CZ Horymír") << int(CZ) << 118 << 29 << 2;
        QTest::newRow("SK Radomír") << int(SK) << 272 << 29 << 2;
        QTest::newRow("CZ Adam a Eva") << int(CZ) << 0 << 24 << 12;
        QTest::newRow("CZ Žofie") << int(CZ) << 357 << 15 << 5;
        QTest::newRow("SK Žofia") << int(SK) << 361 << 15 << 5;
        // One index, two names: each variant searches its own field.
        QTest::newRow("CZ 262 Radan / Radana") << int(CZ) << 262 << 15 << 12;
        QTest::newRow("SK 262 Otília") << int(SK) << 262 << 12 << 12;
    }
    void jmenoNaDatum()
    {
        QFETCH(int, typ);
        QFETCH(int, index);
        QFETCH(int, den);
        QFETCH(int, mesic);
        const KalendarDnu k = VytvorKalendarDnu();
        const auto nalezeny = k.DatumJmena(TypKalendare(typ), index);
        QVERIFY(nalezeny.has_value());
        QCOMPARE(*nalezeny, (DenMesic {den, mesic}));
        if (typ == CZ)
            QCOMPARE(DatumJmenaCZ(index), (DenMesic {den, mesic}));
        QVERIFY(!k.DatumJmena(TypKalendare(typ), -1));
    }

    // Every holiday with a fixed date, by code, as the two holiday tables give them.
    void pevneSvatky_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("mesic");
        const int cz[][3] = {{0, 17, 11}, {1, 28, 9}, {2, 1, 1}, {3, 8, 5}, {4, 27, 1}, {5, 27, 6},
            {6, 5, 7}, {7, 6, 7}, {8, 11, 11}, {9, 28, 10}, {10, 26, 12}, {11, 5, 5}, {12, 2, 11},
            {13, 25, 12}, {14, 12, 3}, {15, 31, 12}, {16, 1, 5}, {17, 14, 2}, {18, 24, 12},
            {19, 6, 1}};
        const int sk[][3] = {{0, 17, 11}, {1, 27, 10}, {2, 4, 8}, {3, 29, 10}, {4, 6, 10},
            {5, 19, 9}, {6, 31, 10}, {7, 1, 9}, {8, 8, 5}, {9, 30, 12}, {10, 1, 1}, {11, 26, 12},
            {12, 25, 12}, {13, 15, 9}, {14, 1, 5}, {15, 5, 7}, {16, 1, 11}, {17, 24, 12},
            {20, 17, 7}, {21, 30, 10}, {22, 7, 6}, {23, 29, 8}, {24, 4, 5}, {25, 6, 1}};
        for (const auto &[kod, den, mesic] : cz)
            QTest::addRow("CZ %d, %d.%d.", kod, den, mesic) << int(CZ) << kod << den << mesic;
        for (const auto &[kod, den, mesic] : sk)
            QTest::addRow("SK %d, %d.%d.", kod, den, mesic) << int(SK) << kod << den << mesic;
    }
    void pevneSvatky()
    {
        QFETCH(int, typ);
        QFETCH(int, kod);
        QFETCH(int, den);
        QFETCH(int, mesic);
        KalendarDnu k = VytvorKalendarDnu();
        NaplnRok(k, 2027);
        QCOMPARE(k.SvatekKod(TypKalendare(typ), den, mesic), kod);
        QVERIFY(k.DatumSvatku(TypKalendare(typ), kod) == (DenMesic {den, mesic}));
        QCOMPARE(k.SvatekKod(TypKalendare(typ), 29, 2), -1);
    }

    void kazdySvatekNaJednomDni_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QList<int>>("pohyblive");
        QTest::newRow("CZ") << int(CZ) << 23 << QList<int> {20, 21, 22};
        QTest::newRow("SK") << int(SK) << 26 << QList<int> {18, 19};
    }
    void kazdySvatekNaJednomDni()
    {
        QFETCH(int, typ);
        QFETCH(int, pocet);
        QFETCH(QList<int>, pohyblive);
        KalendarDnu k = VytvorKalendarDnu();
        for (int rok = 2016; rok <= 2099; rok += 7) {
            NaplnRok(k, rok);
            for (int kod : pohyblive) {
                const auto den = k.DatumSvatku(TypKalendare(typ), kod);
                QVERIFY(den && (den->mesic == 3 || den->mesic == 4));
            }
            std::map<int, int> vyskyty;
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= DelkyMesicu[m - 1]; ++d) {
                    if (const int kod = k.SvatekKod(TypKalendare(typ), d, m); kod >= 0)
                        ++vyskyty[kod];
                }
            }
            QCOMPARE(static_cast<int>(vyskyty.size()), pocet);
            for (const auto &[kod, kolikrat] : vyskyty)
                QCOMPARE(kolikrat, 1);
        }
    }

    void velikonoce_data()
    {
        // Easter Monday of each year from a published table of Easter dates.
        QTest::addColumn<int>("rok");
        QTest::addColumn<QList<QPoint>>("cz"); // (day, month) of codes 20, 21 and, from 2016, 22
        QTest::addColumn<QList<QPoint>>("sk"); // (day, month) of codes 19 (Friday) and 18 (Monday)
        QTest::newRow("2005, Monday 28 March")
            << 2005 << QList<QPoint> {{27, 3}, {28, 3}} << QList<QPoint> {{25, 3}, {28, 3}};
        QTest::newRow("2013, Monday 1 April")
            << 2013 << QList<QPoint> {{31, 3}, {1, 4}} << QList<QPoint> {{29, 3}, {1, 4}};
        QTest::newRow("2018, Monday 2 April")
            << 2018 << QList<QPoint> {{1, 4}, {2, 4}, {30, 3}} << QList<QPoint> {{30, 3}, {2, 4}};
        QTest::newRow("2006, Monday 17 April")
            << 2006 << QList<QPoint> {{16, 4}, {17, 4}} << QList<QPoint> {{14, 4}, {17, 4}};
        QTest::newRow("2285, Monday 23 March") << 2285 << QList<QPoint> {{22, 3}, {23, 3}, {20, 3}}
                                               << QList<QPoint> {{20, 3}, {23, 3}};
        QTest::newRow("2038, Monday 26 April") << 2038 << QList<QPoint> {{25, 4}, {26, 4}, {23, 4}}
                                               << QList<QPoint> {{23, 4}, {26, 4}};
    }
    void velikonoce()
    {
        QFETCH(int, rok);
        QFETCH(QList<QPoint>, cz);
        QFETCH(QList<QPoint>, sk);
        KalendarDnu k = VytvorKalendarDnu();
        // Another year first: its entries must all go.
        NaplnRok(k, 2011);
        NaplnRok(k, rok);
        std::map<std::pair<int, int>, int> ocekavaneCZ
            = {{{12, 3}, 14}, {{cz[0].x(), cz[0].y()}, 20}, {{cz[1].x(), cz[1].y()}, 21}};
        if (cz.size() > 2)
            ocekavaneCZ[{cz[2].x(), cz[2].y()}] = 22;
        const std::map<std::pair<int, int>, int> ocekavaneSK
            = {{{sk[0].x(), sk[0].y()}, 19}, {{sk[1].x(), sk[1].y()}, 18}};
        QCOMPARE(SvatkyJara(k, CZ), ocekavaneCZ);
        QCOMPARE(SvatkyJara(k, SK), ocekavaneSK);
    }

    void rokNenechavaNicZPredchoziho()
    {
        KalendarDnu k = VytvorKalendarDnu();
        NaplnRok(k, 2005);
        NaplnRok(k, 1990);
        KalendarDnu jen1990 = VytvorKalendarDnu();
        NaplnRok(jen1990, 1990);
        for (std::size_t m = 0; m < 12; ++m)
            QVERIFY(k[m] == jen1990[m]);
        // 2005's days are free again.
        QCOMPARE(k.SvatekKod(SK, 25, 3), -1);
        QCOMPARE(k.SvatekKod(CZ, 27, 3), -1);
        QCOMPARE(k.SvatekKod(CZ, 28, 3), -1);
        QCOMPARE(k.SvatekKod(CZ, 12, 3), -1);
        QCOMPARE(k.SvatekKod(CZ, 1, 1), 2);
    }

    void nezname()
    {
        const KalendarDnu k = VytvorKalendarDnu();
        QVERIFY(!k.Den(30, 2));
        QVERIFY(!k.Den(0, 1));
        QVERIFY(!k.Den(1, 13));
        QCOMPARE(k.Jmeno(CZ, 31, 4), -1);
        QCOMPARE(k.SvatekKod(SK, 1, 0), -1);
        QVERIFY(!k.DatumSvatku(CZ, 23));
        QVERIFY(!k.DatumJmena(CZ, 358));
    }

    void textyVeWindows1250()
    {
        int nejdelsiCZ = 0, nejdelsiSK = 0;
        for (std::string_view j : JmenaCZ) {
            const int n = DelkaCp1250(j);
            QVERIFY2(n > 0, j.data());
            nejdelsiCZ = std::max(nejdelsiCZ, n);
        }
        for (std::string_view j : JmenaSK) {
            const int n = DelkaCp1250(j);
            QVERIFY2(n > 0, j.data());
            nejdelsiSK = std::max(nejdelsiSK, n);
        }
        QCOMPARE(nejdelsiCZ, 24);
        QCOMPARE(nejdelsiSK, 21);
        std::set<std::string_view> ruzna(JmenaCZ.begin(), JmenaCZ.end());
        QCOMPARE(ruzna.size(), JmenaCZ.size());
        for (const auto *tabulka : {&SvatkyCZ[0], &SvatkySK[0]}) {
            const std::size_t n = tabulka == &SvatkyCZ[0] ? SvatkyCZ.size() : SvatkySK.size();
            for (std::size_t i = 0; i < n; ++i) {
                const Svatek &s = tabulka[i];
                QVERIFY2(DelkaCp1250(s.kratky) > 5, s.kratky.data());
                QVERIFY2(DelkaCp1250(s.dlouhy) > 0, s.dlouhy.data());
                QVERIFY(s.kratky.starts_with("     "));
                QVERIFY(!s.dlouhy.starts_with(" "));
            }
        }
        QCOMPARE(DelkaCp1250(TextBezSvatku), 23);
    }

    void svatkyVAbecednimPoradi_data()
    {
        QTest::addColumn<int>("typ");
        QTest::newRow("CZ") << int(CZ);
        QTest::newRow("SK") << int(SK);
    }
    void svatkyVAbecednimPoradi()
    {
        // Positions in the list are codes: the tables stand in the Czech alphabetical order of
        // their long texts (č after c, ř after r, š after s), which a plain byte order breaks.
        QFETCH(int, typ);
        QStringList texty;
        if (typ == CZ) {
            for (const Svatek &s : SvatkyCZ)
                texty << Q(s.dlouhy);
        } else {
            for (const Svatek &s : SvatkySK)
                texty << Q(s.dlouhy);
        }
        const QCollator abeceda(QLocale(QLocale::Czech, QLocale::Czechia));
        for (qsizetype i = 1; i < texty.size(); ++i) {
            QVERIFY2(abeceda.compare(texty[i - 1], texty[i]) < 0,
                qPrintable(texty[i - 1] + u" / "_s + texty[i]));
        }
        // The byte order would differ: the check above can tell the two apart.
        QStringList bajty = texty;
        std::sort(bajty.begin(), bajty.end(),
            [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
        QVERIFY(bajty != texty);
    }
};

QTEST_APPLESS_MAIN(TestKalendarDnu)
#include "tst_kalendardnu.moc"
