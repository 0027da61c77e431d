#include "info/operace.h"

#include "calendar/jmena.h"
#include "info/jmenainfo.h"
#include "info/pranostiky.h"
#include "info/slovnik.h"
#include "views/text.h"
#include "widgets/classicstyle.h"
#include "widgets/memo.h"
#include "widgets/rozvrzeni.h"
#include "widgets/seznam.h"

#include <QAccessible>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

using namespace voranek;
using namespace Qt::StringLiterals;

namespace {

// The info page lists the Czech entries with one spelling of its own.
constexpr int IndexEvzenie = 100;

QGroupBox *Skupina(QWidget *stranka, const char *jmeno, const char *titulek)
{
    auto *gb = Novy<QGroupBox>(stranka, jmeno, {16, 30, 452, 259});
    gb->setTitle(QString::fromUtf8(titulek));
    return gb;
}

// The heading in words: a screen reader would spell the spaced-out capitals letter by letter.
QString NadpisSlovy(const QString &nadpis)
{
    QStringList slova;
    for (const QString &slovo : nadpis.split(u"  "_s, Qt::SkipEmptyParts)) {
        QString s = slovo.simplified().remove(u' ').toLower();
        if (s.size() > 1)
            s[0] = s[0].toUpper();
        if (!s.isEmpty())
            slova.append(s);
    }
    return slova.join(u' ');
}

} // namespace

