#include "calendar/kalendardnu.h"
#include "calendar/udajedne.h"
#include "calendar/znameni.h"
#include "common/main.h"
#include "common/okna.h"
#include "info/pranostiky.h"
#include "widgets/memo.h"
#include "widgets/panel.h"
#include "widgets/seznam.h"
#include "widgets/updown.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <random>

using namespace voranek;
using namespace Qt::StringLiterals;

namespace {

constexpr std::array<std::string_view, 12> Nominativ = {"leden ", "únor ", "březen ", "duben ",
    "květen ", "červen ", "červenec ", "srpen ", "září ", "říjen ", "listopad ", "prosinec "};

// A user who does anything the windows offer, in a seeded random order.
class Opice
{
public:
    Opice(unsigned seed, TestovaciOkna &t)
        : nahoda_(seed)
        , t_(t)
    { }

    int cislo(int od, int po) { return std::uniform_int_distribution<int>(od, po)(nahoda_); }

    // Returns what the action was, for the failure message.
    QString krok()
    {
        TfrmKalendar &k = t_.kalendar();
        switch (cislo(0, 17)) {
        case 0: {
            const int bunka = cislo(0, 41);
            auto *p = t_.najdi<Panel>(u"p"_s + QString::number(bunka));
            const bool prazdna = p->text().isEmpty();
            QTest::mouseClick(p, Qt::LeftButton);
            return (prazdna ? u"empty cell %1"_s : u"cell %1"_s).arg(bunka);
        }
        case 1: {
            const bool rok = cislo(0, 1);
            const bool nahoru = cislo(0, 1);
            const int kolik = cislo(1, rok ? 40 : 12);
            auto *u = t_.najdi<UpDown>(rok ? u"updRok"_s : u"updDen"_s);
            for (int i = 0; i < kolik; ++i)
                QTest::mouseClick(nahoru ? u->upButton() : u->downButton(), Qt::LeftButton);
            return u"%1 %2 x%3"_s.arg(rok ? u"year"_s : u"day"_s, nahoru ? u"up"_s : u"down"_s)
                .arg(kolik);
        }
        case 2: {
            auto *e = t_.najdi<QLineEdit>(cislo(0, 1) ? u"edtRok"_s : u"edtDen"_s);
            const auto klavesa = cislo(0, 1) ? Qt::Key_Up : Qt::Key_Down;
            QTest::keyClick(e, klavesa);
            return e->objectName() + u" key"_s;
        }
        case 3:
            return combo(u"cmbMesic"_s, 12);
        case 4:
            return combo(u"cmbZnameni"_s, 12);
        case 5:
            return combo(u"cmbRocniObdobi"_s, 5);
        case 6:
            return seznam(t_.najdi<Seznam>(u"lbJmeno"_s));
        case 7:
            return seznam(t_.najdi<Seznam>(u"lbSvatek"_s));
        case 8: {
            const bool sk = cislo(0, 1);
            QTest::mouseClick(
                t_.najdi<QRadioButton>(sk ? u"rgTypSK"_s : u"rgTypCZ"_s), Qt::LeftButton);
            return sk ? u"SK"_s : u"CZ"_s;
        }
        case 9: {
            static const char *const polozky[]
                = {"mnPrevod", "mnPranostiky", "mnVice", "mnPro", "mnZdroje"};
            const char *p = polozky[cislo(0, 4)];
            k.findChild<QAction *>(QString::fromLatin1(p))->trigger();
            return QString::fromLatin1(p);
        }
        case 10: {
            PagedDialog *okno = cislo(0, 1) ? static_cast<PagedDialog *>(&t_.operace())
                                            : static_cast<PagedDialog *>(&t_.napoveda());
            if (cislo(0, 1))
                QTest::mouseClick(okno->okButton(), Qt::LeftButton);
            else
                okno->close();
            return u"close "_s + okno->objectName();
        }
        case 11:
        case 12:
            t_.hodiny.posun(cislo(1, 130));
            k.Timer1Timer();
            return u"tick"_s;
        case 13: {
            const QDate dnes = t_.hodiny.ted().date();
            t_.hodiny.nastav(QDateTime(dnes, QTime(23, 59, 59)));
            k.Timer1Timer();
            t_.hodiny.posun(1);
            k.Timer1Timer();
            return u"midnight"_s;
        }
        case 14: {
            const bool mimo = cislo(0, 3) == 0;
            const int rok
                = mimo ? (cislo(0, 1) ? cislo(1900, 1988) : cislo(2100, 2200)) : cislo(1989, 2099);
            const QDate datum = QDate(rok, 1, 1).addDays(cislo(0, 365));
            t_.hodiny.nastav(QDateTime(datum, QTime(cislo(0, 23), cislo(0, 59), cislo(0, 59))));
            k.Timer1Timer();
            return u"clock %1"_s.arg(datum.toString(Qt::ISODate));
        }
        case 15: {
            TfrmOperace &o = t_.operace();
            if (!o.isVisible())
                return u"info hidden"_s;
            const QString jmeno = QStringList {"lbNazev", "lbJazyk", "lbMesicPra"}[cislo(0, 2)];
            return seznam(o.findChild<Seznam *>(jmeno));
        }
        case 16: {
            TfrmOperace &o = t_.operace();
            auto *c = o.findChild<QComboBox *>(u"cmbJmena"_s);
            const int i = cislo(-1, 357);
            if (i < 0) {
                QTest::keyClick(c, cislo(0, 1) ? Qt::Key_Down : Qt::Key_Up);
                return u"cmbJmena key"_s;
            }
            c->setCurrentIndex(i);
            emit c->activated(i);
            return u"cmbJmena %1"_s.arg(i);
        }
        default: {
            TfrmOperace &o = t_.operace();
            if (o.isVisible()) {
                o.setWindowState(Qt::WindowMinimized);
                o.setWindowState(Qt::WindowNoState);
            }
            return u"minimise and restore"_s;
        }
        }
    }

private:
    QString combo(const QString &jmeno, int polozek)
    {
        auto *c = t_.najdi<QComboBox>(jmeno);
        const int i = cislo(0, polozek - 1);
        c->setCurrentIndex(i);
        emit c->activated(i);
        return u"%1 %2"_s.arg(jmeno).arg(i);
    }

