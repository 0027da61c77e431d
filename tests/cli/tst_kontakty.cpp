// The contacts: vCard files as address books export them, the name days found for them, and
// what the calendar file and the reminders then say.
#include "cli/ics.h"
#include "cli/kontakty.h"
#include "cli/oznameni.h"
#include "common/utf8.h"

#include <glib.h>
#include <libical/ical.h>

#include <set>

#include <QDate>
#include <QSet>
#include <QTest>

using namespace voranek;
using namespace voranek::cli;
using namespace Qt::StringLiterals;

namespace {

Datum D(const QDate &d)
{
    return {static_cast<std::uint16_t>(d.day()), static_cast<std::uint16_t>(d.month()),
        static_cast<std::uint16_t>(d.year())};
}

// "Jana Nováková|Jana" a contact, "|" alone a given name missing.
std::vector<Kontakt> Kontakty(const QStringList &seznam)
{
    std::vector<Kontakt> kontakty;
    for (const QString &k : seznam) {
        const QStringList casti = k.split(u'|');
        kontakty.push_back({casti[0].toStdString(), casti.value(1).toStdString(),
            "uid:" + std::to_string(kontakty.size())});
    }
    return kontakty;
}

// Lines of a file as an exporter writes them, ended by CRLF.
QByteArray Crlf(const char *text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

} // namespace

class TestKontakty : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of file the address books of phones and desktops export, as the formats
    // describe them.
    void vcard_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("kontakty"); // "full name|given name"
        QTest::addColumn<QStringList>("varovani"); // the line numbers warned of

