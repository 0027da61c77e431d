#include "calendar/hledani.h"
#include "calendar/jmena.h"
#include "cli/autostart.h"
#include "cli/chyba.h"
#include "cli/ics.h"
#include "cli/oznameni.h"
#include "cli/rozbor.h"
#include "cli/vypis.h"
#include "common/svatkyzakona.h"
#include "common/utf8.h"

#include <glib.h>
#include <libical/ical.h>
#include <nlohmann/json.hpp>

#include <QDir>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace voranek;
using namespace voranek::cli;
using namespace Qt::StringLiterals;

namespace {

Datum D(int den, int mesic, int rok)
{
    return {static_cast<std::uint16_t>(den), static_cast<std::uint16_t>(mesic),
        static_cast<std::uint16_t>(rok)};
}

PopisDne PopisDneVRoce(const Datum &datum)
{
    return Popis(datum);
}

QString S(const nlohmann::json &j)
{
    return QString::fromStdString(j.get<std::string>());
}

struct Udalost {
    QString uid, souhrn, druh, zacatek, konec, transp, spoustec;
};

// The events of a calendar file, read back by the calendar library's own parser.
QList<Udalost> Udalosti(const std::string &text)
{
    QList<Udalost> udalosti;
    icalcomponent *kalendar = icalparser_parse_string(text.c_str());
    if (!kalendar)
        return udalosti;
    for (icalcomponent *e = icalcomponent_get_first_component(kalendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(kalendar, ICAL_VEVENT_COMPONENT)) {
        Udalost u;
        u.uid = QString::fromUtf8(icalcomponent_get_uid(e));
        u.souhrn = QString::fromUtf8(icalcomponent_get_summary(e));
        const icalproperty *druh = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
        u.druh = druh ? QString::fromUtf8(icalproperty_get_categories(druh)) : QString();
        const icaltimetype zacatek = icalcomponent_get_dtstart(e);
        if (zacatek.is_date)
            u.zacatek = QString::fromLatin1(icaltime_as_ical_string(zacatek));
        // The end as written, not as the library would make it up.
        if (icalproperty *p = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY)) {
            const icaltimetype konec = icalproperty_get_dtend(p);
            u.konec = konec.is_date ? QString::fromLatin1(icaltime_as_ical_string(konec))
                                    : u"není den"_s;
        }
        const icalproperty *transp = icalcomponent_get_first_property(e, ICAL_TRANSP_PROPERTY);
        u.transp
            = transp ? QString::fromLatin1(icalproperty_get_value_as_string(transp)) : QString();
        if (icalcomponent *alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT)) {
            const icalproperty *p = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
            u.spoustec = QString::fromLatin1(icalproperty_get_value_as_string(p));
        }
        udalosti << u;
    }
    icalcomponent_free(kalendar);
    return udalosti;
}

// The arguments a desktop runs for an Exec value, read as GLib reads desktop entries: the
// value's escapes first, then the field codes (an entry of ours may hold only the escaped
// percent sign), then the quoting. Empty when a reader would refuse the line.
QStringList ArgumentyExec(const std::string &hodnota)
{
    const std::string text = "[Desktop Entry]\nExec=" + hodnota + "\n";
    GKeyFile *soubor = g_key_file_new();
    QStringList argumenty;
    if (g_key_file_load_from_data(soubor, text.c_str(), text.size(), G_KEY_FILE_NONE, nullptr)) {
        gchar *exec = g_key_file_get_string(soubor, "Desktop Entry", "Exec", nullptr);
        std::string bezKodu;
        bool platne = exec != nullptr;
        for (const char *c = exec; platne && *c; ++c) {
            if (*c == '%' && *++c != '%')
                platne = false;
            bezKodu += *c;
        }
        gchar **argv = nullptr;
        if (platne && g_shell_parse_argv(bezKodu.c_str(), nullptr, &argv, nullptr)) {
            for (gchar **a = argv; *a; ++a)
                argumenty << QString::fromUtf8(*a);
            g_strfreev(argv);
        }
        g_free(exec);
    }
    g_key_file_free(soubor);
    return argumenty;
}

QString Nazev(const QString &cesta)
{
    return cesta.mid(cesta.lastIndexOf(u'/') + 1);
}

struct Beh {
    int kod;
    QString vystup, chyby;
};

