#include "calendar/jmena.h"
#include "calendar/kalendardnu.h"
#include "common/cp1250.h"
#include "common/main.h"
#include "common/okna.h"
#include "info/jmenainfo.h"
#include "views/text.h"
#include "widgets/memo.h"
#include "widgets/panel.h"

#include <QAction>

#include <map>
#include <set>

using namespace voranek;
using namespace Qt::StringLiterals;

namespace {

struct Jmena : TestovaciOkna {
    Jmena()
        : TestovaciOkna(Cas(2005, 4, 10))
    {
        kalendar().findChild<QAction *>(u"mnVice"_s)->trigger();
    }
    QComboBox *combo() { return operace().findChild<QComboBox *>(u"cmbJmena"_s); }
    QStringList radky() { return operace().findChild<Memo *>(u"mVice"_s)->radky(); }
    QString nadpis() { return operace().findChild<Panel *>(u"pJmeno"_s)->text(); }
    void vyber(int index)
    {
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }
    void vyber(const QString &text) { vyber(combo()->findText(text)); }
};

const QString Oddelovac = u"  "_s + QString(96, u'-');

// The heading by the rule, written independently of the program: capitals spaced by one
// blank, words by four.
QString PravidloNadpisu(const QString &zaznam)
{
    QStringList slova;
    for (const QString &slovo : zaznam.split(u' ')) {
        QStringList p;
        for (QChar c : slovo.toUpper())
            p << QString(c);
        slova << p.join(u' ');
    }
    return slova.join(u"    "_s);
}

} // namespace

class TestJmenaInfo : public QObject
{
    Q_OBJECT

private slots:
    void tabulka()
    {
        QCOMPARE(int(OsobyJmen().size()), 373);
        std::map<int, int> osob;
        std::set<std::string_view> vyznamy;
        std::set<std::string_view> puvody;
        int bezTecek = 0, poznamek = 0;
        for (const OsobaJmena &o : OsobyJmen()) {
            ++osob[o.zaznam];
            for (std::string_view t : {o.jmeno, o.puvod, o.vyznam, o.domacke}) {
                QVERIFY2(DelkaCp1250(t) >= 0, t.data());
                QVERIFY(!t.starts_with(' ') && !t.ends_with(' '));
            }
            QVERIFY2(DelkaCp1250(o.vyznam) <= 430, o.jmeno.data());
            if (!o.vyznam.empty())
                QVERIFY2(vyznamy.insert(o.vyznam).second, o.jmeno.data());
            puvody.insert(o.puvod);
            bezTecek += !o.domacke.ends_with("..");
            poznamek += o.jmeno.find('(') != std::string_view::npos;
        }
        QVERIFY(bezTecek <= 1);
        QCOMPARE(poznamek, 13);
        QVERIFY(puvody.count("slovanský") && puvody.count("latinský") && puvody.count("řecký"));
        QCOMPARE(int(osob.size()), 358);
        std::set<QString> dvojice;
        for (const auto &[zaznam, pocet] : osob) {
            const QString text = Qs(JmenaCZ[zaznam]);
            const int ocekavano = text == u"Maxim / Maxmilián"_s
                ? 1
                : int(text.count(u" / "_s) + text.count(u" a "_s)) + 1;
            QCOMPARE(pocet, ocekavano);
            if (pocet == 2)
                dvojice.insert(text);
        }
        QCOMPARE(int(dvojice.size()), 13);
        QCOMPARE(Qs(OsobyZaznamu(216).front().jmeno), u"Maxim (Maxmilián)"_s);
        QVERIFY(OsobyZaznamu(-1).empty());
        QVERIFY(OsobyZaznamu(358).empty());
    }

    void kazdyZaznam()
    {
        Jmena t;
        QCOMPARE(t.combo()->count(), 358);
        QCOMPARE(t.combo()->itemText(100), u"Evženie"_s);
        const std::map<QString, QString> vyjimky = {
            {u"Albína"_s, u"A L B Í N A "_s},
            {u"Cyril a Metoděj"_s, u"C Y R I L    /    M E T O D Ě J"_s},
            {u"Šarlota / Zoe"_s, u"Š A R L O T A     /     Z O E"_s},
        };
        const KalendarDnu kal = VytvorKalendarDnu();
        for (int i = 0; i < 358; ++i) {
            t.vyber(i);
            const QString zaznam = Qs(JmenaCZ[i]);
            const auto v = vyjimky.find(zaznam);
            QCOMPARE(t.nadpis(), v != vyjimky.end() ? v->second : PravidloNadpisu(zaznam));

            const auto osoby = OsobyZaznamu(i);
            const QStringList r = t.radky();
            const int ocekavano = 11 + 12 * int(osoby.size() - 1) + (zaznam == u"Petr a Pavel"_s);
            QCOMPARE(r.size(), ocekavano);
            QCOMPARE(r[0], QString());
            QCOMPARE(r[1], QString());

            const auto den = kal.DatumJmena(CZ, i);
            QVERIFY(den);
            const QString datum = u"   DATUM: "_s + QString::number(den->den) + u". "_s
                + Qs(MesiceGenitiv[den->mesic - 1]).trimmed();
            int radek = 2;
            for (std::size_t o = 0; o < osoby.size(); ++o) {
                if (o > 0) {
                    QCOMPARE(r[radek], QString());
                    QCOMPARE(r[radek + 1], Oddelovac);
                    radek += 2;
                    if (zaznam == u"Petr a Pavel"_s)
                        QCOMPARE(r[radek++], QString());
                    QCOMPARE(r[radek++], QString());
                }
                QCOMPARE(r[radek], u"   JMÉNO: "_s + Qs(osoby[o].jmeno));
                QCOMPARE(r[radek + 2], datum);
                QCOMPARE(r[radek + 4], u"   PŮVOD: "_s + Qs(osoby[o].puvod));
                QCOMPARE(r[radek + 6], u"   VÝZNAM: "_s + Qs(osoby[o].vyznam));
                QVERIFY(r[radek + 8].startsWith(u"   DOMÁCKÉ TVARY JMÉNA: "_s));
                for (int prazdny : {1, 3, 5, 7})
                    QCOMPARE(r[radek + prazdny], QString());
                radek += 9;
            }
            QCOMPARE(radek, r.size());
        }
    }

