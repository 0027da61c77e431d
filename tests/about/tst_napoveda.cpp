#include "about/zdroje.h"
#include "common/cp1250.h"
#include "common/main.h"
#include "common/okna.h"
#include "widgets/memo.h"
#include "widgets/obraz.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>

using namespace voranek;
using namespace Qt::StringLiterals;

class TestNapoveda : public QObject
{
    Q_OBJECT

private slots:
    void strankyZObouPolozek()
    {
        TestovaciOkna t(Cas(2005, 4, 10));
        TfrmNapoveda &n = t.napoveda();
        t.kalendar().show();
        t.kalendar().findChild<QAction *>(u"mnPro"_s)->trigger();
        QCOMPARE(n.pages()->currentIndex(), 0);
        t.kalendar().move(50, 60);
        t.kalendar().findChild<QAction *>(u"mnZdroje"_s)->trigger();
        QCOMPARE(n.tabs()->currentIndex(), 1);
        QCOMPARE(n.pages()->currentIndex(), 1);
        QCOMPARE(n.pos(), t.kalendar().pos());
        QTest::mouseClick(n.tabs(), Qt::LeftButton, {}, n.tabs()->tabRect(0).center());
        QCOMPARE(n.pages()->currentIndex(), 0);
        QCOMPARE(n.tabs()->tabText(0), u"O programu"_s);
    }

    void obsahPrvniStranky()
    {
        TestovaciOkna t(Cas(2005, 4, 10));
        TfrmNapoveda &n = t.napoveda();
        auto *obrazek = n.findChild<Obraz *>(u"Image1"_s);
        QCOMPARE(obrazek->size(), QSize(142, 240));
        t.kalendar().findChild<QAction *>(u"mnPro"_s)->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        // Drawn at the screen's pixel ratio: as many image pixels as the screen has there.
        const QImage &bitmapa = obrazek->bitmapa();
        QCOMPARE(bitmapa.devicePixelRatio(), obrazek->devicePixelRatioF());
        QCOMPARE(bitmapa.deviceIndependentSize(), QSizeF(142, 240));
        QVERIFY(bitmapa.pixel(2, 2) != n.palette().color(QPalette::Button).rgb());
        QCOMPARE(n.findChild<QLabel *>(u"Label3"_s)->text(), u" Autorka: "_s);
        QCOMPARE(n.findChild<QLabel *>(u"Label6"_s)->text(), u"říjen 2005 - leden 2006"_s);
        QCOMPARE(n.findChild<QLabel *>(u"Label7"_s)->text(), u" Prostředí & verze programu: "_s);
        QCOMPARE(n.findChild<QLabel *>(u"Label9"_s)->text(), u"freeware program"_s);
        QVERIFY(n.findChild<QLabel *>(u"Label4"_s)->text().startsWith(u"   "_s));
        // Tags and values stand centred on the panel.
        for (const char *jmeno : {"Label3", "Label4", "Label6", "Label8"}) {
            auto *l = n.findChild<QLabel *>(QString::fromLatin1(jmeno));
            QVERIFY(std::abs(l->geometry().center().x() - 149) <= 1);
        }
    }

    void zdroje()
    {
        QCOMPARE(Literatura.size(), 16u);
        QCOMPARE(WwwStranky.size(), 15u);
        const QRegularExpression prvni(u"^\\[[1-5]\\]   \\S.*; \\S"_s);
        for (int i = 0; i < 5; ++i) {
            const QString a
                = QString::fromUtf8(Literatura[2 + 3 * i].data(), Literatura[2 + 3 * i].size());
            const QString b
                = QString::fromUtf8(Literatura[3 + 3 * i].data(), Literatura[3 + 3 * i].size());
            QVERIFY2(prvni.match(a).hasMatch(), qPrintable(a));
            QVERIFY(a.startsWith(u"[%1]"_s.arg(i + 1)));
            QVERIFY2(QRegularExpression(u"^       \\S.*, (19|20)\\d\\d$"_s).match(b).hasMatch(),
                qPrintable(b));
        }
        for (int i = 0; i < 7; ++i) {
            const std::string_view r = WwwStranky[2 + 2 * i];
            const QString radek = QString::fromUtf8(r.data(), r.size());
            const QString zacatek
                = u"[%1]"_s.arg(i + 1) + (i == 6 ? u"  https://"_s : u"   https://"_s);
            QVERIFY2(radek.startsWith(zacatek), qPrintable(radek));
        }
        for (std::string_view r : Literatura)
            QVERIFY(DelkaCp1250(r) >= 0);
        for (std::string_view r : WwwStranky)
            QVERIFY(DelkaCp1250(r) >= 0);
    }

    void hlavickyKryjiVrchPameti()
    {
        TestovaciOkna t(Cas(2005, 4, 10));
        TfrmNapoveda &n = t.napoveda();
        t.kalendar().findChild<QAction *>(u"mnZdroje"_s)->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        for (const auto &[pamet, panel] :
            {std::pair {u"Memo1"_s, u"Panel2"_s}, {u"Memo2"_s, u"Panel3"_s}}) {
            const QWidget *plocha = n.findChild<Memo *>(pamet)->viewport();
            const auto *hlavicka = n.findChild<QLabel *>(panel);
            // No strip of the text area lies above the heading, where scrolled text would show.
            const QPoint roh = plocha->mapTo(hlavicka->parentWidget(), QPoint(0, 0));
            QCOMPARE(roh.y(), hlavicka->y());
            QVERIFY(roh.x() >= hlavicka->x());
        }
    }

    void pametiCteKlavesniceAEnterZavira()
    {
        TestovaciOkna t(Cas(2005, 4, 10));
        TfrmNapoveda &n = t.napoveda();
        t.kalendar().findChild<QAction *>(u"mnZdroje"_s)->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&n));
        auto *memo1 = n.findChild<Memo *>(u"Memo1"_s);
        auto *memo2 = n.findChild<Memo *>(u"Memo2"_s);
        QCOMPARE(memo1->pocetRadku(), 16);
        QCOMPARE(memo2->pocetRadku(), 15);
        // Tab reaches both memos and the window's other controls, and comes round again.
        QSet<QWidget *> navstivene;
        for (int i = 0; i < 8; ++i) {
            navstivene.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(navstivene.contains(memo1));
        QVERIFY(navstivene.contains(memo2));
        QVERIFY(navstivene.contains(n.okButton()));
        QVERIFY(navstivene.contains(n.tabs()));
        // A click passes the focus on to OK, where Enter closes the window.
        QTest::mouseClick(memo1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(QApplication::focusWidget(), n.okButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!n.isVisible());
    }
};

VORANEK_TEST_MAIN(TestNapoveda)
#include "tst_napoveda.moc"