// The program as a user starts it.
Beh Spust(const QStringList &argumenty, const QString &slozka = {})
{
    QProcess p;
    if (!slozka.isEmpty())
        p.setWorkingDirectory(slozka);
    p.start(QStringLiteral(VORANEK_SVATKY), argumenty);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
        QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestSvatky : public QObject
{
    Q_OBJECT

private slots:
    // Every name of both calendars can be typed on an English keyboard.
    void slozeneJmenoJeAscii()
    {
        for (TypKalendare typ : {CZ, SK}) {
            for (std::size_t i = 0; i < PocetZaznamu(typ); ++i) {
                const std::string slozene = Slozene(Zaznam(typ, static_cast<std::int16_t>(i)));
                for (char c : slozene)
                    QVERIFY2((c >= 'a' && c <= 'z') || c == ' ' || c == '/',
                        Zaznam(typ, static_cast<std::int16_t>(i)).data());
            }
        }
    }

    void hledani_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("presne");
        QTest::addColumn<QStringList>("nalezy");
        QTest::newRow("bez diakritiky") << "jiri" << true << QStringList {"Jiří CZ"};
        QTest::newRow("Štěpán") << "stepan" << true << QStringList {"Štěpán CZ"};
        QTest::newRow("velká písmena a mezery") << "  JIŘÍ " << true << QStringList {"Jiří CZ"};
        QTest::newRow("druhá osoba záznamu")
            << "eva" << true << QStringList {"Adam a Eva CZ", "Adam a Eva SK"};
        QTest::newRow("třetí osoba záznamu")
            << "olivie" << true << QStringList {"Galina / Oliver / Olívie CZ"};
        QTest::newRow("slovenské písmeno")
            << "ludmila" << true << QStringList {"Ludmila CZ", "Ľudmila / Ľudomila SK"};
        QTest::newRow("jen slovensky") << "juraj" << true << QStringList {"Juraj SK"};
        QTest::newRow("začátek jména") << "horym" << false << QStringList {"Horymír CZ"};
        QTest::newRow("nic") << "xyz" << false << QStringList {};
        QTest::newRow("prázdné") << " " << false << QStringList {};
    }
    void hledani()
    {
        QFETCH(QString, text);
        QFETCH(bool, presne);
        QFETCH(QStringList, nalezy);
        const Hledani h = HledejJmeno(text.toStdString());
        QStringList nalezeno;
        for (const Nalez &n : h.nalezy)
            nalezeno << Q(Zaznam(n.typ, n.index)) + (n.typ == CZ ? " CZ" : " SK");
        QCOMPARE(nalezeno, nalezy);
        QCOMPARE(h.presne, presne);
    }

    // Names that begin with the text: at most ten, each an entry that really begins so.
    void zacatkyJmen()
    {
        const Hledani h = HledejJmeno("ja");
        QVERIFY(!h.presne);
        QCOMPARE(h.nalezy.size(), NejvicZacatku);
        for (const Nalez &n : h.nalezy)
            QVERIFY(Slozene(n.osoba).starts_with("ja"));
    }

    void pristiVyskyt_data()
    {
        QTest::addColumn<int>("den");
        QTest::addColumn<int>("mesic");
        QTest::addColumn<QDate>("od");
        QTest::addColumn<QDate>("pristi");
        QTest::newRow("týž den") << 24 << 4 << QDate(2026, 4, 24) << QDate(2026, 4, 24);
        QTest::newRow("den poté") << 24 << 4 << QDate(2026, 4, 25) << QDate(2027, 4, 24);
        QTest::newRow("29. února z přestupného")
            << 29 << 2 << QDate(2024, 1, 1) << QDate(2024, 2, 29);
        QTest::newRow("29. února přes 2100") << 29 << 2 << QDate(2097, 3, 1) << QDate(2104, 2, 29);
        QTest::newRow("29. února za 2000") << 29 << 2 << QDate(1997, 3, 1) << QDate(2000, 2, 29);
        QTest::newRow("za rokem 9999") << 1 << 1 << QDate(9999, 12, 31) << QDate();
    }
    void pristiVyskyt()
    {
        QFETCH(int, den);
        QFETCH(int, mesic);
        QFETCH(QDate, od);
        QFETCH(QDate, pristi);
        const auto d = PristiVyskyt({den, mesic}, D(od.day(), od.month(), od.year()));
        QCOMPARE(d ? QDate(d->rok, d->mesic, d->den) : QDate(), pristi);
    }

    void datum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("datum"); // invalid: refused
        QTest::newRow("ISO") << "2026-03-29" << QDate(2026, 3, 29);
        QTest::newRow("české") << "29.3.2026" << QDate(2026, 3, 29);
        QTest::newRow("české s mezerami") << "29. 3. 2026" << QDate(2026, 3, 29);
        QTest::newRow("první gregoriánský rok") << "1583-01-01" << QDate(1583, 1, 1);
        QTest::newRow("poslední rok") << "31.12.9999" << QDate(9999, 12, 31);
        QTest::newRow("29. února 2000") << "29.2.2000" << QDate(2000, 2, 29);
        QTest::newRow("30. února") << "2026-02-30" << QDate();
        QTest::newRow("29. února 2100") << "29.2.2100" << QDate();
        QTest::newRow("třináctý měsíc") << "1.13.2026" << QDate();
        QTest::newRow("nultý den") << "0.1.2026" << QDate();
        QTest::newRow("před reformou") << "1582-12-31" << QDate();
        QTest::newRow("rok 10000") << "1.1.10000" << QDate();
        QTest::newRow("záporný den") << "2026-01--1" << QDate();
        QTest::newRow("lomítka") << "2026/01/01" << QDate();
        QTest::newRow("neúplné") << "29.3." << QDate();
        QTest::newRow("text navíc") << "2026-03-29x" << QDate();
        QTest::newRow("prázdné") << "" << QDate();
    }
    void datum()
    {
        QFETCH(QString, text);
        QFETCH(QDate, datum);
        try {
            const Datum d = RozeberDatum(text.toStdString());
            QCOMPARE(QDate(d.rok, d.mesic, d.den), datum);
        } catch (const Chyba &e) {
            QVERIFY2(!datum.isValid(), e.what());
            // The message names what was typed.
            QVERIFY(QString::fromUtf8(e.what()).contains(u"„"_s + text + u"“"_s));
        }
    }

    void hodnotyExportu()
    {
        QCOMPARE(RozeberRoky("2027").od, 2027);
        QCOMPARE(RozeberRoky("1989-2099").doRoku, 2099);
        QCOMPARE(RozeberCas("8:00"), 480);
        QCOMPARE(RozeberCas("23:59"), 23 * 60 + 59);
        QCOMPARE(RozeberCas("7"), 420);
        QCOMPARE(
            RozeberJmena(" Jana,Petr , Eva"), (std::vector<std::string> {"Jana", "Petr", "Eva"}));
        for (const char *spatne : {"2030-2027", "1500", "2027-", "x", "2027-10000"})
            QVERIFY_THROWS_EXCEPTION(Chyba, RozeberRoky(spatne));
        for (const char *spatne : {"24:00", "8:60", "8:5", "8.00", ""})
            QVERIFY_THROWS_EXCEPTION(Chyba, RozeberCas(spatne));
        for (const char *spatne : {"Jana,", ",", "Jana,,Petr"})
            QVERIFY_THROWS_EXCEPTION(Chyba, RozeberJmena(spatne));
        QVERIFY_THROWS_EXCEPTION(Chyba, RozeberVariantu("CZ"));
    }

    // The terminal shows what the today panel shows, in the same words.
    void denVTerminalu_data()
    {
        QTest::addColumn<QDate>("den");
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QStringList>("radky");
        QTest::newRow("17. listopadu 2005")
            << QDate(2005, 11, 17)
            << "Mahulena · SK: Klaudia · Den boje za svobodu a demokracii · SK: Deň boja za "
               "slobodu a demokraciu"
            << QStringList {"17. listopadu 2005 / čtvrtek", "svátek má:", "  CZ: Mahulena",
                   "  SK: Klaudia",
                   "státní svátek, významný den:", "  CZ: Den boje za svobodu a demokracii",
                   "  SK: Deň boja za slobodu a demokraciu"};
        QTest::newRow("Nový rok") << QDate(
            2027, 1, 1) << "dnes nikdo neslaví · Státní svátek / Nový rok · SK: Deň vzniku SR"
                                  << QStringList {"1. ledna 2027 / pátek",
                                         "svátek má:", "  CZ: dnes nikdo neslaví",
                                         "  SK: dnes nikdo neslaví", "státní svátek, významný den:",
                                         "  CZ: Státní svátek / Nový rok", "  SK: Deň vzniku SR"};
        QTest::newRow("Velký pátek 2027")
            << QDate(2027, 3, 26) << "Emanuel · Velký pátek · SK: Veľký piatok"
            << QStringList {"26. března 2027 / pátek", "svátek má:", "  CZ: Emanuel",
                   "  SK: Emanuel", "státní svátek, významný den:", "  CZ: Velký pátek",
                   "  SK: Veľký piatok"};
        QTest::newRow("Štědrý den")
            << QDate(2026, 12, 24) << "Adam a Eva · Štědrý den · SK: Štedrý deň"
            << QStringList {"24. prosince 2026 / čtvrtek", "svátek má:", "  CZ: Adam a Eva",
                   "  SK: Adam a Eva", "státní svátek, významný den:", "  CZ: Štědrý den",
                   "  SK: Štedrý deň"};
    }
    void denVTerminalu()
    {
        QFETCH(QDate, den);
        QFETCH(QString, radek);
        QFETCH(QStringList, radky);
        const PopisDne popis = PopisDneVRoce(D(den.day(), den.month(), den.year()));
        QCOMPARE(Q(Radek(popis)), radek + u"\n"_s);
        QCOMPARE(Q(VypisDne(popis, false)).split(u'\n', Qt::SkipEmptyParts), radky);
    }

    void json()
    {
        const Datum velikonoce = D(29, 3, 2027);
        const auto j = nlohmann::json::parse(Json(PopisDneVRoce(velikonoce), velikonoce));
        QCOMPARE(S(j["datum"]), QString::fromUtf8("2027-03-29"));
        QCOMPARE(S(j["text"]), QString::fromUtf8("29. března 2027 / pondělí"));
        QCOMPARE(S(j["cz"]["svatek"]["nazev"]), QString::fromUtf8("Velikonoční pondělí"));
        QCOMPARE(S(j["cz"]["svatek"]["druh"]), QString::fromUtf8("ostatní svátek"));
        QCOMPARE(S(j["sk"]["svatek"]["text"]), QString::fromUtf8("Veľkonočný pondelok"));
        const Datum novyRok = D(1, 1, 2027);
        const auto n = nlohmann::json::parse(Json(PopisDneVRoce(novyRok), novyRok));
        QVERIFY(n["cz"]["jmeno"].is_null());
        QCOMPARE(
            S(n["sk"]["svatek"]["nazev"]), QString::fromUtf8("Deň vzniku Slovenskej republiky"));
        const Datum unor = D(14, 2, 2027);
        const auto v = nlohmann::json::parse(Json(PopisDneVRoce(unor), unor));
        QCOMPARE(S(v["cz"]["svatek"]["druh"]), QString::fromUtf8("zvyk"));
        QVERIFY(v["sk"]["svatek"].is_null());
    }

    // The laws' facts as the program gives them: every listed day through one run of the
    // program, its JSON against the table.
    void zakonVTerminalu()
    {
        const QStringList druhy {u"státní svátek"_s, u"ostatní svátek"_s, u"svátek bez volna"_s,
            u"významný den"_s, u"zvyk"_s};
        for (const test::SvatekPodleZakona &s : test::SvatkyPodleZakona) {
            const QString den = QString::fromLatin1(s.datum);
            const Beh beh = Spust({u"--datum"_s, den, u"--json"_s});
            QCOMPARE(beh.kod, 0);
            const auto j = nlohmann::json::parse(beh.vystup.toStdString());
            const auto &svatek = j[s.typ == CZ ? "cz" : "sk"]["svatek"];
            const QString kde = den + (s.typ == CZ ? u" CZ"_s : u" SK"_s);
            if (s.kod < 0) {
                QVERIFY2(svatek.is_null(), qPrintable(kde));
                continue;
            }
            QVERIFY2(!svatek.is_null(), qPrintable(kde));
            QCOMPARE(S(svatek["nazev"]), QString::fromUtf8(s.nazev));
            QCOMPARE(S(svatek["text"]), QString::fromUtf8(s.text));
            QCOMPARE(S(svatek["druh"]), druhy[s.druh]);
        }
    }

    // A person named twice in --jen, in any spelling, is one event a day: one UID.
    void jenKazdyJednou()
    {
        const Beh beh = Spust({u"--ics"_s, u"2027"_s, u"--jen"_s, u"Jana, Petr, jana, PETR"_s});
        QCOMPARE(beh.kod, 0);
        std::set<QString> uid;
        QStringList jmeniny;
        for (const Udalost &u : Udalosti(beh.vystup.toStdString())) {
            QVERIFY2(uid.insert(u.uid).second, qPrintable(u.uid));
            if (u.druh == u"jmeniny"_s)
                jmeniny << u.zacatek + u' ' + u.souhrn;
        }
        QCOMPARE(jmeniny,
            QStringList(
                {"20270222 Svátek má Petr", "20270524 Svátek má Jana", "20270629 Svátek má Petr"}));
    }

    // One year's file holds every name day and holiday of the year once, as all-day events.
    void exportRoku_data()
    {
        QTest::addColumn<int>("rok");
        QTest::addColumn<bool>("cz");
        QTest::addColumn<bool>("sk");
        QTest::newRow("CZ 2027") << 2027 << true << false;
        QTest::newRow("SK 2024") << 2024 << false << true;
        QTest::newRow("obě 2100") << 2100 << true << true;
        // Years the calendar library cannot hold in its date type.
        QTest::newRow("CZ 3000") << 3000 << true << false;
        QTest::newRow("obě 9999") << 9999 << true << true;
    }
    void exportRoku()
    {
        QFETCH(int, rok);
        QFETCH(bool, cz);
        QFETCH(bool, sk);
        ZadaniExportu zadani;
        zadani.od = zadani.doRoku = rok;
        zadani.kalendare = {cz, sk};
        const QList<Udalost> udalosti = Udalosti(ExportIcs(zadani));

        int ocekavano = 0;
        for (QDate d(rok, 1, 1); d.year() == rok; d = d.addDays(1)) {
            for (TypKalendare typ : {CZ, SK}) {
                const UdajeDne u = Udaje(D(d.day(), d.month(), rok), typ);
                if ((typ == CZ && cz) || (typ == SK && sk))
                    ocekavano += (u.jmeno >= 0) + u.svatek.has_value();
            }
        }
        QCOMPARE(udalosti.size(), ocekavano);

        std::set<QString> uid;
        const QSet<QString> druhy {u"jmeniny"_s, u"státní svátek"_s, u"ostatní svátek"_s,
            u"svátek bez volna"_s, u"významný den"_s, u"zvyk"_s};
        for (const Udalost &u : udalosti) {
            QVERIFY2(uid.insert(u.uid).second, qPrintable(u.uid));
            QVERIFY2(druhy.contains(u.druh), qPrintable(u.druh));
            QCOMPARE(u.transp, u"TRANSPARENT"_s);
            const QDate zacatek = QDate::fromString(u.zacatek, u"yyyyMMdd"_s);
            QCOMPARE(zacatek.year(), rok);
            // No four-digit year follows 9999: its last day ends without a DTEND.
            if (zacatek == QDate(9999, 12, 31))
                QCOMPARE(u.konec, QString());
            else
                QCOMPARE(QDate::fromString(u.konec, u"yyyyMMdd"_s), zacatek.addDays(1));
            QVERIFY(u.uid.startsWith(u.zacatek));
            QVERIFY(u.spoustec.isEmpty());
            QCOMPARE(u.souhrn.endsWith(u" (CZ)"_s) || u.souhrn.endsWith(u" (SK)"_s), cz && sk);
        }
    }

    // The reminder use: the chosen persons only, each on its own days, with the alarm.
    void exportVybranych()
    {
        ZadaniExportu zadani;
        zadani.od = 2027;
        zadani.doRoku = 2028;
        zadani.jen = PresneShody(CZ, "petr");
        for (const Nalez &n : PresneShody(CZ, "Horymír"))
            zadani.jen->push_back(n);
        zadani.pripominka = 8 * 60 + 30;
        QStringList jmeniny;
        for (const Udalost &u : Udalosti(ExportIcs(zadani))) {
            if (u.druh != u"jmeniny"_s)
                continue;
            jmeniny << u.zacatek + u' ' + u.souhrn;
            QCOMPARE(u.spoustec, u"PT8H30M"_s);
        }
        QCOMPARE(jmeniny,
            QStringList(
                {"20270222 Svátek má Petr", "20270629 Svátek má Petr", "20280222 Svátek má Petr",
                    "20280229 Svátek má Horymír", "20280629 Svátek má Petr"}));
    }

    // A later export of the same days names its events alike, so an import updates them.
    void stejneUid()
    {
        ZadaniExportu zadani;
        zadani.od = 2027;
        zadani.doRoku = 2027;
        zadani.kalendare = {true, true};
        QStringList prvni, druhy;
        for (const Udalost &u : Udalosti(ExportIcs(zadani)))
            prvni << u.uid;
        for (const Udalost &u : Udalosti(ExportIcs(zadani)))
            druhy << u.uid;
        QCOMPARE(prvni, druhy);
    }

    // What a reminder says: the listed persons on their day and the day before, in both
    // calendars, in Czech that reads naturally.
    void oznameniOsob_data()
    {
        QTest::addColumn<QString>("jmena");
        QTest::addColumn<QDate>("dnes");
        QTest::addColumn<QString>("souhrn"); // empty: nothing to say
        QTest::addColumn<QString>("telo");
        QTest::newRow("v den") << "Jana, Petr" << QDate(2027, 5, 24) << "Dnes má svátek Jana"
                               << "24. května 2027 / pondělí";
        QTest::newRow("den předem") << "Jana, Petr" << QDate(2027, 5, 23) << "Zítra má svátek Jana"
                                    << "24. května 2027 / pondělí";
        QTest::newRow("jiný den") << "Jana, Petr" << QDate(2027, 5, 25) << ""
                                  << "";
        QTest::newRow("osoba ze záznamu dvou")
            << "Petr" << QDate(2027, 6, 28) << "Zítra má svátek Petr"
            << "29. června 2027 / úterý";
        QTest::newRow("slovenský den")
            << "Jana" << QDate(2027, 8, 20) << "Zítra má svátek Jana (SK)"
            << "21. srpna 2027 / sobota";
        QTest::newRow("jen slovenské jméno")
            << "Juraj" << QDate(2027, 4, 23) << "Zítra má svátek Juraj"
            << "24. dubna 2027 / sobota";
        QTest::newRow("v obou kalendářích týž den")
            << "Marek" << QDate(2027, 4, 25) << "Dnes má svátek Marek"
            << "25. dubna 2027 / neděle";
        QTest::newRow("týž den v obou, psáno česky")
            << "ludmila" << QDate(2027, 9, 16) << "Dnes má svátek Ludmila"
            << "16. září 2027 / čtvrtek";
        QTest::newRow("dva v jednom záznamu")
            << "eva, ADAM" << QDate(2027, 12, 23) << "Zítra mají svátek Eva a Adam"
            << "24. prosince 2027 / pátek";
        QTest::newRow("dnes i zítra") << "Marek, Jiří, Juraj" << QDate(2027, 4, 24)
                                      << "Dnes mají svátek Jiří a Juraj, zítra Marek"
                                      << "24. dubna 2027 / sobota";
        QTest::newRow("jen ti, kdo slaví")
            << "Štěpán, Adam, Silvestr, Eva" << QDate(2026, 12, 24) << "Dnes mají svátek Adam a Eva"
            << "24. prosince 2026 / čtvrtek";
        QTest::newRow("tři naráz") << "olivie, Galina, Oliver" << QDate(2027, 10, 2)
                                   << "Dnes mají svátek Olívie, Galina a Oliver"
                                   << "2. října 2027 / sobota";
        QTest::newRow("jméno dvakrát")
            << "Jana, jana" << QDate(2027, 5, 24) << "Dnes má svátek Jana"
            << "24. května 2027 / pondělí";
        QTest::newRow("přes konec roku")
            << "Silvestr" << QDate(2026, 12, 30) << "Zítra má svátek Silvestr"
            << "31. prosince 2026 / čtvrtek";
        QTest::newRow("28. února přestupného roku")
            << "Horymír" << QDate(2028, 2, 28) << "Zítra má svátek Horymír"
            << "29. února 2028 / úterý";
        QTest::newRow("28. února obyčejného roku") << "Horymír" << QDate(2027, 2, 28) << ""
                                                   << "";
        QTest::newRow("28. února 2100") << "Horymír" << QDate(2100, 2, 28) << ""
                                        << "";
        QTest::newRow("28. února 2000")
            << "Horymír" << QDate(2000, 2, 28) << "Zítra má svátek Horymír"
            << "29. února 2000 / úterý";
        QTest::newRow("poslední den")
            << "Silvestr" << QDate(9999, 12, 31) << "Dnes má svátek Silvestr"
            << "31. prosince 9999 / pátek";
    }
    void oznameniOsob()
    {
        QFETCH(QString, jmena);
        QFETCH(QDate, dnes);
        QFETCH(QString, souhrn);
        QFETCH(QString, telo);
        const auto oznameni = OznameniOsob(OsobyPripominky(RozeberJmena(jmena.toStdString())),
            D(dnes.day(), dnes.month(), dnes.year()));
        QCOMPARE(oznameni ? Q(oznameni->souhrn) : QString(), souhrn);
        QCOMPARE(oznameni ? Q(oznameni->telo) : QString(), telo);
    }

    // Whatever the names, the entry's Exec line gives the program exactly its arguments, the
    // validator of desktop entries takes the whole entry, and systemd's verifier the service.
    void autostart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("jen");
        QTest::newRow("obyčejná jména") << "/usr/bin/voranek-svatky"
                                        << "Jana, Petr";
        QTest::newRow("uvozovka a středník") << "/usr/bin/voranek-svatky"
                                             << "Jana\"; rm -rf ~; echo \"";
        QTest::newRow("proměnná") << "/usr/bin/voranek-svatky"
                                  << "$HOME ${HOME}";
        QTest::newRow("příkaz") << "/usr/bin/voranek-svatky"
                                << "`id` $(id)";
        QTest::newRow("zpětná lomítka") << "/usr/bin/voranek-svatky"
                                        << "\\ \\\\ \\\" \\n";
        QTest::newRow("procenta") << "/usr/bin/voranek-svatky"
                                  << "100 % %f %% %U";
        QTest::newRow("apostrof a roura") << "/usr/bin/voranek-svatky"
                                          << "O'Brien | cat > x & #";
        QTest::newRow("řádky a tabulátor") << "/usr/bin/voranek-svatky"
                                           << "Jana\nExec=id\tx";
        QTest::newRow("rovnítko a hvězdička") << "/usr/bin/voranek-svatky"
                                              << "=*?~[]";
        QTest::newRow("diakritika") << "/usr/bin/voranek-svatky"
                                    << "Žofie, Ľudmila";
        QTest::newRow("složka s mezerou a uvozovkou") << "/opt/Můj \"program\" $X/voranek-svatky"
                                                      << "Jana";
        QTest::newRow("prázdné") << "/usr/bin/voranek-svatky"
                                 << "";
    }
    void autostart()
    {
        QFETCH(QString, program);
        QFETCH(QString, jen);
        const std::vector<std::string> argumenty {
            program.toStdString(), "--oznameni", "--jen", jen.toStdString()};
        QCOMPARE(ArgumentyExec(HodnotaExec(argumenty)),
            QStringList({program, u"--oznameni"_s, u"--jen"_s, jen}));

        QTemporaryDir slozka;
        const QString soubor = slozka.filePath(u"voranek-svatky.desktop"_s);
        QFile f(soubor);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(TextAutostartu(argumenty, true)));
        f.close();
        QProcess kontrola;
        kontrola.start(u"desktop-file-validate"_s, {soubor});
        QVERIFY(kontrola.waitForFinished(30000));
        const QString hlaseni = QString::fromUtf8(kontrola.readAll());
        QVERIFY2(kontrola.exitCode() == 0 && hlaseni.isEmpty(), qPrintable(hlaseni));

        // systemd refuses quotes in the program's name: the entry at login is used then.
        if (program.contains(u'"'))
            return;
        const std::vector<std::string> sluzba {
            VORANEK_SVATKY, "--oznameni", "--jednou-denne", "--jen", jen.toStdString()};
        QFile jednotka(slozka.filePath(u"voranek-svatky.service"_s));
        QVERIFY(jednotka.open(QIODevice::WriteOnly));
        jednotka.write(QByteArray::fromStdString(TextSluzby(sluzba, true)));
        jednotka.close();
        QTemporaryDir beh;
        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(u"XDG_RUNTIME_DIR"_s, beh.path());
        kontrola.setProcessEnvironment(prostredi);
        kontrola.setWorkingDirectory(slozka.path());
        kontrola.start(
            u"systemd-analyze"_s, {u"--user"_s, u"verify"_s, u"voranek-svatky.service"_s});
        QVERIFY(kontrola.waitForFinished(30000));
        const QString overeni = QString::fromUtf8(kontrola.readAll());
        QVERIFY2(kontrola.exitCode() == 0 && overeni.isEmpty(), qPrintable(overeni));
    }

    void program_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("vystup"); // a pattern of standard output or of the message
        QTest::newRow("dnešek") << QStringList {} << 0
                                << u"^\\d+\\. \\S+ \\d{4} / \\S+\nsvátek má:\n"_s;
        QTest::newRow("datum") << QStringList {"--datum", "29.2.2028", "--radek"} << 0
                               << u"^Horymír · SK: Radomír\n$"_s;
        QTest::newRow("jméno") << QStringList {"--jmeno", "jiri", "--datum", "2026-12-09"} << 0
                               << u"^Jiří \\(CZ\\): 24. dubna, příště 24. dubna 2027 / sobota\n$"_s;
        QTest::newRow("jméno dnes") << QStringList {"--jmeno", "Jiří", "--datum", "24.4.2027"} << 0
                                    << u"^Jiří \\(CZ\\): 24. dubna, dnes\n$"_s;
        QTest::newRow("bez jména") << QStringList {"--jmeno", "qwerty"} << 1 << u"„qwerty“"_s;
        QTest::newRow("prázdné jméno") << QStringList {"--jmeno", ""} << 2 << u"--jmeno"_s;
        QTest::newRow("prázdné datum") << QStringList {"--datum", ""} << 2 << u"--datum"_s;
        QTest::newRow("prázdný soubor")
            << QStringList {"--ics", "2027", "-o", ""} << 2 << u"--vystup"_s;
        QTest::newRow("prázdná připomínka")
            << QStringList {"--ics", "2027", "--pripominka="} << 2 << u"--pripominka"_s;
        QTest::newRow("řídicí znaky") << QStringList {"--datum", "1.\n1.\x1b[2J2027\r"} << 2
                                      << QString::fromUtf8(R"(„1\.\\n1\.\\x1B\[2J2027\\r“)");
        QTest::newRow("dlouhá hodnota")
            << QStringList {"--ics", QString(120000, u'9')} << 2 << u"^[^9]*9{60}…“[^9]*$"_s;
        QTest::newRow("neznámá volba s hodnotou")
            << QStringList {"--Datum", "1.1.2027"} << 2 << u"volba „--Datum“$"_s;
        QTest::newRow("hodnota verze") << QStringList {"--version=x"} << 2 << u"--version"_s;
        QTest::newRow("soubor místo složky") << QStringList {"--ics", "2027", "-o",
            "/etc/passwd/svatky.ics"} << 2 << u"„/etc/passwd“ není složka"_s;
        QTest::newRow("složka bez souborů")
            << QStringList {"--ics", "2027", "-o", "/proc/version"} << 2 << u"složce „/proc“"_s;
        QTest::newRow("nemožné datum")
            << QStringList {"--datum", "2026-02-30"} << 2 << u"„2026-02-30“"_s;
        QTest::newRow("rok mimo") << QStringList {"--ics", "1500"} << 2 << u"1500"_s;
        QTest::newRow("neznámá volba") << QStringList {"--zitra"} << 2 << u"„--zitra“"_s;
        QTest::newRow("neznámá varianta")
            << QStringList {"--ics", "2027", "--varianta", "at"} << 2 << u"„at“"_s;
        QTest::newRow("varianta bez ics")
            << QStringList {"--varianta", "sk"} << 2 << u"--varianta"_s;
        QTest::newRow("dvě podoby") << QStringList {"--radek", "--json"} << 2 << u"--json"_s;
        QTest::newRow("hodnota přepínače") << QStringList {"--radek=ne"} << 2 << u"--radek"_s;
        QTest::newRow("chybějící hodnota") << QStringList {"--datum"} << 2 << u"--datum"_s;
        QTest::newRow("neznámé jméno v seznamu")
            << QStringList {"--ics", "2027", "--jen", "Jana, Xaver"} << 2 << u"„Xaver“"_s;
        QTest::newRow("jen bez exportu či oznámení")
            << QStringList {"--jen", "Jana"} << 2 << u"--jen.*--oznameni"_s;
        QTest::newRow("oznámení s exportem")
            << QStringList {"--oznameni", "--ics", "2027"} << 2 << u"--oznameni"_s;
        QTest::newRow("neznámé zapnutí") << QStringList {"--autostart", "ano"} << 2 << u"„ano“"_s;
        QTest::newRow("vypnutí se jmény")
            << QStringList {"--autostart", "vypnout", "--jen", "Jana"} << 2 << u"--jen"_s;
        QTest::newRow("zapnutí k datu")
            << QStringList {"--autostart", "zapnout", "--datum", "2027-05-23"} << 2 << u"--datum"_s;
        QTest::newRow("čas bez exportu či zapnutí")
            << QStringList {"--pripominka", "8:00"} << 2 << u"--pripominka.*--autostart"_s;
        QTest::newRow("vypnutí s časem") << QStringList {"--autostart", "vypnout", "--pripominka",
            "8:00"} << 2 << u"--pripominka"_s;
        QTest::newRow("zapnutí v nemožný čas")
            << QStringList {"--autostart", "zapnout", "--pripominka", "24:00"} << 2 << u"„24:00“"_s;
        QTest::newRow("jednou denně bez oznámení")
            << QStringList {"--jednou-denne"} << 2 << u"--jednou-denne.*--oznameni"_s;
        QTest::newRow("nápověda") << QStringList {"--help"} << 0 << u"--pripominka"_s;
        // Columns are characters on the screen, not bytes, and a terminal has 80 of them.
        QTest::newRow("nápověda zarovnaná")
            << QStringList {"--help"} << 0
            << u"\n  --jen JMÉNA {11}jen [\\s\\S]*\n  --pripominka ČAS {6}připomínka "_s;
        QTest::newRow("nápověda v 80 sloupcích")
            << QStringList {"--help"} << 0 << u"^[^\n]{0,80}(\n[^\n]{0,80})*$"_s;
        QTest::newRow("verze") << QStringList {"--version"} << 0
                               << u"^voranek-svatky \\d+\\.\\d+"_s;
    }
    void program()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, vystup);
        const Beh beh = Spust(argumenty);
        QCOMPARE(beh.kod, kod);
        if (kod == 0) {
            QVERIFY2(beh.vystup.contains(QRegularExpression(vystup)), qPrintable(beh.vystup));
            QCOMPARE(beh.chyby, QString());
        } else {
            // One Czech line on standard error, nothing on standard output.
            QCOMPARE(beh.vystup, QString());
            QCOMPARE(beh.chyby.count(u'\n'), 1);
            QVERIFY2(beh.chyby.contains(QRegularExpression(vystup)), qPrintable(beh.chyby));
        }
    }

    // A file is written whole or not at all, and a failed run leaves an older one as it was.
    void souborCelyNeboZadny()
    {
        QTemporaryDir slozka;
        const QString cil = slozka.filePath(u"svatky.ics"_s);
        Beh beh = Spust({u"--ics"_s, u"2027"_s, u"-o"_s, cil});
        QCOMPARE(beh.kod, 0);
        QFile soubor(cil);
        QVERIFY(soubor.open(QIODevice::ReadOnly));
        const QByteArray obsah = soubor.readAll();
        QVERIFY(obsah.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(obsah.endsWith("END:VCALENDAR\r\n"));
        soubor.close();

        beh = Spust({u"--ics"_s, u"2027"_s, u"--pripominka"_s, u"9:99"_s, u"-o"_s, cil});
        QCOMPARE(beh.kod, 2);
        QVERIFY(soubor.open(QIODevice::ReadOnly));
        QCOMPARE(soubor.readAll(), obsah);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files), QStringList {u"svatky.ics"_s});

        for (const QString &spatny : {slozka.filePath(u"chybi/svatky.ics"_s), slozka.path()}) {
            beh = Spust({u"--ics"_s, u"2027"_s, u"-o"_s, spatny});
            QCOMPARE(beh.kod, 2);
            QVERIFY2(beh.chyby.contains(u"„"_s + spatny + u"“"_s), qPrintable(beh.chyby));
        }
        QFile::setPermissions(slozka.path(), QFile::ReadOwner | QFile::ExeOwner);
        beh = Spust({u"--ics"_s, u"2027"_s, u"-o"_s, slozka.filePath(u"jiny.ics"_s)});
        QFile::setPermissions(
            slozka.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (geteuid() != 0) // root writes anywhere
            QCOMPARE(beh.kod, 2);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files).size(), beh.kod == 0 ? 2 : 1);
    }

    // What the file name leads to is written into and stays what it was: the file behind a
    // link, with its rights, a device, a pipe, the program's own standard output. The device
    // and the link to standard output are made in the test's folder, as /dev/null and
    // /dev/stdout are: a program that replaced them there would break the whole system.
    void zapisDoCile_data()
    {
        QTest::addColumn<QString>("cil");
        QTest::newRow("odkaz do jiné složky") << u"odkaz"_s;
        QTest::newRow("soukromý soubor") << u"soukromy"_s;
        QTest::newRow("pojmenovaná roura") << u"roura"_s;
        QTest::newRow("standardní výstup") << u"stdout"_s;
        QTest::newRow("zařízení") << u"null"_s;
        QTest::newRow("nejdelší název") << QString(255, u'j');
    }
    void zapisDoCile()
    {
        QFETCH(QString, cil);
        QTemporaryDir slozka, jinde;
        QString cesta = slozka.filePath(cil);
        QString soubor = cesta; // where the calendar is to be read
        QProcess ctenar;
        struct stat predtim {
        };
        if (cil == u"odkaz"_s) {
            soubor = jinde.filePath(u"svatky.ics"_s);
            QFile stary(soubor);
            QVERIFY(stary.open(QIODevice::WriteOnly));
            stary.write("stary\n");
            stary.close();
            QVERIFY(QFile::link(soubor, cesta));
        } else if (cil == u"soukromy"_s) {
            QFile stary(cesta);
            QVERIFY(stary.open(QIODevice::WriteOnly));
            stary.close();
            QVERIFY(chmod(cesta.toLocal8Bit().constData(), 0600) == 0);
            QVERIFY(chown(cesta.toLocal8Bit().constData(), 65534, 65534) == 0 || geteuid() != 0);
        } else if (cil == u"roura"_s) {
            QVERIFY(mkfifo(cesta.toLocal8Bit().constData(), 0600) == 0);
            ctenar.start(u"cat"_s, {cesta});
            QVERIFY(ctenar.waitForStarted());
        } else if (cil == u"stdout"_s) {
            QVERIFY(QFile::link(u"/proc/self/fd/1"_s, cesta));
        } else if (cil == u"null"_s) {
            // Only root makes devices, and only root could replace /dev/null.
            if (mknod(cesta.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                cesta = u"/dev/null"_s;
        }
        const bool bylo = lstat(cesta.toLocal8Bit().constData(), &predtim) == 0;

        const Beh beh = Spust({u"--ics"_s, u"2027"_s, u"-o"_s, cesta}, slozka.path());
        QCOMPARE(beh.chyby, QString());
        QCOMPARE(beh.kod, 0);

        struct stat potom {
        };
        QVERIFY(lstat(cesta.toLocal8Bit().constData(), &potom) == 0);
        QCOMPARE(potom.st_mode & S_IFMT, bylo ? predtim.st_mode & S_IFMT : S_IFREG);
        QByteArray obsah;
        if (cil == u"roura"_s) {
            QVERIFY(ctenar.waitForFinished(30000));
            obsah = ctenar.readAllStandardOutput();
        } else if (cil == u"stdout"_s) {
            obsah = beh.vystup.toUtf8();
        } else if (cil != u"null"_s) {
            QFile f(soubor);
            QVERIFY(f.open(QIODevice::ReadOnly));
            obsah = f.readAll();
            // Nothing but the file itself is left in the folder.
            QCOMPARE(QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                QStringList {Nazev(cesta)});
        }
        if (cil != u"null"_s) {
            QVERIFY(obsah.startsWith("BEGIN:VCALENDAR\r\n"));
            QVERIFY(obsah.endsWith("END:VCALENDAR\r\n"));
        }
        if (cil == u"soukromy"_s) {
            QCOMPARE(potom.st_mode & 07777, 0600u);
            QCOMPARE(potom.st_uid, predtim.st_uid);
            QCOMPARE(potom.st_gid, predtim.st_gid);
        } else if (cil == u"stdout"_s || cil == u"null"_s) {
            QCOMPARE(potom.st_ino, predtim.st_ino);
        }
    }

    // A signal mid-export leaves the older file and nothing beside it.
    void signalUprostred_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void signalUprostred()
    {
        QFETCH(int, signal);
        QTemporaryDir slozka;
        const QString cil = slozka.filePath(u"svatky.ics"_s);
        QFile stary(cil);
        QVERIFY(stary.open(QIODevice::WriteOnly));
        stary.write("stary\n");
        stary.close();

        QFileSystemWatcher hlidac({slozka.path()});
        QSignalSpy zmena(&hlidac, &QFileSystemWatcher::directoryChanged);
        QProcess p;
        p.start(QStringLiteral(VORANEK_SVATKY),
            {u"--ics"_s, u"1583-9999"_s, u"--varianta"_s, u"obe"_s, u"-o"_s, cil});
        // The temporary file appears once the export has begun.
        QVERIFY(zmena.wait(30000));
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        kill(static_cast<pid_t>(p.processId()), signal);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList {u"svatky.ics"_s});
        QVERIFY(stary.open(QIODevice::ReadOnly));
        QCOMPARE(stary.readAll(), QByteArray("stary\n"));
    }

    // The export writes as it goes: a century more costs no more memory than a year, and it
    // runs under an address space limit far below what the whole file would need.
    void pametStejna()
    {
        QTemporaryDir slozka;
        // The peak of the program alone: a child of this big test process would count the test's
        // own pages, so a small Python starts it.
        const auto spicka = [&](const QString &roky) {
#ifdef __SANITIZE_ADDRESS__
            const QString limit = u"0"_s; // the sanitizer reserves terabytes of address space
#else
            const QString limit = QString::number(64 << 20);
#endif
            QProcess p;
            QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
            // The sanitizer keeps freed memory aside unless told not to.
            prostredi.insert(u"ASAN_OPTIONS"_s, u"detect_leaks=0:quarantine_size_mb=0"_s);
            p.setProcessEnvironment(prostredi);
            p.start(u"/usr/bin/python3"_s,
                {u"-c"_s,
                    u"import resource, subprocess, sys\n"
                    "limit = int(sys.argv[1])\n"
                    "def omez():\n"
                    "    if limit: resource.setrlimit(resource.RLIMIT_AS, (limit, limit))\n"
                    "kod = subprocess.run(sys.argv[2:], preexec_fn=omez).returncode\n"
                    "print(kod, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)\n"_s,
                    limit, QStringLiteral(VORANEK_SVATKY), u"--ics"_s, roky, u"--varianta"_s,
                    u"obe"_s, u"--pripominka"_s, u"8:00"_s, u"-o"_s,
                    slozka.filePath(u"svatky.ics"_s)});
            p.waitForFinished(120000);
            const QStringList vysledek = QString::fromUtf8(p.readAllStandardOutput()).split(u' ');
            return std::pair {vysledek.value(0).toInt(), vysledek.value(1).toLongLong()};
        };
        const auto [kodRoku, rok] = spicka(u"2027"_s);
        const auto [kodStoleti, stoleti] = spicka(u"1583-1682"_s);
        QCOMPARE(kodRoku, 0);
        QCOMPARE(kodStoleti, 0);
        // The century's file alone is some 40 MB.
        QVERIFY2(stoleti - rok < 10 * 1024, qPrintable(u"%1 kB, %2 kB"_s.arg(rok).arg(stoleti)));
    }
};

QTEST_GUILESS_MAIN(TestSvatky)
#include "tst_svatky.moc"