    QString seznam(Seznam *s)
    {
        if (cislo(0, 2) == 0) {
            static const Qt::Key klavesy[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageDown,
                Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
            const int predtim = s->vybrany();
            QTest::keyClick(s, klavesy[cislo(0, 5)]);
            // A key that leaves the selection where it was chooses nothing.
            return s->objectName() + (s->vybrany() == predtim ? u" key, no move"_s : u" key"_s);
        }
        const int radek = cislo(0, s->count() - 1);
        s->scrollToItem(s->item(radek));
        QTest::mouseClick(
            s->viewport(), Qt::LeftButton, {}, s->visualItemRect(s->item(radek)).center());
        return u"%1 row %2"_s.arg(s->objectName()).arg(radek);
    }

    std::mt19937 nahoda_;
    TestovaciOkna &t_;
};

struct Stav {
    int den, mesic, rok;
};

} // namespace

class TestOpice : public QObject
{
    Q_OBJECT

private:
    // What must hold after any action; returns the first thing that does not.
    QString Kontrola(TestovaciOkna &t, const Stav &pred, bool datumPohnuto)
    {
        const int d = t.najdi<QLineEdit>(u"edtDen"_s)->text().toInt();
        const int m = t.najdi<QComboBox>(u"cmbMesic"_s)->currentIndex() + 1;
        const int r = t.najdi<QLineEdit>(u"edtRok"_s)->text().toInt();
        Q_UNUSED(pred);
        if (r < 1989 || r > 2099 || m < 1 || m > 12 || d < 1 || d > DnyVMesici(m, r))
            return u"invalid date %1.%2.%3"_s.arg(d).arg(m).arg(r);
        if (t.najdi<UpDown>(u"updDen"_s)->maximum() != DnyVMesici(m, r))
            return u"day maximum"_s;

        const QString nadpis = u" Kalendář - "_s
            + QString::fromUtf8(Nominativ[m - 1].data(), Nominativ[m - 1].size())
            + QString::number(r) + u' ';
        if (t.najdi<QGroupBox>(u"gbKalendar"_s)->title() != nadpis)
            return u"caption "_s + t.najdi<QGroupBox>(u"gbKalendar"_s)->title();
        const int s = (DenVTydnu({1, std::uint16_t(m), std::uint16_t(r)}) + 5) % 7;
        int oznacenych = 0;
        for (int k = 0; k < 42; ++k) {
            auto *b = t.najdi<Panel>(u"p"_s + QString::number(k));
            const int den = k - s + 1;
            const QString ocekavany
                = den >= 1 && den <= DnyVMesici(m, r) ? QString::number(den) : QString();
            if (b->text() != ocekavany)
                return u"cell %1 shows %2"_s.arg(k).arg(b->text());
            if (b->barva() != QColor(Qt::white)) {
                ++oznacenych;
                if (den != d)
                    return u"cell %1 marked"_s.arg(k);
            }
        }
        if (oznacenych != 1)
            return u"%1 cells marked"_s.arg(oznacenych);

        const KalendarDnu &kal = t.kalendar().kalendarDnu();
        KalendarDnu ocekavany = VytvorKalendarDnu();
        NaplnRok(ocekavany, r);
        for (std::size_t mm = 0; mm < 12; ++mm) {
            if (kal[mm] != ocekavany[mm])
                return u"table month %1 is not the shown year's"_s.arg(mm + 1);
        }

        if (datumPohnuto) {
            const auto typ = t.najdi<QRadioButton>(u"rgTypSK"_s)->isChecked() ? SK : CZ;
            if (t.najdi<Seznam>(u"lbJmeno"_s)->vybrany() != kal.Jmeno(typ, d, m))
                return u"name of the day"_s;
            if (t.najdi<Seznam>(u"lbSvatek"_s)->vybrany() != kal.SvatekKod(typ, d, m))
                return u"holiday of the day"_s;
            if (t.najdi<QComboBox>(u"cmbZnameni"_s)->currentIndex() != ZnameniDne(d, m) - 1)
                return u"sign of the day"_s;
            const int obdobi = t.najdi<QComboBox>(u"cmbRocniObdobi"_s)->currentIndex();
            if (obdobi != ObdobiDne(d, m) - 1)
                return u"season of the day %1 on %2.%3.%4, holiday %5"_s.arg(obdobi)
                    .arg(d)
                    .arg(m)
                    .arg(r)
                    .arg(t.najdi<Seznam>(u"lbSvatek"_s)->vybrany());
        }

        const QDate dnes = t.hodiny.ted().date();
        const Datum datum {
            std::uint16_t(dnes.day()), std::uint16_t(dnes.month()), std::uint16_t(dnes.year())};
        if (t.najdi<Panel>(u"pDatum"_s)->text() != QString::fromStdString(TextDatumu(datum)))
            return u"today panel"_s;

        TfrmOperace &o = t.operace();
        const int mesicPra = o.findChild<Seznam *>(u"lbMesicPra"_s)->vybrany();
        const int radkuPra = o.findChild<Memo *>(u"mPra"_s)->pocetRadku();
        if (o.isVisible() && mesicPra >= 0
            && radkuPra != 2 * int(Pranostiky()[std::size_t(mesicPra)].pranostiky.size()) - 1)
            return u"proverbs %1 lines"_s.arg(radkuPra);
        return {};
    }

private slots:
    void nahodnePouzivani()
    {
        const int kroku = qEnvironmentVariableIsSet("VORANEK_OPICE_KROKU")
            ? qEnvironmentVariableIntValue("VORANEK_OPICE_KROKU")
            : 3000;
        const unsigned seed = qEnvironmentVariableIsSet("VORANEK_OPICE_SEED")
            ? unsigned(qEnvironmentVariableIntValue("VORANEK_OPICE_SEED"))
            : 20051119u;
        TestovaciOkna t(Cas(2005, 11, 19, 23, 58, 0));
        t.kalendar().show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.kalendar()));
        Opice opice(seed, t);
        QStringList posledni;
        for (int i = 0; i < kroku; ++i) {
            const Stav pred {t.najdi<QLineEdit>(u"edtDen"_s)->text().toInt(),
                t.najdi<QComboBox>(u"cmbMesic"_s)->currentIndex(),
                t.najdi<QLineEdit>(u"edtRok"_s)->text().toInt()};
            const QString akce = opice.krok();
            // The event loop runs between a user's actions: repaints, posted and deferred events.
            QCoreApplication::processEvents();
            posledni.append(akce);
            if (posledni.size() > 8)
                posledni.removeFirst();
            const bool pohnuto = t.najdi<QLineEdit>(u"edtDen"_s)->text().toInt() != pred.den
                || t.najdi<QComboBox>(u"cmbMesic"_s)->currentIndex() != pred.mesic
                || akce.startsWith(u"cell"_s)
                || (akce.startsWith(u"lb"_s) && !akce.endsWith(u"no move"_s))
                || akce.startsWith(u"cmbZnameni"_s)
                || (akce.startsWith(u"cmbRocniObdobi"_s) && !akce.endsWith(u" 4"_s));
            const bool jenSeznam = akce.startsWith(u"lbNazev"_s) || akce.startsWith(u"lbJazyk"_s)
                || akce.startsWith(u"lbMesicPra"_s);
            const QString chyba = Kontrola(t, pred, pohnuto && !jenSeznam);
            if (!chyba.isEmpty())
                QFAIL(qPrintable(
                    u"step %1: %2 after: %3"_s.arg(i).arg(chyba, posledni.join(u" | "_s))));
        }
    }
};

int main(int argc, char *argv[])
{
    // A long run (VORANEK_OPICE_KROKU=1000000) outlasts Qt Test's five-minute watchdog.
    if (qEnvironmentVariableIsSet("VORANEK_OPICE_KROKU")
        && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    Aplikace aplikace(argc, argv);
    TestOpice test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_opice.moc"