    void danePriklady()
    {
        Jmena t;
        t.vyber(u"Tereza"_s);
        QCOMPARE(t.nadpis(), u"T E R E Z A"_s);
        QCOMPARE(t.radky(),
            (QStringList {"", "", "   JMÉNO: Tereza", "", "   DATUM: 15. října", "",
                "   PŮVOD: řecký", "", "   VÝZNAM: pocházející z ostrova Thery", "",
                "   DOMÁCKÉ TVARY JMÉNA: Terezka, Terezička, Terka, Terinka, Rézka, Rézinka, "
                "Tea.."}));

        t.vyber(u"Cyril a Metoděj"_s);
        const QStringList r = t.radky();
        QCOMPARE(r.size(), 23);
        QCOMPARE(r[2], u"   JMÉNO: Cyril"_s);
        QCOMPARE(r[4], u"   DATUM: 5. července"_s);
        QCOMPARE(r[8],
            u"   VÝZNAM: řeckého původu a v řečtině znělo Kyrios, což by mohlo znamenat pán, panáček, pánův"_s);
        QCOMPARE(r[10], u"   DOMÁCKÉ TVARY JMÉNA: Cyrek, Cyrouš, Cyroušek, Cyra, Cyrilek.."_s);
        QCOMPARE(r[12], Oddelovac);
        QCOMPARE(r[14], u"   JMÉNO: Metoděj"_s);
        QCOMPARE(r[20],
            u"   VÝZNAM: pochází z methodos - cesta za něčím, přeneseně způsob zkoumání, bádání, poznání"_s);
        QCOMPARE(r[22], u"   DOMÁCKÉ TVARY JMÉNA: Metodek, Metouš.."_s);

        t.vyber(u"Adéla"_s);
        QCOMPARE(t.radky()[10], u"   DOMÁCKÉ TVARY JMÉNA: Adélka, Adla, Adina, Adka.."_s);
    }

    void okrajovePripady()
    {
        Jmena t;
        t.vyber(u"Luděk"_s);
        QVERIFY(t.radky().contains(u"   VÝZNAM: "_s));

        t.vyber(u"Radan / Radana"_s);
        QCOMPARE(t.nadpis(), u"R A D A N    /    R A D A N A"_s);
        QCOMPARE(t.radky()[6], u"   PŮVOD: "_s);
        QCOMPARE(t.radky()[8], u"   VÝZNAM: "_s);
        QCOMPARE(t.radky()[14], u"   JMÉNO: Radana"_s);

        t.vyber(u"Galina / Oliver / Olívie"_s);
        QCOMPARE(t.radky().size(), 35);
        QCOMPARE(t.radky().count(Oddelovac), 2);

        t.vyber(u"Petr a Pavel"_s);
        QCOMPARE(t.nadpis(), u"P E T R    A    P A V E L"_s);
        const QStringList r = t.radky();
        const int pavel = r.indexOf(u"   JMÉNO: Pavel"_s);
        QCOMPARE(r[pavel - 3], Oddelovac);
        QCOMPARE(r[pavel - 2], QString());
        QCOMPARE(r[pavel - 1], QString());

        t.vyber(u"Sára / Štefan"_s);
        QCOMPARE(t.nadpis(), u"S Á R A    /    Š T E F A N"_s);

        t.vyber(357);
        QCOMPARE(t.nadpis(), u"Ž O F I E"_s);
        QCOMPARE(t.radky()[4], u"   DATUM: 15. května"_s);
    }

    void klavesyAOtevreni()
    {
        Jmena t;
        t.vyber(0);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(t.combo(), Qt::Key_Down);
        QCOMPARE(t.combo()->currentIndex(), 5);
        QCOMPARE(t.radky().size(), 11);
        QCOMPARE(t.radky()[2], u"   JMÉNO: Alan"_s);
        QCOMPARE(t.radky().count(u"   JMÉNO: Alan"_s), 1);

        // Each opening starts the page blank.
        t.kalendar().findChild<QAction *>(u"mnPrevod"_s)->trigger();
        QCOMPARE(t.combo()->currentIndex(), -1);
        QCOMPARE(t.nadpis(), QString());
        QVERIFY(t.radky().isEmpty());
        t.operace().VypisJmeno(-1);
        t.operace().VypisJmeno(358);
        QVERIFY(t.radky().isEmpty());
    }
};

VORANEK_TEST_MAIN(TestJmenaInfo)
#include "tst_jmenainfo.moc"
