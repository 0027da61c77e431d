#include "common/main.h"
#include "common/okna.h"
#include "widgets/obraz.h"
#include "widgets/panel.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Controls a user can reach or that tell something, without an accessible name.
QStringList Bezejmenne(QWidget *okno)
{
    QStringList chybi;
    for (QWidget *w : okno->findChildren<QWidget *>()) {
        if (w->window() != okno || w->isHidden())
            continue;
        const auto *label = qobject_cast<QLabel *>(w);
        const bool informuje = (label && (!label->text().isEmpty() || !label->pixmap().isNull()))
            || qobject_cast<Obraz *>(w)
            || w->objectName().contains(QRegularExpression(u"^p\\d+$"_s));
        const bool fokus = w->focusPolicy() != Qt::NoFocus;
        if (!informuje && !fokus)
            continue;
        QAccessibleInterface *rozhrani = QAccessible::queryAccessibleInterface(w);
        // What a reader is told to skip (an empty day of the grid) needs no name.
        if (rozhrani && rozhrani->state().invisible)
            continue;
        if (!rozhrani || rozhrani->text(QAccessible::Name).trimmed().isEmpty())
            chybi << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                : w->objectName());
    }
    return chybi;
}

} // namespace

class TestPristupnost : public QObject
{
    Q_OBJECT

private slots:
    void vseMaJmeno()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().show();
        QCOMPARE(Bezejmenne(&t.kalendar()), QStringList());
        t.kalendar().findChild<QAction *>(u"mnVice"_s)->trigger();
        for (int i = 0; i < 3; ++i) {
            t.operace().tabs()->setCurrentIndex(i);
            QCOMPARE(Bezejmenne(&t.operace()), QStringList());
        }
        t.kalendar().findChild<QAction *>(u"mnPro"_s)->trigger();
        for (int i = 0; i < 2; ++i) {
            t.napoveda().tabs()->setCurrentIndex(i);
            QCOMPARE(Bezejmenne(&t.napoveda()), QStringList());
        }
    }

    void bunkyNesouDatum()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().show();
        auto bunka = [&](int k) {
            return QAccessible::queryAccessibleInterface(
                t.najdi<Panel>(u"p"_s + QString::number(k)));
        };
        // 1 November 2005 is a Tuesday: p0 is empty, p1 the first; the empty cells and the
        // weekday headings are left out of what a reader reads.
        QVERIFY(bunka(0)->state().invisible);
        QVERIFY(bunka(31)->state().invisible);
        QVERIFY(
            QAccessible::queryAccessibleInterface(t.najdi<Panel>(u"Panel4"_s))->state().invisible);
        QCOMPARE(bunka(1)->text(QAccessible::Name), u"úterý 1. listopadu 2005"_s);
        QCOMPARE(bunka(19)->text(QAccessible::Name), u"sobota 19. listopadu 2005"_s);
        QCOMPARE(bunka(19)->role(), QAccessible::Button);
        QVERIFY(!bunka(19)->state().invisible);
        QCOMPARE(t.najdi<Panel>(u"p19"_s)->accessibleDescription(), u"zvolený den"_s);
        QCOMPARE(t.najdi<Obraz>(u"im"_s)->accessibleDescription(), u"12:00:00"_s);
        // Another month names the same cells anew.
        auto *rok = t.najdi<QLineEdit>(u"edtRok"_s);
        rok->setText(u"2006"_s);
        QCOMPARE(bunka(2)->text(QAccessible::Name), u"středa 1. listopadu 2006"_s);
    }

    void mrizkaKlavesnici_data()
    {
        QTest::addColumn<QList<int>>("klavesy");
        QTest::addColumn<QString>("datum");
        // 19 November 2005 is a Saturday; a column is a week.
        QTest::newRow("down is the next day")
            << QList<int> {Qt::Key_Down, Qt::Key_Return} << u"20.11.2005"_s;
        QTest::newRow("up is the day before")
            << QList<int> {Qt::Key_Up, Qt::Key_Space} << u"18.11.2005"_s;
        QTest::newRow("right is a week on")
            << QList<int> {Qt::Key_Right, Qt::Key_Enter} << u"26.11.2005"_s;
        QTest::newRow("left is a week back")
            << QList<int> {Qt::Key_Left, Qt::Key_Return} << u"12.11.2005"_s;
        // Past the month's edge the next month's day is chosen, and the arrows go on there.
        QTest::newRow("past the last day") << QList<int> {Qt::Key_Right, Qt::Key_Right,
            Qt::Key_Down, Qt::Key_Return} << u"4.12.2005"_s;
        QTest::newRow("before the first day") << QList<int> {Qt::Key_Left, Qt::Key_Left,
            Qt::Key_Left, Qt::Key_Return} << u"29.10.2005"_s;
        QTest::newRow("into the next year") << QList<int> {Qt::Key_Right, Qt::Key_Right,
            Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
                                            << u"7.1.2006"_s;
        QTest::newRow("arrows alone choose nothing")
            << QList<int> {Qt::Key_Down} << u"19.11.2005"_s;
    }
    void mrizkaKlavesnici()
    {
        QFETCH(QList<int>, klavesy);
        QFETCH(QString, datum);
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().show();
        QVERIFY(QTest::qWaitForWindowActive(&t.kalendar()));
        // Tab from the date line reaches the chosen day.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.najdi<Panel>(u"p19"_s));
        for (int k : klavesy)
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k));
        QCOMPARE(t.najdi<QLineEdit>(u"edtDen"_s)->text() + u'.'
                + QString::number(t.najdi<QComboBox>(u"cmbMesic"_s)->currentIndex() + 1) + u'.'
                + t.najdi<QLineEdit>(u"edtRok"_s)->text(),
            datum);
        // The focus stays on a day, and only that day stands in the Tab order.
        auto *fokus = qobject_cast<Panel *>(QApplication::focusWidget());
        QVERIFY(fokus && fokus->objectName().startsWith(u'p'));
        int vPoradi = 0;
        for (int k = 0; k < 42; ++k)
            vPoradi += t.najdi<Panel>(u"p"_s + QString::number(k))->focusPolicy() == Qt::TabFocus;
        QCOMPARE(vPoradi, 1);
    }

    void panelyCtouObsah_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QString>("popis");
        // The date line's name is what a reader says first: the date, names and holidays.
        QTest::newRow("date line") << u"pDatum"_s
                                   << u"Dnes je 19. listopadu 2005, sobota. svátek má: CZ "
                                      "Alžběta, SK Alžbeta. státní svátek, významný den: CZ "
                                      "Dnes se neslaví..., SK Dnes se neslaví...."_s
                                   << u"19. listopadu 2005, sobota"_s;
        QTest::newRow("name lines")
            << u"mJmeno"_s << u"svátek má"_s << u"CZ: Alžběta\nSK: Alžbeta"_s;
        QTest::newRow("holiday lines") << u"mSvatek"_s << u"státní svátek, významný den"_s
                                       << u"CZ: Dnes se neslaví...\nSK: Dnes se neslaví..."_s;
        QTest::newRow("time") << u"pCas"_s << u"Teď je"_s << u"12:00:00"_s;
        // A caption that is its own name needs no description.
        QTest::newRow("caption") << u"Panel1"_s << u"svátek má:"_s << QString();
        QTest::newRow("day cell") << u"p1"_s << u"úterý 1. listopadu 2005"_s << QString();
    }
    void panelyCtouObsah()
    {
        QFETCH(QString, panel);
        QFETCH(QString, jmeno);
        QFETCH(QString, popis);
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.kalendar()));
        auto *p = t.najdi<Panel>(panel);
        QAccessibleInterface *rozhrani = QAccessible::queryAccessibleInterface(p);
        QCOMPARE(rozhrani->role(),
            panel.startsWith(u"p"_s) && panel.size() < 4 ? QAccessible::Button
                                                         : QAccessible::StaticText);
        QCOMPARE(rozhrani->text(QAccessible::Name), jmeno);
        QCOMPARE(rozhrani->text(QAccessible::Description), popis);
        QAccessibleTextInterface *text = rozhrani->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), p->text());
        QCOMPARE(text->cursorPosition(), 0);
        QCOMPARE(text->selectionCount(), 0);

        // A screen reader's review finds each character where it is drawn, and back.
        const QRect plocha(p->mapToGlobal(QPoint(0, 0)), p->size());
        for (int i = 0; i < text->characterCount(); ++i) {
            if (p->text().at(i) == u'\n' || p->text().at(i) == u' ')
                continue;
            const QRect znak = text->characterRect(i);
            QVERIFY2(plocha.contains(znak), qPrintable(QString::number(i)));
            QCOMPARE(text->offsetAtPoint(znak.center()), i);
        }
        QCOMPARE(text->offsetAtPoint(plocha.topLeft() - QPoint(1, 1)), -1);
    }

    void textKazdehoPosunu_data()
    {
        QTest::addColumn<QString>("ovladac");
        // Panels of one and of several lines, a day of the grid and the number fields.
        for (const char *jmeno :
            {"pDatum", "mJmeno", "mSvatek", "pCas", "Panel1", "p19", "edtDen", "edtRok"})
            QTest::newRow(jmeno) << QString::fromLatin1(jmeno);
    }
    void textKazdehoPosunu()
    {
        QFETCH(QString, ovladac);
        TestovaciOkna t(Cas(2005, 12, 24));
        t.kalendar().show();
        QAccessibleTextInterface *text
            = QAccessible::queryAccessibleInterface(t.najdi(ovladac))->textInterface();
        QVERIFY(text);
        const int n = text->characterCount();
        const QString cely = text->text(0, n);
        QVERIFY(n > 0);
        // Every offset, inside and just outside the text, with every boundary, returns a
        // piece of the text that lies where it says; walking on from the start by each
        // boundary reads the whole text once, in order.
        for (auto hranice : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                 QAccessible::SentenceBoundary, QAccessible::LineBoundary,
                 QAccessible::ParagraphBoundary, QAccessible::NoBoundary}) {
            for (int posun = -1; posun <= n + 1; ++posun) {
                int od = -2;
                int po = -2;
                const QString kusy[] = {text->textBeforeOffset(posun, hranice, &od, &po),
                    text->textAtOffset(posun, hranice, &od, &po),
                    text->textAfterOffset(posun, hranice, &od, &po)};
                QVERIFY2(0 <= od && od <= po && po <= n,
                    qPrintable(u"%1 %2: %3-%4"_s.arg(hranice).arg(posun).arg(od).arg(po)));
                QCOMPARE(kusy[2], cely.mid(od, po - od));
            }
            QString precteno;
            int od = 0;
            int po = 0;
            QString kus = text->textAtOffset(0, hranice, &od, &po);
            while (!kus.isEmpty()) {
                precteno += kus;
                QVERIFY(po > od);
                kus = text->textAfterOffset(od, hranice, &od, &po);
            }
            QCOMPARE(precteno, cely);
        }
        // The number fields read whole, in one run of attributes.
        int od = -1;
        int po = -1;
        text->attributes(0, &od, &po);
        QCOMPARE(od, 0);
        QCOMPARE(po, n);
    }

    void nadpisJmenaSlovy_data()
    {
        QTest::addColumn<QString>("zaznam");
        QTest::addColumn<QString>("nadpis");
        QTest::addColumn<QString>("popis");
        // Headings of the name information; a listener hears words, not spelt capitals.
        QTest::newRow("nothing chosen") << QString() << QString() << QString();
        QTest::newRow("Adam a Eva")
            << u"Adam a Eva"_s << u"A D A M    A    E V A"_s << u"Adam a Eva"_s;
        QTest::newRow("trailing blank") << u"Albína"_s << u"A L B Í N A "_s << u"Albína"_s;
        QTest::newRow("slash") << u"Cyril a Metoděj"_s << u"C Y R I L    /    M E T O D Ě J"_s
                               << u"Cyril / Metoděj"_s;
        QTest::newRow("five blanks")
            << u"Šarlota / Zoe"_s << u"Š A R L O T A     /     Z O E"_s << u"Šarlota / Zoe"_s;
        QTest::newRow("three persons") << u"Galina / Oliver / Olívie"_s
                                       << u"G A L I N A    /    O L I V E R    /    O L Í V I E"_s
                                       << u"Galina / Oliver / Olívie"_s;
    }
    void nadpisJmenaSlovy()
    {
        QFETCH(QString, zaznam);
        QFETCH(QString, nadpis);
        QFETCH(QString, popis);
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().findChild<QAction *>(u"mnVice"_s)->trigger();
        auto *jmena = t.operace().findChild<QComboBox *>(u"cmbJmena"_s);
        auto *pJmeno = t.operace().findChild<Panel *>(u"pJmeno"_s);
        if (!zaznam.isEmpty()) {
            const int i = jmena->findText(zaznam);
            QVERIFY(i >= 0);
            jmena->setCurrentIndex(i);
            emit jmena->activated(i);
        }
        QAccessibleInterface *rozhrani = QAccessible::queryAccessibleInterface(pJmeno);
        QCOMPARE(rozhrani->text(QAccessible::Name), u"Jméno"_s);
        // Drawn in spaced capitals, read as words.
        QCOMPARE(pJmeno->text(), nadpis);
        QCOMPARE(rozhrani->textInterface()->text(0, -1), popis);
        QCOMPARE(rozhrani->text(QAccessible::Description), popis);
        // Opening again empties the heading, and what is heard of it.
        t.kalendar().findChild<QAction *>(u"mnVice"_s)->trigger();
        QCOMPARE(rozhrani->text(QAccessible::Description), QString());
    }

    void prazdnyPanelSOvladaciJeSkupina()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        QAccessibleInterface *mrizka
            = QAccessible::queryAccessibleInterface(t.najdi<Panel>(u"Panel3"_s));
        QCOMPARE(mrizka->role(), QAccessible::Pane);
        QVERIFY(!mrizka->textInterface());
        QCOMPARE(mrizka->childCount(), 49);
    }

    void skupinaJmenaSvatky()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        QAccessibleInterface *rg
            = QAccessible::queryAccessibleInterface(t.najdi<QGroupBox>(u"rgTyp"_s));
        QCOMPARE(rg->role(), QAccessible::Grouping);
        QCOMPARE(rg->text(QAccessible::Name), u"Jména a svátky"_s);
        // A button labelled by the box would have a reader name the box twice on entering.
        for (const QString &jmeno : {u"rgTypCZ"_s, u"rgTypSK"_s}) {
            QAccessibleInterface *volba
                = QAccessible::queryAccessibleInterface(t.najdi<QRadioButton>(jmeno));
            QVERIFY(volba->relations(QAccessible::Label).isEmpty());
        }
    }

    void posuvnikyZalozekCesky()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        for (QTabBar *zalozky : {t.operace().tabs(), t.napoveda().tabs()}) {
            const QList<QToolButton *> tlacitka = zalozky->findChildren<QToolButton *>();
            QCOMPARE(tlacitka.size(), 2);
            QStringList jmena;
            for (QToolButton *b : tlacitka)
                jmena << QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
            jmena.sort();
            QCOMPARE(jmena, (QStringList {u"Posunout doleva"_s, u"Posunout doprava"_s}));
        }
    }

    void menuKlavesnici()
    {
        TestovaciOkna t(Cas(2005, 11, 19));
        t.kalendar().show();
        QVERIFY(QTest::qWaitForWindowActive(&t.kalendar()));
        // Alt pressed and released alone reaches the menu bar; arrows and Enter do the rest.
        QMenuBar *mn = t.kalendar().menuBar();
        QTest::keyPress(t.najdi<QLineEdit>(u"edtDen"_s), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(t.najdi<QLineEdit>(u"edtDen"_s), Qt::Key_Alt);
        QCOMPARE(mn->activeAction(), mn->actions()[0]);
        QTest::keyClick(mn, Qt::Key_Right);
        QTest::keyClick(mn, Qt::Key_Down);
        QMenu *aplikace = mn->actions()[1]->menu();
        QVERIFY(aplikace->isVisible());
        QCOMPARE(aplikace->activeAction()->objectName(), u"mnPro"_s);
        QTest::keyClick(aplikace, Qt::Key_Down);
        QTest::keyClick(aplikace, Qt::Key_Return);
        QVERIFY(t.napoveda().isVisible());
        QCOMPARE(t.napoveda().pages()->currentIndex(), 1);
    }
};

VORANEK_TEST_MAIN(TestPristupnost)
#include "tst_pristupnost.moc"
