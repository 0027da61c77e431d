#include "common/main.h"
#include "common/okna.h"
#include "widgets/panel.h"
#include "widgets/seznam.h"
#include "widgets/updown.h"

#include <QRadioButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Drives the search panel as a user does and reads it back.
struct Panel_ : TestovaciOkna {
    using TestovaciOkna::TestovaciOkna;

    QLineEdit *den() { return najdi<QLineEdit>(u"edtDen"_s); }
    QLineEdit *rok() { return najdi<QLineEdit>(u"edtRok"_s); }
    QComboBox *mesic() { return najdi<QComboBox>(u"cmbMesic"_s); }
    UpDown *updDen() { return najdi<UpDown>(u"updDen"_s); }
    UpDown *updRok() { return najdi<UpDown>(u"updRok"_s); }
    Seznam *jmena() { return najdi<Seznam>(u"lbJmeno"_s); }
    Seznam *svatky() { return najdi<Seznam>(u"lbSvatek"_s); }
    QComboBox *obdobi() { return najdi<QComboBox>(u"cmbRocniObdobi"_s); }
    QComboBox *znameni() { return najdi<QComboBox>(u"cmbZnameni"_s); }

    // The shown date as the controls hold it: "d.m.yyyy".
    QString datum()
    {
        return den()->text() + u'.' + QString::number(mesic()->currentIndex() + 1) + u'.'
            + rok()->text();
    }
    QString nadpis() { return najdi<QGroupBox>(u"gbKalendar"_s)->title(); }
    QString vybraneJmeno()
    {
        return jmena()->vybrany() < 0 ? QString() : jmena()->item(jmena()->vybrany())->text();
    }
    QString vybranySvatek()
    {
        return svatky()->vybrany() < 0 ? QString() : svatky()->item(svatky()->vybrany())->text();
    }

    // The grid's marked cell shows the shown day.
    QString oznacenyDen()
    {
        QString den;
        for (int k = 0; k < 42; ++k) {
            auto *b = najdi<Panel>(u"p"_s + QString::number(k));
            if (b->barva() != QColor(Qt::white))
                den += b->text();
        }
        return den;
    }

    void vyberCombo(QComboBox *combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void krok(UpDown *u, bool nahoru)
    {
        QTest::mouseClick(nahoru ? u->upButton() : u->downButton(), Qt::LeftButton);
    }
    void klikni(Seznam *s, const QString &text)
    {
        // Items are laid out, and so clickable, in a shown window only.
        if (!kalendar().isVisible()) {
            kalendar().show();
            QVERIFY(QTest::qWaitForWindowExposed(&kalendar()));
        }
        const auto polozky = s->findItems(text, Qt::MatchExactly);
        QVERIFY2(polozky.size() == 1, qPrintable(text));
        s->scrollToItem(polozky.first());
        QCoreApplication::processEvents();
        const QRect misto = s->visualItemRect(polozky.first());
        QVERIFY2(s->viewport()->rect().contains(misto.center()), qPrintable(text));
        QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, misto.center());
    }
    void typ(int t)
    {
        QTest::mouseClick(
            najdi<QRadioButton>(t == 0 ? u"rgTypCZ"_s : u"rgTypSK"_s), Qt::LeftButton);
    }
};

} // namespace

