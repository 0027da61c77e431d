#include "common/cp1250.h"
#include "common/main.h"
#include "common/okna.h"
#include "info/pranostiky.h"
#include "info/slovnik.h"
#include "views/text.h"
#include "widgets/memo.h"
#include "widgets/panel.h"
#include "widgets/seznam.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>

#include <set>

using namespace voranek;
using namespace Qt::StringLiterals;

namespace {

struct Info : TestovaciOkna {
    using TestovaciOkna::TestovaciOkna;

    template<typename W = QWidget> W *v(const QString &jmeno)
    {
        W *w = operace().findChild<W *>(jmeno);
        if (!w)
            qFatal("no control %s", qPrintable(jmeno));
        return w;
    }
    void otevri(const char *polozka)
    {
        kalendar().findChild<QAction *>(QString::fromLatin1(polozka))->trigger();
    }
    void klikni(Seznam *s, int radek)
    {
        s->scrollToItem(s->item(radek));
        QCoreApplication::processEvents();
        QTest::mouseClick(
            s->viewport(), Qt::LeftButton, {}, s->visualItemRect(s->item(radek)).center());
    }
    Memo *pra() { return v<Memo>(u"mPra"_s); }
    QString slovo() { return v<Panel>(u"pSlovo"_s)->text(); }
};

} // namespace

class TestOperace : public QObject
{
    Q_OBJECT

private slots:
    void slovnik_data()
    {
        QTest::addColumn<int>("slovo");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("preklad");
        QTest::newRow("zima / němčiny") << 40 << 1 << "der Winter";
        QTest::newRow("zima / esperanštiny") << 40 << 4 << "vintro";
        QTest::newRow("rok / esperanštiny") << 27 << 4 << "jaro";
        QTest::newRow("Nový rok / angličtiny") << 21 << 0 << "New Year's Day";
        QTest::newRow("kalendář / angličtiny") << 13 << 0 << "calendar";
        QTest::newRow("březen / francouzštiny") << 0 << 3 << "mars";
        QTest::newRow("no language") << 5 << -1 << "";
        QTest::newRow("language 5") << 5 << 5 << "";
        QTest::newRow("no word") << -1 << 2 << "";
        QTest::newRow("word 41") << 41 << 0 << "";
    }
    void slovnik()
    {
        QFETCH(int, slovo);
        QFETCH(int, jazyk);
        QFETCH(QString, preklad);
        QCOMPARE(Qs(PrelozSlovo(slovo, jazyk)), preklad);
    }

    void tabulkaSlovniku()
    {
        std::set<std::string_view> slova;
        for (const SlovoSlovniku &s : Slovnik) {
            QVERIFY(DelkaCp1250(s.cesky) > 0);
            slova.insert(s.cesky);
        }
        for (std::string_view j : JazykySlovniku)
            QVERIFY(DelkaCp1250(j) > 0);
        QCOMPARE(slova.size(), 41u);
        QCOMPARE(Qs(JazykySlovniku[3]), u"francouzštiny"_s);
        // The words stand in Czech alphabetical order (č after c, ř after r).
        QStringList cesky;
        for (const SlovoSlovniku &s : Slovnik)
            cesky << Qs(s.cesky);
        QCOMPARE(cesky.first(), u"březen"_s);
        QCOMPARE(cesky.indexOf(u"kalendář"_s), 13);
        QCOMPARE(cesky.indexOf(u"říjen"_s), 28);
        QCOMPARE(cesky.last(), u"zima"_s);
    }

    // The translations leave Windows-1250, but only for letters of their own language: an
    // Esperanto č for ĉ, or a byte from another code page, is a fault. The letters beyond
    // ASCII are those of each language's alphabet.
    void pismenaPrekladu_data()
    {
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("pismena");
        QTest::newRow("angličtiny") << 0 << QString();
        QTest::newRow("němčiny") << 1 << u"äöüßÄÖÜ"_s;
        QTest::newRow("italštiny") << 2 << u"àèéìíîòóùúÀÈÉÌÍÎÒÓÙÚ"_s;
        QTest::newRow("francouzštiny") << 3 << u"àâæçéèêëîïôœùûüÿÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ"_s;
        QTest::newRow("esperanštiny") << 4 << u"ĉĝĥĵŝŭĈĜĤĴŜŬ"_s;
    }
    void pismenaPrekladu()
    {
        QFETCH(int, jazyk);
        QFETCH(QString, pismena);
        for (const SlovoSlovniku &s : Slovnik) {
            const std::string_view p = s.preklady[std::size_t(jazyk)];
            const QString preklad = Qs(p);
            QVERIFY2(!preklad.isEmpty(), s.cesky.data());
            QVERIFY2(preklad.toUtf8() == QByteArray(p.data(), qsizetype(p.size())), p.data());
            for (QChar c : preklad)
                QVERIFY2(c.unicode() < 0x80 || pismena.contains(c), p.data());
        }
    }