TfrmOperace::TfrmOperace(QWidget *parent)
    : PagedDialog(u"   VORANEK  zajímavosti a informace"_s, {482, 334}, parent)
{
    setObjectName(u"frmOperace"_s);
    const QColor tvar = palette().color(QPalette::Button);

    // Dictionary
    QWidget *prevod = NovaStranka("prevod", "Převod", "PRÁCE S KALENDÁŘEM - PŘEVOD");
    QGroupBox *gb3 = Skupina(prevod, "GroupBox3", " Převod názvů - minislovníček ");
    lbNazev = Novy<Seznam>(gb3, "lbNazev", {13, 30, 180, 212});
    for (const SlovoSlovniku &s : Slovnik)
        lbNazev->addItem(Qs(s.cesky));
    lbNazev->setAccessibleName(u"Český název"_s);
    pSlovo = NovyPanel(gb3, {"pSlovo", {206, 30, 233, 54}, "calendar", Panel::Okraj::Snizeny, 0});
    pSlovo->setAccessibleName(u"Překlad"_s);
    Novy<QLabel>(gb3, "Label9", {288, 114, 120, 16})->setText(u"převést do"_s);
    lbJazyk = Novy<Seznam>(gb3, "lbJazyk", {248, 155, 153, 86});
    for (std::string_view j : JazykySlovniku)
        lbJazyk->addItem(Qs(j));
    lbJazyk->setAccessibleName(u"převést do"_s);
    connect(lbNazev, &Seznam::klik, this, &TfrmOperace::lbNazevClick);
    connect(lbJazyk, &Seznam::klik, this, &TfrmOperace::lbJazykClick);

    // Proverbs
    QWidget *pranostiky
        = NovaStranka("pranostiky", "Pranostiky", "PRÁCE S KALENDÁŘEM - PRANOSTIKY");
    gbPra = Skupina(pranostiky, "gbPra", " Pranostiky na měsíc  ");
    mPra = Novy<Memo>(gbPra, "mPra", {13, 32, 292, 207});
    mPra->setZarovnani(Qt::AlignHCenter);
    mPra->setFont(Pismo(12));
    mPra->setAccessibleName(u"Pranostiky"_s);
    lbMesicPra = Novy<Seznam>(gbPra, "lbMesicPra", {318, 35, 121, 198});
    lbMesicPra->addItems(PolozkyMesicu());
    lbMesicPra->setAccessibleName(u"Měsíc"_s);
    connect(lbMesicPra, &Seznam::klik, this, &TfrmOperace::lbMesicPraClick);

    // Names
    QWidget *vice = NovaStranka("vice o...", "Více o...", "PRÁCE S KALENDÁŘEM - VÍCE O...");
    QGroupBox *gb1 = Skupina(vice, "GroupBox1", " Vyhledávání informací o jméně ");
    mVice = Novy<Memo>(gb1, "mVice", {13, 24, 426, 177});
    mVice->setZarovnani(Qt::AlignLeft);
    mVice->setFont(Pismo(12));
    mVice->setAccessibleName(u"Informace o jméně"_s);
    pJmeno = NovyPanel(gb1, {"pJmeno", {15, 26, 405, 26}, "", Panel::Okraj::Zadny, 13});
    pJmeno->setBarva(palette().color(QPalette::Dark));
    pJmeno->setDolniLinka(true);
    pJmeno->setFocusPolicy(Qt::ClickFocus);
    pJmeno->setAccessibleName(u"Jméno"_s);
    pJmeno->raise();
    auto *zadejte = Novy<QLabel>(gb1, "Label3", {56, 222, 160, 16});
    zadejte->setText(u"Zadejte hledané jméno:"_s);
    cmbJmena = Novy<QComboBox>(gb1, "cmbJmena", {221, 218, 185, 24});
    QStringList jmena;
    for (std::string_view j : JmenaCZ)
        jmena.append(Qs(j));
    jmena[IndexEvzenie] = u"Evženie"_s;
    cmbJmena->addItems(jmena);
    setDropDownRows(cmbJmena, 16);
    cmbJmena->setCurrentIndex(-1);
    cmbJmena->setAccessibleName(u"Zadejte hledané jméno"_s);
    zadejte->setBuddy(cmbJmena);
    connect(cmbJmena, &QComboBox::activated, this, &TfrmOperace::cmbJmenaChange);

    for (Memo *m : {mPra, mVice}) {
        m->setBarva(tvar);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    // A click into a memo passes the focus on; the keyboard reads them.
    connect(mPra, &Memo::vstup, this, [this] { okButton()->setFocus(Qt::OtherFocusReason); });
    connect(mVice, &Memo::vstup, this, [this] { pJmeno->setFocus(Qt::OtherFocusReason); });

    mPra->pridejRadek(u"mPra"_s);
    mVice->pridejRadek(u"mVice"_s);
}

QWidget *TfrmOperace::NovaStranka(const char *jmeno, const char *zalozka, const char *titulek)
{
    QWidget *stranka = addPage(QString::fromUtf8(jmeno), QString::fromUtf8(zalozka));
    auto *nadpis = new QLabel(QString::fromUtf8(titulek), stranka);
    nadpis->setGeometry(0, 10, 483, 16);
    nadpis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return stranka;
}

void TfrmOperace::Otevri(int k, QPoint roh, int mesicZobrazeni)
{
    mVice->vymaz();
    pJmeno->setText(QString());
    {
        const QSignalBlocker ticho(cmbJmena);
        cmbJmena->setCurrentIndex(-1);
    }

    lbMesicPra->vyber(mesicZobrazeni);

    lbNazev->vyber(13);
    lbJazyk->vyber(0);
    pSlovo->setText(Qs(PrelozSlovo(13, 0)));
    PrekladyProCtecku();

    // An open window is not shown again, so it follows the new month here.
    const bool otevreno = isVisible() && !isMinimized();
    showPage(k, roh);
    if (otevreno)
        ObnovStranky();
}

void TfrmOperace::ObnovStranky()
{
    if (cmbJmena->currentIndex() >= 0)
        ObnovJmeno();
    VypisPranostiky(lbMesicPra->vybrany() + 1);
}

void TfrmOperace::showEvent(QShowEvent *event)
{
    PagedDialog::showEvent(event);
    ObnovStranky();
}

void TfrmOperace::changeEvent(QEvent *event)
{
    PagedDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && isVisible())
        ObnovStranky();
}

void TfrmOperace::lbNazevClick()
{
    pSlovo->setText(Qs(PrelozSlovo(lbNazev->vybrany(), lbJazyk->vybrany())));
    PrekladyProCtecku();
}