        QTest::newRow("2.1 s quoted-printable a UTF-8")
            << Crlf("BEGIN:VCARD\n"
                    "VERSION:2.1\n"
                    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Nov=C3=A1kov=C3=A1;Jana;;;\n"
                    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Jana Nov=C3=A1kov=C3=A1\n"
                    "TEL;CELL;PREF:+420602123456\n"
                    "END:VCARD\n")
            << QStringList {u"Jana Nováková|Jana"_s} << QStringList {};
        // A soft line break before a plain letter is where the parser alone goes wrong.
        QTest::newRow("2.1 s měkkým zalomením")
            << Crlf("BEGIN:VCARD\n"
                    "VERSION:2.1\n"
                    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dvo=C5=99=C3=A1k;Ji=C5=99=\n"
                    "=C3=AD;;;\n"
                    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Ji=C5=99=C3=AD Dvo=\n"
                    "=C5=99=C3=A1k ml=\n"
                    "adší\n"
                    "END:VCARD\n")
            << QStringList {u"Jiří Dvořák mladší|Jiří"_s} << QStringList {};
        QTest::newRow("2.1 v ISO-8859-2")
            << Crlf("BEGIN:VCARD\n"
                    "VERSION:2.1\n"
                    "N;CHARSET=ISO-8859-2;QUOTED-PRINTABLE:=A9ustrov=E1;=A9t=ECp=E1nka\n"
                    "END:VCARD\n")
            << QStringList {u"Štěpánka Šustrová|Štěpánka"_s} << QStringList {};
        QTest::newRow("2.1 zalomení zachová mezeru")
            << Crlf("BEGIN:VCARD\n"
                    "VERSION:2.1\n"
                    "N:Svoboda;Ludmila\n"
                    "FN:Ludmila\n"
                    " Svobodová\n"
                    "END:VCARD\n")
            << QStringList {u"Ludmila Svobodová|Ludmila"_s} << QStringList {};
        QTest::newRow("3.0 z iPhonu: skupiny, zalomení, escapy")
            << Crlf("BEGIN:VCARD\n"
                    "VERSION:3.0\n"
                    "PRODID:-//Apple Inc.//iPhone OS 17.0//EN\n"
                    "N:Proch\xc3\xa1zkov\xc3\xa1;\xc5\xbd"
                    "o\n"
                    " fie;;;\n"
                    "FN:\xc5\xbd"
                    "ofie Proch\xc3\xa1zkov\xc3\xa1\\, Ph.D.\n"
                    "item1.EMAIL;type=INTERNET;type=pref:zofie@example.cz\n"
                    "item1.X-ABLabel:_$!<Other>!$_\n"
                    "item2.ADR;type=HOME:;;N\xc3\xa1m\xc4\x9bst\xc3\xad 1\\;2;Praha;;;;\n"
                    "NOTE:\xc5\x99\xc3\xa1\x64\x65k\\nna \\\"dva\\\"\n"
                    "UID:8D8E0C6B-1A2B-4C5D-9E0F-123456789ABC\n"
                    "END:VCARD\n")
            << QStringList {u"Žofie Procházková, Ph.D.|Žofie"_s} << QStringList {};
        QTest::newRow("4.0") << Crlf("BEGIN:VCARD\n"
                                     "VERSION:4.0\n"
                                     "FN:Ji\n"
                                     " \xc5\x99\xc3\xad Novotn\xc3\xbd\n"
                                     "N:Novotn\xc3\xbd;Ji\xc5\x99\xc3\xad;Pavel;Ing.;\n"
                                     "UID:urn:uuid:4fbe8971-0bc3-424c-9c26-36c3e1eff6b1\n"
                                     "END:VCARD\n")
                             << QStringList {u"Jiří Novotný|Jiří"_s} << QStringList {};
        QTest::newRow("bez N") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Marek Král\nEND:VCARD\n")
                               << QStringList {u"Marek Král|"_s} << QStringList {};
        QTest::newRow("bez FN") << QByteArray("BEGIN:VCARD\nVERSION:2.1\nN:Černá;Eva\nEND:VCARD\n")
                                << QStringList {u"Eva Černá|Eva"_s} << QStringList {};
        QTest::newRow("poškozený řádek") << Crlf("BEGIN:VCARD\n"
                                                 "VERSION:3.0\n"
                                                 "N:Nov\xc3\xa1k;Petr\n"
                                                 "tento řádek nic neznamená\n"
                                                 "FN:Petr Nov\xc3\xa1k\n"
                                                 "TEL;TYPE=\"cell:+420\n"
                                                 "END:VCARD\n"
                                                 "BEGIN:VCARD\n"
                                                 "VERSION:3.0\n"
                                                 "FN:Adam Bílý\n"
                                                 "END:VCARD\n")
                                         << QStringList {u"Petr Novák|Petr"_s, u"Adam Bílý|"_s}
                                         << QStringList {u"řádek 4"_s, u"řádek 6"_s};
        QTest::newRow("bez konce") << QByteArray(
            "BEGIN:VCARD\nVERSION:3.0\nFN:Eva Malá\nBEGIN:VCARD\nVERSION:3.0\n"
            "FN:Adam Malý\n") << QStringList {u"Eva Malá|"_s, u"Adam Malý|"_s}
                                   << QStringList {u"řádek 1"_s, u"řádek 4"_s};
        QTest::newRow("BOM a text mimo kontakt")
            << QByteArray("\xEF\xBB\xBFVCARD?\nbegin:vcard\nversion:3.0\nfn:Jana\nend:vcard\n")
            << QStringList {u"Jana|"_s} << QStringList {u"řádek 1"_s};
        QTest::newRow("kontakt bez jména")
            << QByteArray("BEGIN:VCARD\nVERSION:3.0\nTEL:123\nEND:VCARD\n") << QStringList {}
            << QStringList {};
        QTest::newRow("prázdný soubor") << QByteArray() << QStringList {} << QStringList {};
    }
    void vcard()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, kontakty);
        QFETCH(QStringList, varovani);
        const Adresar adresar = CtiVCard(text.toStdString());
        QStringList precteno;
        for (const Kontakt &k : adresar.kontakty)
            precteno << Q(k.jmeno) + u'|' + Q(k.krestni);
        QCOMPARE(precteno, kontakty);
        QStringList radky;
        for (const std::string &v : adresar.varovani)
            radky << Q(v).section(u':', 0, 0);
        QCOMPARE(radky, varovani);
        QVERIFY(adresar.chyba.empty());
    }

    // The same contacts read again are known again; two of one name are two.
    void klice()
    {
        const std::string soubor = "BEGIN:VCARD\nVERSION:3.0\nFN:Jana Nováková\nEND:VCARD\n"
                                   "BEGIN:VCARD\nVERSION:3.0\nFN:Jana Nováková\nEND:VCARD\n"
                                   "BEGIN:VCARD\nVERSION:3.0\nFN:Jana Nováková\nUID:a\nEND:VCARD\n"
                                   "BEGIN:VCARD\nVERSION:3.0\nFN:Jana Malá\nUID:b\nEND:VCARD\n";
        const Adresar prvni = CtiVCard(soubor);
        const Adresar druhe = CtiVCard(soubor);
        QCOMPARE(prvni.kontakty.size(), 4u);
        std::set<std::string> klice;
        for (std::size_t i = 0; i < prvni.kontakty.size(); ++i) {
            QCOMPARE(prvni.kontakty[i].klic, druhe.kontakty[i].klic);
            klice.insert(prvni.kontakty[i].klic);
        }
        QCOMPARE(klice.size(), 4u);
    }

    // Who has a name day when, for the year from a day, as the terminal shows it.
    void vypis_data()
    {
        QTest::addColumn<QStringList>("kontakty");
        QTest::addColumn<QDate>("od");
        QTest::addColumn<QString>("vypis");
        QTest::newRow("po dnech přes konec roku")
            << QStringList {u"Jiří Dvořák|Jiří"_s, u"Silvestr Malý|Silvestr"_s,
                   u"Štěpán Král|Štěpán"_s}
            << QDate(2026, 12, 27)
            << u"31. prosince: Silvestr Malý (CZ)\n24. dubna: Jiří Dvořák (CZ)\n"
               "26. prosince: Štěpán Král (CZ)\n"_s;
        QTest::newRow("dnešek patří do roku, týž den za rok ne")
            << QStringList {u"Jana Nováková|Jana"_s} << QDate(2027, 8, 21)
            << u"21. srpna: Jana Nováková (SK)\n24. května: Jana Nováková (CZ)\n"_s;
        QTest::newRow("týž den v obou kalendářích")
            << QStringList {u"Marek Novák|Marek"_s, u"Ľudmila Nová|ľudmila"_s} << QDate(2027, 1, 1)
            << u"25. dubna: Marek Novák (CZ, SK)\n16. září: Ľudmila Nová (CZ, SK)\n"_s;
        QTest::newRow("jméno z celého, velká písmena, bez diakritiky")
            << QStringList {u"JIRI NOVAK|"_s, u"Ing. Adam Malý|"_s, u"Eva Bílá|  EVA "_s}
            << QDate(2027, 1, 1)
            << u"24. dubna: JIRI NOVAK (CZ)\n24. prosince: Eva Bílá (CZ, SK)\n"
               "\nJména, která kalendář nezná: Ing. Adam Malý\n"_s;
        QTest::newRow("více křestních jmen")
            << QStringList {u"Jan Pavel Novák|Jan Pavel"_s, u"Petr Král|Petr,Pavel"_s}
            << QDate(2027, 1, 1)
            << u"22. února: Petr Král (CZ)\n24. června: Jan Pavel Novák (CZ, SK)\n"
               "29. června: Petr Král (CZ)\n"_s;
        QTest::newRow("29. února až za čtyři roky")
            << QStringList {u"Horymír Beneš|Horymír"_s} << QDate(2028, 3, 1)
            << u"Žádný z kontaktů nemá v příštích dvanácti měsících svátek.\n"_s;
        QTest::newRow("29. února v přestupném")
            << QStringList {u"Horymír Beneš|Horymír"_s} << QDate(2027, 3, 2)
            << u"29. února: Horymír Beneš (CZ)\n"_s;
        QTest::newRow("dlouhý seznam neznámých")
            << QStringList {u"A1|Kevin"_s, u"A2|Kevin"_s, u"A3|Kevin"_s, u"A4|Kevin"_s,
                   u"A5|Kevin"_s, u"A6|Kevin"_s, u"A7|Kevin"_s, u"A8|Kevin"_s, u"A9|Kevin"_s,
                   u"A10|Kevin"_s, u"A11|Kevin"_s, u"A12|Kevin"_s}
            << QDate(2027, 1, 1)
            << u"Žádný z kontaktů nemá v příštích dvanácti měsících svátek.\n\nJména, která "
               "kalendář nezná: A1, A2, A3, A4, A5, A6, A7, A8, A9, A10 a další (2)\n"_s;
    }
    void vypis()
    {
        QFETCH(QStringList, kontakty);
        QFETCH(QDate, od);
        QFETCH(QString, vypis);
        const Shody shody = NajdiKontakty(Kontakty(kontakty), {true, true});
        QCOMPARE(Q(VypisKontaktu(shody, VytvorKalendarDnu(), D(od))), vypis);
    }

    // One event a contact and day, named by the full name, with the alarm; two contacts of
    // one name are two events that keep their UIDs from one export to the next.
    void exportKontaktu_data()
    {
        QTest::addColumn<QStringList>("kontakty");
        QTest::addColumn<QStringList>("udalosti");
        QTest::newRow("dvě Jany") << QStringList {u"Jana Nováková|Jana"_s, u"Jana Nováková|Jana"_s,
            u"Kevin|Kevin"_s}
                                  << QStringList {u"20270524 Svátek má Jana Nováková (CZ)"_s,
                                         u"20270524 Svátek má Jana Nováková (CZ)"_s,
                                         u"20270821 Svátek má Jana Nováková (SK)"_s,
                                         u"20270821 Svátek má Jana Nováková (SK)"_s};
        QTest::newRow("nikdo ze seznamu") << QStringList {u"Kevin|Kevin"_s} << QStringList {};
    }
    void exportKontaktu()
    {
        QFETCH(QStringList, kontakty);
        QFETCH(QStringList, udalosti);
        ZadaniExportu zadani;
        zadani.od = 2027;
        zadani.doRoku = 2027;
        zadani.kalendare = {true, true};
        zadani.pripominka = 7 * 60;
        zadani.kontakty = NajdiKontakty(Kontakty(kontakty), zadani.kalendare).svatky;
        QStringList jmeniny, uid;
        for (int beh = 0; beh < 2; ++beh) {
            icalcomponent *kalendar = icalparser_parse_string(ExportIcs(zadani).c_str());
            QVERIFY(kalendar);
            QStringList nalezene, uidy;
            for (icalcomponent *e
                 = icalcomponent_get_first_component(kalendar, ICAL_VEVENT_COMPONENT);
                 e; e = icalcomponent_get_next_component(kalendar, ICAL_VEVENT_COMPONENT)) {
                const icalproperty *druh
                    = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
                if (QByteArray(icalproperty_get_categories(druh)) != "jmeniny")
                    continue;
                nalezene << QString::fromLatin1(
                                icaltime_as_ical_string(icalcomponent_get_dtstart(e)))
                        + u' ' + QString::fromUtf8(icalcomponent_get_summary(e));
                uidy << QString::fromUtf8(icalcomponent_get_uid(e));
                icalcomponent *alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT);
                QVERIFY(alarm);
                QCOMPARE(icalproperty_get_trigger(
                             icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY))
                             .duration.hours,
                    7u);
            }
            icalcomponent_free(kalendar);
            QCOMPARE(nalezene, udalosti);
            QCOMPARE(QSet<QString>(uidy.begin(), uidy.end()).size(), uidy.size());
            if (beh == 1)
                QCOMPARE(uidy, uid);
            uid = uidy;
        }
    }

    // A reminder names the contacts by their full names.
    void oznameni_data()
    {
        QTest::addColumn<QStringList>("kontakty");
        QTest::addColumn<QDate>("dnes");
        QTest::addColumn<QString>("souhrn");
        QTest::newRow("den předem") << QStringList {u"Jana Nováková|Jana"_s, u"Petr Malý|Petr"_s}
                                    << QDate(2027, 5, 23) << u"Zítra má svátek Jana Nováková"_s;
        QTest::newRow("dvě Jany") << QStringList {u"Jana Nováková|Jana"_s, u"Jana Malá|Jana"_s}
                                  << QDate(2027, 5, 24)
                                  << u"Dnes mají svátek Jana Nováková a Jana Malá"_s;
        QTest::newRow("slovenský den")
            << QStringList {u"Jana Nováková|Jana"_s} << QDate(2027, 8, 21)
            << u"Dnes má svátek Jana Nováková (SK)"_s;
        QTest::newRow("dnes i zítra")
            << QStringList {u"Marek Král|Marek"_s, u"Jiří Beneš|Jiří"_s, u"Kevin|Kevin"_s}
            << QDate(2027, 4, 24) << u"Dnes má svátek Jiří Beneš, zítra Marek Král"_s;
        QTest::newRow("jiný den") << QStringList {u"Jana Nováková|Jana"_s} << QDate(2027, 5, 25)
                                  << QString();
    }
    void oznameni()
    {
        QFETCH(QStringList, kontakty);
        QFETCH(QDate, dnes);
        QFETCH(QString, souhrn);
        const OsobyKontaktu osoby = OsobyZKontaktu(NajdiKontakty(Kontakty(kontakty), {true, true}));
        const auto o = OznameniOsob(osoby.nalezy, D(dnes), osoby.jmena);
        QCOMPARE(o ? Q(o->souhrn) : QString(), souhrn);
    }
};

QTEST_GUILESS_MAIN(TestKontakty)
#include "tst_kontakty.moc"
