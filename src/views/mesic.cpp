// The month grid: one column per week, one row per weekday, Monday at the top.
#include "app/kalendar.h"
#include "calendar/jmena.h"
#include "calendar/udajedne.h"
#include "views/svatkyovladace.h"
#include "views/text.h"
#include "widgets/rozvrzeni.h"
#include "widgets/seznam.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

using namespace voranek;
using namespace Qt::StringLiterals;

void TfrmKalendar::VytvorMesic()
{
    Panel3 = NovyPanel(gbKalendar, {"Panel3", {10, 18, 300, 176}, "", Panel::Okraj::Zadny, 0});
    Panel3->setBarva(palette().color(QPalette::Dark));

    static const char *const dnyTydne[7][2]
        = {{"Panel4", "PONDĚLÍ"}, {"Panel5", "ÚTERÝ"}, {"Panel6", "STŘEDA"}, {"Panel7", "ČTVRTEK"},
            {"Panel8", "PÁTEK"}, {"Panel9", "SOBOTA"}, {"Panel10", "NEDĚLE"}};
    for (int r = 0; r < 7; ++r) {
        Panel *p = NovyPanel(Panel3,
            {dnyTydne[r][0], {1, 1 + 25 * r, 76, 24}, dnyTydne[r][1], Panel::Okraj::Zvyseny, 11});
        p->setBarva(palette().color(QPalette::Button));
        p->setBarvaTextu(palette().color(QPalette::WindowText));
    }

    for (int k = 0; k < 42; ++k) {
        const int sloupec = k / 7;
        const int radek = k % 7;
        const QByteArray jmeno = "p" + QByteArray::number(k);
        Panel *bunka = NovyPanel(Panel3,
            {jmeno.constData(), {78 + 37 * sloupec, 1 + 25 * radek, 36, 24}, "",
                Panel::Okraj::Zadny, 13});
        bunka->setBarva(Qt::white);
        bunka->setBarvaTextu(radek == 6 ? QColor(Qt::red) : palette().color(QPalette::WindowText));
        connect(bunka, &Panel::klik, this, [this, bunka] { DenClick(bunka); });
        bunky[static_cast<std::size_t>(k)] = bunka;
    }
}

void TfrmKalendar::OdbarviBunky()
{
    for (Panel *b : bunky) {
        b->setBarva(Qt::white);
        b->setAccessibleDescription(QString());
    }
}

void TfrmKalendar::VymazBunky()
{
    for (Panel *b : bunky)
        b->setText(QString());
}

void TfrmKalendar::OznacDen(int den)
{
    const QString t = QString::number(den);
    for (Panel *b : bunky) {
        if (!b->text().isEmpty() && b->text() == t) {
            OdbarviBunky();
            b->setBarva(palette().color(QPalette::Button));
            b->setAccessibleDescription(u"zvolený den"_s);
            return;
        }
    }
}

void TfrmKalendar::VyplnMesic(int den, int mesic, int rok)
{
    VymazBunky();
    const int w
        = DenVTydnu({1, static_cast<std::uint16_t>(mesic), static_cast<std::uint16_t>(rok)});
    const int s = (w + 5) % 7;
    const int n = DnyVMesici(mesic, rok);
    for (int d = 1; d <= n; ++d)
        bunky[static_cast<std::size_t>(s + d - 1)]->setText(QString::number(d));

    // A screen reader hears the whole date of a cell, since the grid reads downwards.
    for (int k = 0; k < 42; ++k) {
        const int d = k - s + 1;
        Panel *b = bunky[static_cast<std::size_t>(k)];
        if (d < 1 || d > n) {
            b->setAccessibleName(u"prázdné pole"_s);
            continue;
        }
        const Datum datum {static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(mesic),
            static_cast<std::uint16_t>(rok)};
        const std::string_view tyden = DnyTydne[static_cast<std::size_t>(DenVTydnu(datum))];
        b->setAccessibleName(Qs(tyden.substr(3)) + u' ' + QString::number(d) + u". "_s
            + Qs(MesiceGenitiv[static_cast<std::size_t>(mesic - 1)]) + QString::number(rok));
    }
    OznacDen(den);
}

void TfrmKalendar::NadpisMesice()
{
    QString nadpis = u" Kalendář - "_s;
    const int i = cmbMesic->currentIndex();
    if (i >= 0 && i < 12)
        nadpis += Qs(MesiceNominativ[static_cast<std::size_t>(i)]);
    nadpis += edtRok->text();
    nadpis += u' ';
    gbKalendar->setTitle(nadpis);
}

void TfrmKalendar::PrekresliMesic(int den, int mesic, int rok)
{
    // Every change of the shown date passes here, so the proverb page opens on its month.
    MesicZobrazeni = mesic - 1;
    OdbarviBunky();
    VymazBunky();
    NadpisMesice();
    VyplnMesic(den, mesic, rok);
}

void TfrmKalendar::ZobrazDatum(int den, int mesic, int rok)
{
    // The edits' change handlers would draw what the steps below draw again; of their work
    // only the year's holidays stay, filled in here.
    PotlacitZmeny = true;
    edtDen->setText(QString::number(den));
    {
        const QSignalBlocker ticho(cmbMesic);
        cmbMesic->setCurrentIndex(mesic - 1);
    }
    edtRok->setText(QString::number(rok));
    PotlacitZmeny = false;
    NaplnRok(KalendarDnu, rok);
    NastavMaxDen();

    const DenKalendare &zaznam = KalendarDnu[mesic - 1][den - 1];
    lbJmeno->clear();
    NaplnJmena(CZ);
    lbJmeno->nahoru(zaznam.jmenoCZ);
    lbJmeno->vyber(zaznam.jmenoCZ);

    lbSvatek->clear();
    NaplnSvatky(*lbSvatek, CZ);
    lbSvatek->nahoru(zaznam.svatekCZ);
    lbSvatek->vyber(zaznam.svatekCZ);

    MesicZobrazeni = mesic - 1;
    ZobrazZnameni(den, mesic);
    ZobrazObdobi(den, mesic);
    NadpisMesice();
    VyplnMesic(den, mesic, rok);
}

void TfrmKalendar::DenClick(Panel *bunka)
{
    if (bunka->text().isEmpty())
        return;
    OdbarviBunky();
    bunka->setBarva(palette().color(QPalette::Button));
    bunka->setAccessibleDescription(u"zvolený den"_s);
    edtDen->setText(bunka->text());
    PoDatumu(Den(), Mesic());
}