class TestVyhledavani : public QObject
{
    Q_OBJECT

private slots:
    void rozlozeni()
    {
        Panel_ p(Cas(2005, 11, 19));
        QCOMPARE(p.den()->geometry(), QRect(10, 24, 30, 24));
        QCOMPARE(p.updRok()->geometry(), QRect(212, 24, 16, 24));
        QCOMPARE(p.updRok()->toolTip(), u"od 1989 do 2099"_s);
        QCOMPARE(p.updRok()->minimum(), 1989);
        QCOMPARE(p.updRok()->maximum(), 2099);
        QVERIFY(p.den()->isReadOnly());
        QStringList mesice;
        for (int i = 0; i < p.mesic()->count(); ++i)
            mesice << p.mesic()->itemText(i);
        QCOMPARE(mesice,
            (QStringList {"leden ", "únor ", "březen ", "duben ", "květen ", "červen ", "červenec ",
                "srpen ", "září ", "říjen ", "listopad ", "prosinec"}));
        QCOMPARE(p.obdobi()->count(), 5);
        QCOMPARE(p.obdobi()->itemText(4), QString());
        QCOMPARE(p.znameni()->count(), 12);
        QCOMPARE(p.jmena()->count(), 358);
        QCOMPARE(p.svatky()->count(), 23);
        QCOMPARE(p.najdi<QGroupBox>(u"rgTyp"_s)->title(), u" a svátky "_s);
        // Within their frames both lists show five whole rows, no sliver of a sixth.
        p.kalendar().show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.kalendar()));
        for (Seznam *s : {p.jmena(), p.svatky()}) {
            QCOMPARE(s->height(), 84);
            QCOMPARE(s->viewport()->height(), 5 * s->visualItemRect(s->item(0)).height());
            QCOMPARE(s->visualItemRect(s->item(0)).height(), 16);
        }
    }

    void rozbalovaciSeznamy_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::newRow("cmbMesic") << "cmbMesic";
        QTest::newRow("cmbRocniObdobi") << "cmbRocniObdobi";
        QTest::newRow("cmbZnameni") << "cmbZnameni";
    }
    void rozbalovaciSeznamy()
    {
        QFETCH(QString, jmeno);
        Panel_ p(Cas(2005, 11, 19));
        p.kalendar().move(0, 0);
        p.kalendar().show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.kalendar()));
        auto *c = p.najdi<QComboBox>(jmeno);
        c->showPopup();
        const QAbstractItemView *v = c->view();
        QVERIFY(v->window()->isVisible());
        // The list drops down below the field, in rows of 16 pixels, as many as it may show.
        QVERIFY(v->window()->geometry().top() >= c->mapToGlobal(c->rect().bottomLeft()).y());
        QCOMPARE(v->visualRect(v->model()->index(0, 0)).height(), 16);
        QCOMPARE(v->viewport()->height(), 16 * std::min(c->count(), c->maxVisibleItems()));
        QVERIFY(c->maxVisibleItems() < 20);
        c->hidePopup();
    }

    void jmenoDneNahore_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("kroku"); // steps of the day up-down after start-up
        QTest::newRow("start-up, 19 November") << QDate(2005, 11, 19) << 0;
        QTest::newRow("start-up, 15 September, the last name") << QDate(2005, 9, 15) << 0;
        QTest::newRow("a step to 20 November") << QDate(2005, 11, 19) << 1;
        QTest::newRow("steps to 11 August") << QDate(2005, 8, 8) << 3;
        QTest::newRow("steps to 26 December") << QDate(2005, 12, 20) << 6;
    }
    void jmenoDneNahore()
    {
        QFETCH(QDate, start);
        QFETCH(int, kroku);
        Panel_ p(QDateTime(start, QTime(12, 0)));
        p.kalendar().show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.kalendar()));
        for (int i = 0; i < kroku; ++i)
            p.krok(p.updDen(), true);
        QCOMPARE(p.den()->text(), QString::number(start.day() + kroku));
        const int vybrany = p.jmena()->vybrany();
        QVERIFY(vybrany > 0);
        // The day's name is the list's top line, as far as the list can scroll.
        const int viditelnych = p.jmena()->viewport()->height() / 16;
        QCOMPARE(p.jmena()->indexAt(QPoint(2, 2)).row(),
            std::min(vybrany, p.jmena()->count() - viditelnych));
    }

    void denSeVejdeDoMesice_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("mesic");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("31 Jan 2005 -> February") << QDate(2005, 1, 31) << 1 << "28.2.2005" << 28;
        QTest::newRow("31 Jan 2008 -> February") << QDate(2008, 1, 31) << 1 << "29.2.2008" << 29;
        QTest::newRow("30 Apr -> May") << QDate(2005, 4, 30) << 4 << "30.5.2005" << 31;
        QTest::newRow("31 Mar -> April") << QDate(2005, 3, 31) << 3 << "30.4.2005" << 30;
    }
    void denSeVejdeDoMesice()
    {
        QFETCH(QDate, start);
        QFETCH(int, mesic);
        QFETCH(QString, datum);
        QFETCH(int, maximum);
        Panel_ p(QDateTime(start, QTime(12, 0)));
        p.vyberCombo(p.mesic(), mesic);
        QCOMPARE(p.datum(), datum);
        QCOMPARE(p.updDen()->maximum(), maximum);
        QCOMPARE(p.oznacenyDen(), p.den()->text());
        QVERIFY(p.nadpis().contains(p.mesic()->currentText().trimmed()));
    }

    void prestupnyDenPriZmeneRoku()
    {
        Panel_ p(Cas(2008, 2, 29));
        p.krok(p.updRok(), true);
        QCOMPARE(p.datum(), u"28.2.2009"_s);
        QCOMPARE(p.nadpis(), u" Kalendář - únor 2009 "_s);
        QCOMPARE(p.updDen()->maximum(), 28);
        QCOMPARE(p.oznacenyDen(), u"28"_s);
    }

    void updownNaMezich()
    {
        Panel_ p(Cas(2099, 6, 1));
        p.krok(p.updRok(), true);
        QCOMPARE(p.rok()->text(), u"2099"_s);
        p.krok(p.updDen(), false);
        QCOMPARE(p.den()->text(), u"1"_s);
        p.rok()->setFocus();
        for (int i = 0; i < 120; ++i)
            QTest::keyClick(p.rok(), Qt::Key_Down);
        QCOMPARE(p.rok()->text(), u"1989"_s);
        QTest::keyClick(p.rok(), Qt::Key_Up);
        QCOMPARE(p.rok()->text(), u"1990"_s);
        QCOMPARE(p.nadpis(), u" Kalendář - červen 1990 "_s);
        QTest::keyClick(p.den(), Qt::Key_Up);
        QCOMPARE(p.den()->text(), u"2"_s);
        QCOMPARE(p.oznacenyDen(), u"2"_s);
        for (int i = 0; i < 40; ++i)
            p.krok(p.updDen(), true);
        QCOMPARE(p.den()->text(), u"30"_s);
    }

    void velikonoceSledujiRok_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("svatek");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("obdobi");
        QTest::addColumn<QString>("znameni");
        QTest::newRow("CZ Easter Monday 2005 -> 2006")
            << 0 << QDate(2005, 3, 1) << "Velikonoční pondělí"
            << "17.4.2006"
            << "JARO (od 21.3.)"
            << "BERAN (20.3. - 20.4.)";
        QTest::newRow("SK Good Friday 2012 -> 2013") << 1 << QDate(2012, 3, 1) << "Veľký piatok"
                                                     << "29.3.2013"
                                                     << "JARO (od 21.3.)"
                                                     << "BERAN (20.3. - 20.4.)";
        QTest::newRow("CZ Good Friday 2026 -> 2027") << 0 << QDate(2026, 3, 1) << "Velký pátek"
                                                     << "26.3.2027"
                                                     << "JARO (od 21.3.)"
                                                     << "BERAN (20.3. - 20.4.)";
        QTest::newRow("CZ Silvestr stays") << 0 << QDate(2005, 3, 1) << "Silvestr"
                                           << "31.12.2006"
                                           << "ZIMA (od 21.12.)"
                                           << "KOZOROH (22.12. - 19.1.)";
        QTest::newRow("SK item 20 is fixed")
            << 1 << QDate(2005, 3, 1) << "Výročie Deklarácie o zvrchovanosti Slovenskej republiky"
            << "17.7.2006"
            << "LÉTO (od 21.6.)"
            << "RAK (21.6. - 22.7.)";
    }
    void velikonoceSledujiRok()
    {
        QFETCH(int, typ);
        QFETCH(QDate, start);
        QFETCH(QString, svatek);
        QFETCH(QString, datum);
        QFETCH(QString, obdobi);
        QFETCH(QString, znameni);
        Panel_ p(QDateTime(start, QTime(12, 0)));
        if (typ == 1)
            p.typ(1);
        p.klikni(p.svatky(), svatek);
        p.krok(p.updRok(), true);
        QCOMPARE(p.datum(), datum);
        QCOMPARE(p.vybranySvatek(), svatek);
        QCOMPARE(p.obdobi()->currentText(), obdobi);
        QCOMPARE(p.znameni()->currentText(), znameni);
        QCOMPARE(p.oznacenyDen(), p.den()->text());
    }

    // A year without the holiday keeps the day and shows no holiday chosen; choosing it there
    // leaves the day as it is.
    void svatekMimoSvaLeta_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("svatek");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("predtim");
        QTest::newRow("Good Friday 2016 -> 2015") << QDate(2016, 3, 1) << "Velký pátek"
                                                  << "25.3.2016"
                                                  << "25.3.2015";
        QTest::newRow("28 September 2000 -> 1999") << QDate(2000, 3, 1) << "Den české státnosti"
                                                   << "28.9.2000"
                                                   << "28.9.1999";
    }
    void svatekMimoSvaLeta()
    {
        QFETCH(QDate, start);
        QFETCH(QString, svatek);
        QFETCH(QString, datum);
        QFETCH(QString, predtim);
        Panel_ p(QDateTime(start, QTime(12, 0)));
        p.klikni(p.svatky(), svatek);
        QCOMPARE(p.datum(), datum);
        p.krok(p.updRok(), false);
        QCOMPARE(p.datum(), predtim);
        QCOMPARE(p.vybranySvatek(), QString());
        p.klikni(p.svatky(), svatek);
        QCOMPARE(p.datum(), predtim);
        QCOMPARE(p.vybranySvatek(), QString());
        QCOMPARE(p.oznacenyDen(), p.den()->text());
    }

    void velikonoceCZZ2005Do2006JmenoDne()
    {
        Panel_ p(Cas(2005, 3, 1));
        p.klikni(p.svatky(), u"Velikonoční pondělí"_s);
        QCOMPARE(p.datum(), u"28.3.2005"_s);
        QCOMPARE(p.vybraneJmeno(), u"Soňa"_s);
        p.krok(p.updRok(), true);
        QCOMPARE(p.vybraneJmeno(), u"Rudolf"_s);
        QCOMPARE(p.nadpis(), u" Kalendář - duben 2006 "_s);
    }

    void hledaniJmena_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("rok");
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QString>("datum");
        QTest::newRow("CZ Horymír 2005") << 0 << 2005 << "Horymír"
                                         << "29.2.2008";
        QTest::newRow("SK Radomír 2005") << 1 << 2005 << "Radomír"
                                         << "29.2.2008";
        QTest::newRow("CZ Horymír 2096") << 0 << 2096 << "Horymír"
                                         << "29.2.2096";
        QTest::newRow("CZ Horymír 2097") << 0 << 2097 << "Horymír"
                                         << "29.2.2096";
        QTest::newRow("CZ Horymír 2099") << 0 << 2099 << "Horymír"
                                         << "29.2.2096";
        QTest::newRow("CZ Lumír keeps 2005") << 0 << 2005 << "Lumír"
                                             << "28.2.2005";
        QTest::newRow("SK Žofia") << 1 << 2005 << "Žofia"
                                  << "15.5.2005";
        QTest::newRow("CZ Adam a Eva") << 0 << 2010 << "Adam a Eva"
                                       << "24.12.2010";
    }
    void hledaniJmena()
    {
        QFETCH(int, typ);
        QFETCH(int, rok);
        QFETCH(QString, jmeno);
        QFETCH(QString, datum);
        Panel_ p(Cas(rok, 6, 10));
        if (typ == 1)
            p.typ(1);
        p.klikni(p.jmena(), jmeno);
        QCOMPARE(p.datum(), datum);
        QCOMPARE(p.vybraneJmeno(), jmeno);
        QCOMPARE(p.oznacenyDen(), p.den()->text());
        QCOMPARE(p.updDen()->maximum(),
            voranek::DnyVMesici(p.mesic()->currentIndex() + 1, p.rok()->text().toInt()));
        // The movable holidays always agree with the year shown.
        const int r = p.rok()->text().toInt();
        QCOMPARE(p.kalendar().kalendarDnu().DatumSvatku(voranek::CZ, 21),
            std::optional(voranek::DenMesic {
                voranek::Velikonoce(r) < 0 ? -voranek::Velikonoce(r) : voranek::Velikonoce(r),
                voranek::Velikonoce(r) < 0 ? 3 : 4}));
    }

    void cestaHorymira()
    {
        Panel_ p(Cas(2005, 11, 19));
        p.klikni(p.jmena(), u"Horymír"_s);
        QCOMPARE(p.datum(), u"29.2.2008"_s);
        QCOMPARE(p.vybranySvatek(), QString());
        QCOMPARE(p.updDen()->maximum(), 29);
        QCOMPARE(p.obdobi()->currentText(), u"ZIMA (od 21.12.)"_s);
        QCOMPARE(p.nadpis(), u" Kalendář - únor 2008 "_s);
        QCOMPARE(p.oznacenyDen(), u"29"_s);
        QCOMPARE(p.znameni()->currentText(), u"RYBY (18.2. - 19.3.)"_s);
        QCOMPARE(p.vybraneJmeno(), u"Horymír"_s);
    }

    void klavesyVSeznamuJmen()
    {
        Panel_ p(Cas(2005, 11, 19));
        p.klikni(p.jmena(), u"Alžběta"_s);
        QTest::keyClick(p.jmena(), Qt::Key_Down);
        QCOMPARE(p.vybraneJmeno(), u"Amálie / Libuše"_s);
        QCOMPARE(p.datum(), u"10.7.2005"_s);
    }

    void hledaniSvatku_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("rok");
        QTest::addColumn<QString>("svatek");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("jmeno");
        QTest::newRow("SK Deň Ústavy") << 1 << 2005 << "Deň Ústavy Slovenskej republiky"
                                       << "1.9.2005"
                                       << "Drahoslava";
        QTest::newRow("SK Veľký piatok 2013") << 1 << 2013 << "Veľký piatok"
                                              << "29.3.2013"
                                              << "Miroslav";
        QTest::newRow("CZ Velikonoční pondělí 2013") << 0 << 2013 << "Velikonoční pondělí"
                                                     << "1.4.2013"
                                                     << "Hugo";
        QTest::newRow("CZ Velký pátek 2027") << 0 << 2027 << "Velký pátek"
                                             << "26.3.2027"
                                             << "Emanuel";
        QTest::newRow("CZ Silvestr") << 0 << 2007 << "Silvestr"
                                     << "31.12.2007"
                                     << "Silvestr";
        QTest::newRow("CZ Štědrý den") << 0 << 2007 << "Štědrý den"
                                       << "24.12.2007"
                                       << "Adam a Eva";
    }
    void hledaniSvatku()
    {
        QFETCH(int, typ);
        QFETCH(int, rok);
        QFETCH(QString, svatek);
        QFETCH(QString, datum);
        QFETCH(QString, jmeno);
        Panel_ p(Cas(rok, 2, 10));
        if (typ == 1)
            p.typ(1);
        p.klikni(p.svatky(), svatek);
        QCOMPARE(p.datum(), datum);
        QCOMPARE(p.vybraneJmeno(), jmeno);
        QCOMPARE(p.vybranySvatek(), svatek);
        QCOMPARE(p.oznacenyDen(), p.den()->text());
    }

    void znameniAObdobi_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<bool>("znameni");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("druhe"); // the other combo afterwards
        QTest::addColumn<int>("maximum");
        QTest::newRow("KOZOROH from 5 March 2007") << QDate(2007, 3, 5) << true << 0 << "22.12.2007"
                                                   << "ZIMA (od 21.12.)" << 31;
        QTest::newRow("RYBY from 31 January 2005") << QDate(2005, 1, 31) << true << 2 << "18.2.2005"
                                                   << "ZIMA (od 21.12.)" << 28;
        QTest::newRow("RYBY from 31 January 2008") << QDate(2008, 1, 31) << true << 2 << "18.2.2008"
                                                   << "ZIMA (od 21.12.)" << 29;
        QTest::newRow("ZIMA") << QDate(2005, 6, 10) << false << 3 << "21.12.2005"
                              << "STŘELEC (22.11. - 21.12.)" << 31;
        QTest::newRow("JARO from 31 May") << QDate(2005, 5, 31) << false << 0 << "21.3.2005"
                                          << "BERAN (20.3. - 20.4.)" << 31;
        QTest::newRow("PODZIM") << QDate(2005, 1, 2) << false << 2 << "23.9.2005"
                                << "VÁHY (23.9. - 22.10.)" << 30;
    }
    void znameniAObdobi()
    {
        QFETCH(QDate, start);
        QFETCH(bool, znameni);
        QFETCH(int, index);
        QFETCH(QString, datum);
        QFETCH(QString, druhe);
        QFETCH(int, maximum);
        Panel_ p(QDateTime(start, QTime(12, 0)));
        QComboBox *zvolene = znameni ? p.znameni() : p.obdobi();
        QComboBox *jine = znameni ? p.obdobi() : p.znameni();
        p.vyberCombo(zvolene, index);
        QCOMPARE(p.datum(), datum);
        QCOMPARE(zvolene->currentIndex(), index);
        QCOMPARE(jine->currentText(), druhe);
        QCOMPARE(p.updDen()->maximum(), maximum);
        QCOMPARE(p.oznacenyDen(), p.den()->text());
    }

    void prazdneObdobiNicNemeni()
    {
        Panel_ p(Cas(2005, 11, 19));
        p.vyberCombo(p.obdobi(), 4);
        QCOMPARE(p.datum(), u"19.11.2005"_s);
        QCOMPARE(p.znameni()->currentText(), u"ŠTÍR (23.10. - 21.11.)"_s);
        QCOMPARE(p.obdobi()->currentIndex(), 4);
    }

    void prepnutiNaSlovenskyNaStedryDen()
    {
        Panel_ p(Cas(2005, 12, 24));
        p.typ(1);
        QCOMPARE(p.jmena()->count(), 362);
        QCOMPARE(p.vybraneJmeno(), u"Adam a Eva"_s);
        QCOMPARE(p.jmena()->indexAt(QPoint(2, 2)).row(), 0);
        QCOMPARE(p.svatky()->count(), 26);
        QCOMPARE(p.vybranySvatek(), u"Štedrý deň"_s);
        QCOMPARE(p.svatky()->indexAt(QPoint(2, 2)).row(), 17);
        QCOMPARE(p.datum(), u"24.12.2005"_s);
        p.typ(0);
        QCOMPARE(p.jmena()->count(), 358);
        QCOMPARE(p.vybranySvatek(), u"Štědrý den"_s);
    }

    void poradiTabulatoru()
    {
        Panel_ p(Cas(2005, 11, 19));
        p.kalendar().show();
        QVERIFY(QTest::qWaitForWindowActive(&p.kalendar()));
        // The program starts on the date line; Tab then goes through every control in the
        // order they stand (of the CZ/SK switch, the checked one), round to the start, and
        // Shift+Tab goes back the same way.
        const QStringList ocekavane {"pDatum", "p19", "edtDen", "cmbMesic", "edtRok", "lbJmeno",
            "rgTypCZ", "lbSvatek", "cmbRocniObdobi", "cmbZnameni", "pDatum"};
        QStringList poradi;
        for (qsizetype i = 0; i < ocekavane.size(); ++i) {
            poradi << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(poradi, ocekavane);
        QStringList zpet;
        for (qsizetype i = 0; i < ocekavane.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            zpet.prepend(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(zpet, ocekavane);
    }
};

VORANEK_TEST_MAIN(TestVyhledavani)
#include "tst_vyhledavani.moc"