    // Every translation shows whole in the panel: each letter in its font, no word wider
    // than the caption.
    void prekladyVPanelu()
    {
        Info t(Cas(2005, 11, 19));
        t.otevri("mnPrevod");
        const auto *panel = t.v<Panel>(u"pSlovo"_s);
        const QFontMetrics metriky(panel->font());
        for (const SlovoSlovniku &s : Slovnik)
            for (std::string_view p : s.preklady) {
                const QString preklad = Qs(p);
                for (QChar c : preklad)
                    QVERIFY2(metriky.inFont(c), p.data());
                QVERIFY2(
                    metriky.horizontalAdvance(preklad) < panel->contentsRect().width(), p.data());
            }

        // The foreign letters reach the panel as they are.
        t.klikni(t.v<Seznam>(u"lbNazev"_s), 4);
        t.klikni(t.v<Seznam>(u"lbJazyk"_s), 4);
        QCOMPARE(t.slovo(), u"ĵaŭdo"_s);
        t.klikni(t.v<Seznam>(u"lbNazev"_s), 33);
        t.klikni(t.v<Seznam>(u"lbJazyk"_s), 3);
        QCOMPARE(t.slovo(), u"fête"_s);
        t.klikni(t.v<Seznam>(u"lbJazyk"_s), 2);
        t.klikni(t.v<Seznam>(u"lbNazev"_s), 22);
        QCOMPARE(t.slovo(), u"venerdì"_s);
    }

    void slovnikKlikanim()
    {
        Info t(Cas(2005, 11, 19));
        t.otevri("mnPrevod");
        QCOMPARE(t.slovo(), u"calendar"_s);
        t.klikni(t.v<Seznam>(u"lbNazev"_s), 40);
        QCOMPARE(t.slovo(), u"winter"_s);
        t.klikni(t.v<Seznam>(u"lbJazyk"_s), 1);
        QCOMPARE(t.slovo(), u"der Winter"_s);
        t.klikni(t.v<Seznam>(u"lbJazyk"_s), 4);
        QCOMPARE(t.slovo(), u"vintro"_s);
        QTest::keyClick(t.v<Seznam>(u"lbNazev"_s), Qt::Key_Up);
        QCOMPARE(t.slovo(), u"septembro"_s);

        // Closed and opened from another item: the dictionary starts anew.
        QTest::mouseClick(t.operace().okButton(), Qt::LeftButton);
        QVERIFY(!t.operace().isVisible());
        t.otevri("mnVice");
        QCOMPARE(t.v<Seznam>(u"lbNazev"_s)->vybrany(), 13);
        QCOMPARE(t.v<Seznam>(u"lbJazyk"_s)->vybrany(), 0);
        QCOMPARE(t.slovo(), u"calendar"_s);
        QCOMPARE(t.operace().pages()->currentIndex(), 2);
    }

    void pranostikyMesiceZobrazeni()
    {
        Info t(Cas(2005, 3, 10));
        t.otevri("mnPranostiky");
        QCOMPARE(t.v<Seznam>(u"lbMesicPra"_s)->vybrany(), 2);
        QCOMPARE(t.v<QGroupBox>(u"gbPra"_s)->title(), u" Pranostiky na měsíc březen "_s);
        QCOMPARE(t.pra()->radky().first(), Qs(Pranostiky()[2].pranostiky.front()));

        // The main window moves to September: the next opening follows it.
        t.operace().hide();
        auto *mesic = t.najdi<QComboBox>(u"cmbMesic"_s);
        mesic->setCurrentIndex(8);
        emit mesic->activated(8);
        t.otevri("mnPrevod");
        QCOMPARE(t.v<Seznam>(u"lbMesicPra"_s)->vybrany(), 8);
        QCOMPARE(t.v<QGroupBox>(u"gbPra"_s)->title(), u" Pranostiky na měsíc září "_s);
    }

