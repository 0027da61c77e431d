// The today panel: today's date line, both name days and both holiday lines.
#include "app/hodiny.h"
#include "app/kalendar.h"
#include "calendar/popisdne.h"
#include "views/svatkyovladace.h"
#include "views/text.h"
#include "widgets/linepanel.h"
#include "widgets/rozvrzeni.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace voranek;
using namespace Qt::StringLiterals;
using enum Panel::Okraj;

void TfrmKalendar::VytvorDnes()
{
    const QColor tvar = palette().color(QPalette::Button);

    pDatum = NovyPanel(gbDnes, {"pDatum", {10, 18, 260, 30}, "", Snizeny, 13});
    NovyPanel(gbDnes, {"Panel1", {10, 48, 260, 34}, TextSvatekMa.data(), Zvyseny, 13});
    mJmeno = Novy<LinePanel>(gbDnes, "mJmeno", {10, 81, 260, 40});
    mJmeno->setFont(Pismo(13));
    NovyPanel(gbDnes, {"Panel2", {10, 121, 260, 35}, TextSvatkyDne.data(), Zvyseny, 13});
    mSvatek = Novy<LinePanel>(gbDnes, "mSvatek", {10, 155, 260, 38});
    mSvatek->setFont(Pismo(11));
    // The two lines never take the focus, so no caret can stand in them.
    for (LinePanel *m : {mJmeno, mSvatek})
        m->setBarva(tvar);
    pDatum->setAccessibleName(u"Dnes je"_s);
    mJmeno->setAccessibleName(u"svátek má"_s);
    mSvatek->setAccessibleName(u"státní svátek, významný den"_s);
    mJmeno->setZnackyRadku({u"CZ:"_s, u"SK:"_s});
    mSvatek->setZnackyRadku({u"CZ:"_s, u"SK:"_s});

    // The country marks lie over the memos' left edge, level with their two lines.
    const PopisPanelu znacky[] = {
        {"Panel12", {12, 83, 22, 14}, "CZ:", Zadny, 11},
        {"Panel15", {12, 101, 22, 15}, "SK:", Zadny, 11},
        {"Panel13", {12, 157, 22, 14}, "CZ:", Zadny, 11},
        {"Panel14", {12, 172, 22, 15}, "SK:", Zadny, 11},
    };
    for (const PopisPanelu &z : znacky) {
        Panel *p = NovyPanel(gbDnes, z);
        p->setBarva(tvar);
        p->setBarvaTextu(Qt::black);
        p->raise();
    }

    // A click into the panel puts the keyboard focus on the date line, which holds it without
    // a caret; the keys then leave the search panel's controls alone. The line keeps no focus
    // policy of its own: a label that may take the focus lays its text out as a document.
    for (Panel *p : gbDnes->findChildren<Panel *>())
        connect(p, &Panel::klik, pDatum, [this] { pDatum->setFocus(Qt::MouseFocusReason); });
    // The Tab key reaches the date line too, and the program starts on it: a listener hears
    // today's date, names and holidays first.
    pDatum->setFocusPolicy(Qt::TabFocus);
    pDatum->setFocus(Qt::OtherFocusReason);
    // Each mark stands on its line's baseline, wherever the fonts put the lines.
    for (int i = 0; i < 4; ++i) {
        gbDnes->findChild<Panel *>(QLatin1StringView(znacky[i].jmeno))
            ->setRadek(i < 2 ? mJmeno : mSvatek, i % 2);
    }
}

void TfrmKalendar::ObnovDnes()
{
    const QDate dnes = hodiny_.ted().date();
    const Datum datum {static_cast<std::uint16_t>(dnes.day()),
        static_cast<std::uint16_t>(dnes.month()), static_cast<std::uint16_t>(dnes.year())};
    const int den = datum.den;
    const int mesic = datum.mesic;

    // Today's own year, whatever year the search panel shows.
    const PopisDne popis = Popis(datum);
    pDatum->setText(QString::fromStdString(popis.datum));

    mJmeno->vymaz();
    mJmeno->pridejRadek(Qs(popis.TextJmena(CZ)));

    mSvatek->vymaz();
    SvatekDne(*mSvatek, CZ, datum);
    SvatekDne(*mSvatek, SK, datum);

    mJmeno->pridejRadek(Qs(popis.TextJmena(SK)));
    PopisDnesProCtecku();

    if (!DnesZobrazeno) {
        // Today itself, also with a clock outside the years the up-down admits: its bounds
        // bring the year back within them at the user's first step.
        ZobrazDatum(den, mesic, datum.rok);
        DnesZobrazeno = true;
    }
    DatumObnovy = dnes;
}

void TfrmKalendar::PopisDnesProCtecku()
{
    // A reader speaks a label's name and not its description: the date line's name holds
    // the date, the names and the holidays, in the order they stand on screen.
    const auto vety = [](const LinePanel *m) {
        return m->accessibleName() + u": "_s
            + m->popisObsahu().replace(u'\n', u", "_s).replace(u":"_s, QString());
    };
    const QString datum = pDatum->text().replace(u" / "_s, u", "_s);
    const QString jmeno
        = u"Dnes je "_s + datum + u". "_s + vety(mJmeno) + u". "_s + vety(mSvatek) + u'.';
    const QString popis = datum;
    if (pDatum->accessibleName() != jmeno)
        pDatum->setAccessibleName(jmeno);
    if (pDatum->accessibleDescription() != popis)
        pDatum->setAccessibleDescription(popis);
}
