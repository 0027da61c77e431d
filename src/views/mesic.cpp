// The month grid: one column per week, one row per weekday, Monday at the top.
#include "app/kalendar.h"
#include "calendar/jmena.h"
#include "calendar/udajedne.h"
#include "views/svatkyovladace.h"
#include "views/text.h"
#include "widgets/rozvrzeni.h"
#include "widgets/seznam.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
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
        // Each day says its weekday itself; a reader entering the grid would read the
        // headings as loose labels.
        p->setJmenoProCtecku([] { return QString(); });
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
        // A redrawn month changes every cell: the cells stay quiet and a reader asks for a
        // cell's whole date when it comes to it. A name of its own keeps the label itself
        // from announcing each new number.
        bunka->setTichy(true);
        bunka->setTlacitkoProCtecku(true);
        bunka->setJmenoProCtecku([this, bunka] { return JmenoBunky(bunka); });
        bunka->setAccessibleName(u"den"_s);
        bunky[static_cast<std::size_t>(k)] = bunka;
    }

    // The chosen day takes the focus by Tab; the arrows then move it over the days, Enter or
    // Space chooses the day that has it.
    Panel3->setAccessibleName(u"Dny měsíce"_s);
    for (Panel *bunka : bunky)
        bunka->installEventFilter(this);
}

QString TfrmKalendar::JmenoBunky(const Panel *bunka) const
{
    // A screen reader hears the whole date of a cell, since the grid reads downwards.
    const int d = bunka->text().toInt();
    const int mesic = Mesic();
    const int rok = Rok();
    if (d < 1 || mesic < 1 || mesic > 12 || d > DnyVMesici(mesic, rok))
        return {};
    const Datum datum {static_cast<std::uint16_t>(d), static_cast<std::uint16_t>(mesic),
        static_cast<std::uint16_t>(rok)};
    const std::string_view tyden = DnyTydne[static_cast<std::size_t>(DenVTydnu(datum))];
    return Qs(tyden.substr(3)) + u' ' + QString::number(d) + u". "_s
        + Qs(MesiceGenitiv[static_cast<std::size_t>(mesic - 1)]) + QString::number(rok);
}

int TfrmKalendar::IndexBunky(const QObject *objekt) const
{
    const auto it = std::find(bunky.begin(), bunky.end(), objekt);
    return it == bunky.end() ? -1 : static_cast<int>(it - bunky.begin());
}

void TfrmKalendar::PosunKurzor(int k, bool fokus)
{
    if (k < 0 || k >= 42 || bunky[static_cast<std::size_t>(k)]->text().isEmpty())
        return;
    Panel *bunka = bunky[static_cast<std::size_t>(k)];
    // Only the day under the cursor stands in the Tab order.
    bunka->setFocusPolicy(Qt::TabFocus);
    if (fokus) {
        // A quiet cell's name may have changed with the month since a reader last asked.
        if (QAccessible::isActive()) {
            QAccessibleEvent jmeno(bunka, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&jmeno);
        }
        bunka->setFocus(Qt::OtherFocusReason);
    }
    if (KurzorMrizky >= 0 && KurzorMrizky != k)
        bunky[static_cast<std::size_t>(KurzorMrizky)]->setFocusPolicy(Qt::NoFocus);
    KurzorMrizky = k;
}

void TfrmKalendar::UmistiKurzor()
{
    int zvoleny = -1;
    for (int k = 0; k < 42; ++k) {
        if (!bunky[static_cast<std::size_t>(k)]->accessibleDescription().isEmpty())
            zvoleny = k;
    }
    const bool vMrizce
        = KurzorMrizky >= 0 && bunky[static_cast<std::size_t>(KurzorMrizky)]->hasFocus();
    if (!vMrizce)
        PosunKurzor(zvoleny, false);
    else if (bunky[static_cast<std::size_t>(KurzorMrizky)]->text().isEmpty())
        PosunKurzor(zvoleny, true);
}

void TfrmKalendar::KrokMrizky(int k, int posun)
{
    const int cil = k + posun;
    if (cil >= 0 && cil < 42 && !bunky[static_cast<std::size_t>(cil)]->text().isEmpty()) {
        PosunKurzor(cil, true);
        return;
    }
    // Past the month's first or last day the cursor goes on into the neighbouring month,
    // whose day is then chosen as a click chooses one: the grid shows the chosen month.
    int den = bunky[static_cast<std::size_t>(k)]->text().toInt() + posun;
    int mesic = Mesic();
    int rok = Rok();
    if (den < 1) {
        if (--mesic < 1) {
            mesic = 12;
            --rok;
        }
        den += DnyVMesici(mesic, rok);
    } else {
        den -= DnyVMesici(mesic, rok);
        if (++mesic > 12) {
            mesic = 1;
            ++rok;
        }
    }
    if (rok < PrvniRok || rok > PosledniRok || den < 1 || den > DnyVMesici(mesic, rok))
        return;
    const bool novyRok = rok != Rok();
    PotlacitZmeny = true;
    NastavDenMesic(den, mesic);
    if (novyRok)
        NastavRok(rok);
    PotlacitZmeny = false;
    if (novyRok)
        NaplnRok(KalendarDnu, rok);
    NastavMaxDen();
    ObnovVyhledavani(den, mesic, rok);
    const QString t = QString::number(den);
    for (int i = 0; i < 42; ++i) {
        if (bunky[static_cast<std::size_t>(i)]->text() == t)
            PosunKurzor(i, true);
    }
}

bool TfrmKalendar::KlavesaMrizky(int k, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *klavesa = static_cast<QKeyEvent *>(event);
    if (klavesa->modifiers() & ~Qt::KeypadModifier)
        return false;
    // A column is a week: up and down step a day, left and right a week.
    switch (klavesa->key()) {
    case Qt::Key_Up:
        KrokMrizky(k, -1);
        return true;
    case Qt::Key_Down:
        KrokMrizky(k, 1);
        return true;
    case Qt::Key_Left:
        KrokMrizky(k, -7);
        return true;
    case Qt::Key_Right:
        KrokMrizky(k, 7);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        DenClick(bunky[static_cast<std::size_t>(k)]);
        return true;
    default:
        return false;
    }
}

void TfrmKalendar::OdbarviBunky()
{
    for (Panel *b : bunky) {
        b->setBarva(Qt::white);
        // Qt announces every description set, even an unchanged one.
        if (!b->accessibleDescription().isEmpty())
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
    const int w
        = DenVTydnu({1, static_cast<std::uint16_t>(mesic), static_cast<std::uint16_t>(rok)});
    const int s = (w + 5) % 7;
    const int n = DnyVMesici(mesic, rok);
    // Each cell is written once, straight to its new day or to empty.
    for (int k = 0; k < 42; ++k) {
        const int d = k - s + 1;
        bunky[static_cast<std::size_t>(k)]->setText(
            d >= 1 && d <= n ? QString::number(d) : QString());
    }
    OznacDen(den);
    UmistiKurzor();
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