    void otevrenoZnovuZJinePolozky()
    {
        Info t(Cas(2005, 3, 10));
        t.kalendar().show();
        t.otevri("mnPranostiky");
        t.operace().move(300, 300);
        t.kalendar().move(20, 30);
        t.otevri("mnPrevod");
        QCOMPARE(t.operace().pos(), t.kalendar().pos());
        QCOMPARE(t.operace().tabs()->currentIndex(), 0);
        QCOMPARE(t.operace().pages()->currentIndex(), 0);
        QCOMPARE(t.operace().focusWidget(), t.operace().okButton());
    }

    void vsechnyMesice()
    {
        Info t(Cas(2005, 3, 10));
        t.otevri("mnPranostiky");
        const int pocty[12] = {37, 27, 27, 39, 30, 18, 13, 30, 25, 36, 17, 25};
        const QStringList nazvy {"leden", "únor", "březen", "duben", "květen", "červen", "červenec",
            "srpen", "září", "říjen", "listopad", "prosinec"};
        std::set<std::string_view> vsechny;
        int celkem = 0;
        for (int m = 0; m < 12; ++m) {
            t.klikni(t.v<Seznam>(u"lbMesicPra"_s), m);
            QCOMPARE(
                t.v<QGroupBox>(u"gbPra"_s)->title(), u" Pranostiky na měsíc "_s + nazvy[m] + u' ');
            const QStringList radky = t.pra()->radky();
            QCOMPARE(radky.size(), 2 * pocty[m] - 1);
            for (int i = 0; i < radky.size(); ++i) {
                const bool oddelovac = radky[i] == QString(65, u'-');
                QCOMPARE(oddelovac, i % 2 == 1);
            }
            QCOMPARE(int(Pranostiky()[m].pranostiky.size()), pocty[m]);
            for (std::string_view p : Pranostiky()[m].pranostiky) {
                const int delka = DelkaCp1250(p);
                QVERIFY2(delka > 0 && delka <= 262, p.data());
                QVERIFY(!p.starts_with(' ') && !p.ends_with(' '));
                QVERIFY(p.find('\n') == std::string_view::npos);
                vsechny.insert(p);
                ++celkem;
            }
        }
        QCOMPARE(celkem, 324);
        QCOMPARE(int(vsechny.size()), 324);
    }

    void danePranostiky()
    {
        const QStringList cerven {"Chladný květen, červen vlažný - je pro sýpky, sudy blažný.",
            "Červen studený - sedlák krčí rameny.",
            "Když v červnu severní větry vějí, tu se bouřky opozdějí.",
            "Netřeba v červnu o déšť prositi, přijde, jak začne kositi.",
            "Jestli červen mokrý bývá, obilí pak málo rodívá.",
            "Pláče-li červen a neoschne žitko, v zajících, koroptvích budem mít řídko.",
            "V červnu deštivo a chladno způsobí rok neúrodný snadno.",
            "Červen mokrý a studený - bývají žně vždy skaženy.",
            "Často-li se v červnu hrom ozývá, kalné léto potom přicházívá.",
            "Hřímá-li v červnu, zvede se obilí.", "Červnové večerní hřmění - ryb a raků nadělení.",
            "Červen-li více sucho než mokro bývá, urodí se hojnost dobrého vína.",
            "Co v červnu nedá do klasu, červenec nažene v času.",
            "Jak červen teplem září, takový bude i měsíc září.", "Jaký červen, takový i prosinec.",
            "Je-li červen mírný, nebude v prosinci mráz silný.",
            "Červen stálý - prosinec dokonalý.",
            "Jaká parna se v červnu dostaví, tak se i prosincové mraky postaví."};
        QStringList skutecne;
        for (std::string_view p : Pranostiky()[5].pranostiky)
            skutecne << Qs(p);
        QCOMPARE(skutecne, cerven);
        QCOMPARE(Qs(Pranostiky()[0].pranostiky[0]), u"V lednu za pec si sednu."_s);
        QCOMPARE(Qs(Pranostiky()[0].pranostiky[1]),
            u"V lednu mráz - těší nás; v lednu voda - věčná škoda."_s);
        QCOMPARE(Qs(Pranostiky()[0].pranostiky[2]), u"Ve dne jas, v noci mráz."_s);
        QCOMPARE(Qs(Pranostiky()[10].pranostiky.back()), u"Jaký listopad, takový březen."_s);
    }

