#include "common/main.h"
#include "common/okna.h"
#include "widgets/obraz.h"
#include "widgets/panel.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>

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
        auto jmeno = [&](int k) {
            return QAccessible::queryAccessibleInterface(
                t.najdi<Panel>(u"p"_s + QString::number(k)))
                ->text(QAccessible::Name);
        };
        // 1 November 2005 is a Tuesday: p0 is empty, p1 the first.
        QCOMPARE(jmeno(0), u"prázdné pole"_s);
        QCOMPARE(jmeno(1), u"úterý 1. listopadu 2005"_s);
        QCOMPARE(jmeno(19), u"sobota 19. listopadu 2005"_s);
        QCOMPARE(t.najdi<Panel>(u"p19"_s)->accessibleDescription(), u"zvolený den"_s);
        QCOMPARE(jmeno(31), u"prázdné pole"_s);
        QCOMPARE(t.najdi<Obraz>(u"im"_s)->accessibleDescription(), u"12:00:00"_s);
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