void TfrmOperace::PrekladyProCtecku()
{
    // Each row of both lists reads with the translation it leads to, so that a listener
    // moving through either list hears the new word at once. The names are announced as
    // changed, or a reader would keep those it has already heard.
    const int slovo = lbNazev->vybrany();
    const int jazyk = lbJazyk->vybrany();
    const auto pojmenuj = [](Seznam *seznam, int radek, const QString &jmeno) {
        QListWidgetItem *polozka = seznam->item(radek);
        if (polozka->data(Qt::AccessibleTextRole).toString() == jmeno)
            return;
        polozka->setData(Qt::AccessibleTextRole, jmeno);
        // A hidden window is read anew when shown; its rows need no notice.
        if (QAccessible::isActive() && seznam->isVisible()) {
            QAccessibleEvent zmena(seznam, QAccessible::NameChanged);
            zmena.setChild(radek);
            QAccessible::updateAccessibility(&zmena);
        }
    };
    for (int i = 0; i < lbNazev->count(); ++i)
        pojmenuj(lbNazev, i, lbNazev->item(i)->text() + u": "_s + Qs(PrelozSlovo(i, jazyk)));
    for (int j = 0; j < lbJazyk->count(); ++j)
        pojmenuj(lbJazyk, j, lbJazyk->item(j)->text() + u": "_s + Qs(PrelozSlovo(slovo, j)));
}

void TfrmOperace::lbJazykClick()
{
    lbNazevClick();
}

void TfrmOperace::VypisPranostiky(int mesic)
{
    const auto m = static_cast<std::uint16_t>(mesic);
    mPra->setUpdatesEnabled(false);
    mPra->zacniDavku();
    mPra->vymaz();
    mPra->pridejRadek(QString());
    if (m >= 1 && m <= 12) {
        const MesicPranostik &p = Pranostiky()[m - 1u];
        gbPra->setTitle(Qs(p.nadpis));
        for (std::size_t i = 0; i < p.pranostiky.size(); ++i) {
            if (i > 0)
                mPra->pridejRadek(Qs(OddelovacPranostik));
            mPra->pridejRadek(Qs(p.pranostiky[i]));
        }
    }
    mPra->smazPrvniRadek();
    mPra->ukonciDavku();
    mPra->naZacatek();
    mPra->setUpdatesEnabled(true);
}

void TfrmOperace::lbMesicPraClick()
{
    VypisPranostiky(lbMesicPra->vybrany() + 1);
}

void TfrmOperace::VypisJmeno(int index)
{
    const auto i = static_cast<std::uint16_t>(index);
    if (i >= JmenaCZ.size())
        return;
    // Spaced capitals are spelled out letter by letter; a reader is given the words.
    const QString nadpis = NadpisJmena(i);
    pJmeno->setText(nadpis, NadpisSlovy(nadpis));
    const QString datum = DatumJmena(i);
    const auto osoby = OsobyZaznamu(i);
    for (std::size_t o = 0; o < osoby.size(); ++o) {
        const OsobaJmena &osoba = osoby[o];
        if (o > 0) {
            mVice->pridejRadek(QString());
            mVice->pridejRadek(Qs(OddelovacOsob));
            // Pavel has always stood one line lower than the second person of other entries.
            if (JmenaCZ[i] == "Petr a Pavel")
                mVice->pridejRadek(QString());
        }
        const std::pair<const char *, QString> radky[] = {
            {"   JMÉNO: ", Qs(osoba.jmeno)},
            {"   DATUM: ", datum},
            {"   PŮVOD: ", Qs(osoba.puvod)},
            {"   VÝZNAM: ", Qs(osoba.vyznam)},
            {"   DOMÁCKÉ TVARY JMÉNA: ", Qs(osoba.domacke)},
        };
        for (const auto &[popisek, hodnota] : radky) {
            mVice->pridejRadek(QString());
            mVice->pridejRadek(QString::fromUtf8(popisek) + hodnota);
        }
    }
}

void TfrmOperace::ObnovJmeno()
{
    mVice->setUpdatesEnabled(false);
    mVice->zacniDavku();
    mVice->vymaz();
    mVice->pridejRadek(QString());
    mVice->pridejRadek(QString());
    VypisJmeno(cmbJmena->currentIndex());
    mVice->smazPrvniRadek();
    mVice->ukonciDavku();
    mVice->naZacatek();
    mVice->setUpdatesEnabled(true);
}

void TfrmOperace::cmbJmenaChange()
{
    ObnovJmeno();
}