    void mesicMimoRozsah()
    {
        Info t(Cas(2005, 3, 10));
        t.operace().VypisPranostiky(4);
        for (int mesic : {0, 13, -1, 65536}) {
            t.operace().VypisPranostiky(mesic);
            QCOMPARE(t.pra()->pocetRadku(), 0);
            QCOMPARE(t.v<QGroupBox>(u"gbPra"_s)->title(), u" Pranostiky na měsíc duben "_s);
        }
        // The month is read as an unsigned 16-bit number.
        t.operace().VypisPranostiky(65536 + 5);
        QCOMPARE(t.pra()->pocetRadku(), 2 * 30 - 1);
    }

    void plneniZacinaNahore()
    {
        Info t(Cas(2005, 4, 10));
        t.otevri("mnPranostiky");
        QScrollBar *posuvnik = t.pra()->verticalScrollBar();
        posuvnik->setValue(posuvnik->maximum());
        QVERIFY(posuvnik->value() > 0);
        t.klikni(t.v<Seznam>(u"lbMesicPra"_s), 3);
        QCOMPARE(posuvnik->value(), 0);
    }

    void minimalizaceAObnoveni()
    {
        Info t(Cas(2005, 4, 10));
        t.otevri("mnPranostiky");
        auto *jmena = t.v<QComboBox>(u"cmbJmena"_s);
        jmena->setCurrentIndex(312);
        emit jmena->activated(312);
        QScrollBar *posuvnik = t.pra()->verticalScrollBar();
        posuvnik->setValue(posuvnik->maximum());
        t.operace().setWindowState(Qt::WindowMinimized);
        t.operace().setWindowState(Qt::WindowNoState);
        QCOMPARE(t.pra()->pocetRadku(), 2 * 39 - 1);
        QCOMPARE(posuvnik->value(), 0);
        QCOMPARE(t.v<Memo>(u"mVice"_s)->pocetRadku(), 11);
        QCOMPARE(t.v<Memo>(u"mVice"_s)->radky().count(u"   JMÉNO: Tereza"_s), 1);
    }

    void pametiNedrziFokus()
    {
        Info t(Cas(2005, 4, 10));
        t.otevri("mnPranostiky");
        QVERIFY(QTest::qWaitForWindowActive(&t.operace()));
        QTest::mouseClick(t.pra()->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), t.operace().okButton());
        t.otevri("mnVice");
        QTest::mouseClick(t.v<Memo>(u"mVice"_s)->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), t.v<Panel>(u"pJmeno"_s));
    }

    void seznamJmenPodPolem()
    {
        Info t(Cas(2005, 4, 10));
        t.kalendar().move(0, 0);
        t.otevri("mnVice");
        QVERIFY(QTest::qWaitForWindowExposed(&t.operace()));
        auto *c = t.v<QComboBox>(u"cmbJmena"_s);
        c->showPopup();
        const QAbstractItemView *v = c->view();
        QVERIFY(v->window()->isVisible());
        // The 358 names drop down below the field in rows of 16 pixels, a screenful at most.
        QVERIFY(v->window()->geometry().top() >= c->mapToGlobal(c->rect().bottomLeft()).y());
        QCOMPARE(v->visualRect(v->model()->index(0, 0)).height(), 16);
        QCOMPARE(v->viewport()->height(), 16 * c->maxVisibleItems());
        QVERIFY(c->maxVisibleItems() < 20);
        c->hidePopup();
    }

    void hlavickaKryjeVrchPameti()
    {
        Info t(Cas(2005, 4, 10));
        t.otevri("mnVice");
        QVERIFY(QTest::qWaitForWindowExposed(&t.operace()));
        const QWidget *plocha = t.v<Memo>(u"mVice"_s)->viewport();
        const auto *hlavicka = t.v<Panel>(u"pJmeno"_s);
        // The text area begins right under the heading's top edge: no strip of it lies above,
        // where scrolled text would show.
        const QPoint roh = plocha->mapTo(hlavicka->parentWidget(), QPoint(0, 0));
        QCOMPARE(roh.y(), hlavicka->y());
        QVERIFY(roh.x() >= hlavicka->x());
    }

    void enterZavira()
    {
        Info t(Cas(2005, 4, 10));
        t.otevri("mnPrevod");
        QVERIFY(QTest::qWaitForWindowActive(&t.operace()));
        auto *nazev = t.v<Seznam>(u"lbNazev"_s);
        nazev->setFocus();
        QTest::keyClick(nazev, Qt::Key_Return);
        QVERIFY(!t.operace().isVisible());
    }
};

VORANEK_TEST_MAIN(TestOperace)
#include "tst_operace.moc"
