// The search panel: the shown date, the CZ/SK switch and the searches by season, sign, name
// and holiday. The shown date lives only in edtDen, cmbMesic and edtRok.
#include "app/kalendar.h"
#include "calendar/jmena.h"
#include "calendar/svatky.h"
#include "calendar/udajedne.h"
#include "calendar/znameni.h"
#include "views/svatkyovladace.h"
#include "views/text.h"
#include "widgets/classicstyle.h"
#include "widgets/panel.h"
#include "widgets/rozvrzeni.h"
#include "widgets/seznam.h"
#include "widgets/updown.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace voranek;
using namespace Qt::StringLiterals;

namespace {

// Changes a combo box's item without running its change handler.
void VyberPolozku(QComboBox *combo, int index)
{
    const QSignalBlocker ticho(combo);
    combo->setCurrentIndex(index);
}

template<std::size_t N> QStringList Texty(const std::array<Obdobi, N> &polozky)
{
    QStringList texty;
    for (const Obdobi &o : polozky)
        texty.append(Qs(o.text));
    return texty;
}

} // namespace

void TfrmKalendar::VytvorVyhledavani()
{
    QWidget *gb = GroupBox2;
    const auto popisek
        = [gb](const char *jmeno, QRect misto, const char *text, Qt::Alignment zarovnani) {
              auto *l = Novy<QLabel>(gb, jmeno, misto);
              l->setText(QString::fromUtf8(text));
              l->setAlignment(zarovnani);
              return l;
          };
    const auto pole = [gb](const char *jmeno, QRect misto, const char *text) {
        auto *e = Novy<QLineEdit>(gb, jmeno, misto);
        e->setReadOnly(true);
        e->setText(QString::fromLatin1(text));
        e->setAlignment(Qt::AlignLeft);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, Qt::white);
        e->setPalette(p);
        return e;
    };
    const auto spinac = [gb](const char *jmeno, QRect misto, QLineEdit *edit, int min, int max) {
        auto *u = Novy<UpDown>(gb, jmeno, misto);
        u->setMinimum(min);
        u->setMaximum(max);
        u->setBuddy(edit);
        return u;
    };

    edtDen = pole("edtDen", {10, 24, 30, 24}, "19");
    updDen = spinac("updDen", {40, 24, 16, 24}, edtDen, 1, 31);
    cmbMesic = Novy<QComboBox>(gb, "cmbMesic", {65, 24, 95, 24});
    cmbMesic->addItems(PolozkyMesicu());
    cmbMesic->setCurrentIndex(-1);
    edtRok = pole("edtRok", {167, 24, 45, 24}, "2005");
    updRok = spinac("updRok", {212, 24, 16, 24}, edtRok, PrvniRok, PosledniRok);
    updRok->setToolTip(u"od 1989 do 2099"_s);
    edtDen->setAccessibleName(u"den"_s);
    cmbMesic->setAccessibleName(u"měsíc"_s);
    edtRok->setAccessibleName(u"rok"_s);
    updDen->setAccessibleName(u"den o jedna více nebo méně"_s);
    updRok->setAccessibleName(u"rok o jedna více nebo méně"_s);

    popisek("Label2", {250, 13, 43, 16}, "Jména", Qt::AlignLeft | Qt::AlignVCenter);
    rgTyp = Novy<QGroupBox>(gb, "rgTyp", {236, 30, 77, 89});
    rgTyp->setTitle(u" a svátky "_s);
    // The caption reads on from the label above; unnamed, Qt would take the search box's.
    rgTyp->setAccessibleName(u"Jména a svátky"_s);
    rgTypSkupina = new QButtonGroup(rgTyp);
    // Qt labels a radio button by the group box it stands in, and a reader entering the box
    // then says its name twice: as the place entered and as the buttons' label. The buttons
    // stand on a bare layer of the box instead, which a reader passes over.
    auto *vrstva = new QWidget(rgTyp);
    vrstva->setGeometry(0, 0, rgTyp->width(), rgTyp->height());
    for (int i = 0; i < 2; ++i) {
        auto *volba = new QRadioButton(i == 0 ? u"CZ"_s : u"SK"_s, vrstva);
        volba->setObjectName(i == 0 ? u"rgTypCZ"_s : u"rgTypSK"_s);
        volba->setGeometry(10, 22 + 30 * i, 60, 22);
        rgTypSkupina->addButton(volba, i);
    }
    rgTypSkupina->button(CZ)->setChecked(true);

    popisek("lblSeznam", {10, 50, 92, 16}, "Seznam jmen:", Qt::AlignCenter);
    lbJmeno = Novy<Seznam>(gb, "lbJmeno", {10, 70, 217, 84});
    lbJmeno->setFocusPolicy(Qt::ClickFocus);
    lbJmeno->setAccessibleName(u"Seznam jmen"_s);
    popisek("lblSvatek", {323, 16, 184, 16}, "Státní svátky, významné dny:", Qt::AlignCenter);
    lbSvatek = Novy<Seznam>(gb, "lbSvatek", {323, 36, 419, 84});
    lbSvatek->setAccessibleName(u"Státní svátky, významné dny"_s);

    QLabel *obdobi = popisek("Label1", {234, 122, 55, 32}, "Roční   období:", Qt::AlignCenter);
    obdobi->setWordWrap(true);
    cmbRocniObdobi = Novy<QComboBox>(gb, "cmbRocniObdobi", {294, 130, 155, 24});
    cmbRocniObdobi->addItems(Texty(RocniObdobi));
    cmbRocniObdobi->setAccessibleName(u"Roční období"_s);
    QLabel *znameni
        = popisek("Label3", {460, 122, 75, 32}, "Znamení     zvěrokruhu:", Qt::AlignCenter);
    znameni->setWordWrap(true);
    cmbZnameni = Novy<QComboBox>(gb, "cmbZnameni", {548, 130, 196, 24});
    cmbZnameni->addItems(Texty(Znameni));
    cmbZnameni->setAccessibleName(u"Znamení zvěrokruhu"_s);
    for (QComboBox *c : {cmbMesic, cmbRocniObdobi, cmbZnameni}) {
        setDropDownRows(c, 13);
        QPalette p = c->palette();
        p.setColor(QPalette::Base, Qt::white);
        c->setPalette(p);
    }
    // Every control is reached by Tab, in the order they stand: after the date line and the
    // grid, the date, the name list below it, the CZ/SK switch, the holidays, then the
    // season and the sign.
    lbJmeno->setFocusPolicy(Qt::StrongFocus);
    QWidget *poradi[] = {edtDen, cmbMesic, edtRok, lbJmeno, rgTypSkupina->button(CZ),
        rgTypSkupina->button(SK), lbSvatek, cmbRocniObdobi, cmbZnameni};
    for (std::size_t i = 0; i + 1 < std::size(poradi); ++i)
        setTabOrder(poradi[i], poradi[i + 1]);
    // Qt names a drop-down list after its current item, and a reader given a label for it
    // speaks the label instead of the item: what the list is goes into its description.
    for (QComboBox *c : {cmbMesic, cmbRocniObdobi, cmbZnameni})
        c->setAccessibleDescription(c->accessibleName());
    for (int i = 0; i < 2; ++i)
        rgTypSkupina->button(i)->installEventFilter(this);

    connect(edtDen, &QLineEdit::textChanged, this, &TfrmKalendar::edtDenChange);
    connect(cmbMesic, &QComboBox::activated, this, &TfrmKalendar::cmbMesicChange);
    connect(edtRok, &QLineEdit::textChanged, this, &TfrmKalendar::edtRokChange);
    connect(rgTypSkupina, &QButtonGroup::idClicked, this, &TfrmKalendar::rgTypClick);
    connect(cmbRocniObdobi, &QComboBox::activated, this, &TfrmKalendar::cmbRocniObdobiChange);
    connect(cmbZnameni, &QComboBox::activated, this, &TfrmKalendar::cmbZnameniChange);
    connect(lbJmeno, &Seznam::klik, this, &TfrmKalendar::lbJmenoClick);
    connect(lbSvatek, &Seznam::klik, this, &TfrmKalendar::lbSvatekClick);
}

int TfrmKalendar::Den() const
{
    return edtDen->text().toInt();
}

int TfrmKalendar::Mesic() const
{
    return cmbMesic->currentIndex() + 1;
}

int TfrmKalendar::Rok() const
{
    return edtRok->text().toInt();
}

TypKalendare TfrmKalendar::Typ() const
{
    return rgTypSkupina->checkedId() == SK ? SK : CZ;
}

void TfrmKalendar::NastavDenMesic(int den, int mesic)
{
    edtDen->setText(QString::number(den));
    VyberPolozku(cmbMesic, mesic - 1);
}

void TfrmKalendar::NastavMaxDen()
{
    updDen->setMaximum(DnyVMesici(Mesic(), Rok()));
}

void TfrmKalendar::OmezDen()
{
    NastavMaxDen();
    if (Den() > updDen->maximum())
        edtDen->setText(QString::number(updDen->maximum()));
}

void TfrmKalendar::VyberJmenoDne(int den, int mesic)
{
    lbJmeno->scrollToTop();
    lbJmeno->vyber(-1);
    const int i = KalendarDnu.Jmeno(Typ(), den, mesic);
    lbJmeno->nahoru(i);
    lbJmeno->vyber(i);
}

void TfrmKalendar::VyberSvatekDne(int den, int mesic)
{
    lbSvatek->scrollToTop();
    lbSvatek->vyber(-1);
    const int kod = KalendarDnu.SvatekKod(Typ(), den, mesic);
    lbSvatek->nahoru(kod);
    lbSvatek->vyber(kod);
}

void TfrmKalendar::PoDatumu(int den, int mesic)
{
    VyberJmenoDne(den, mesic);
    VyberSvatekDne(den, mesic);
    ZobrazObdobi(den, mesic);
    ZobrazZnameni(den, mesic);
}

void TfrmKalendar::ObnovVyhledavani(int den, int mesic, int rok)
{
    PrekresliMesic(den, mesic, rok);
    PoDatumu(den, mesic);
}

void TfrmKalendar::edtDenChange()
{
    if (PotlacitZmeny)
        return;
    if (cmbMesic->currentIndex() < 0)
        return;
    ObnovVyhledavani(Den(), Mesic(), Rok());
}

void TfrmKalendar::cmbMesicChange()
{
    if (PotlacitZmeny)
        return;
    OmezDen();
    ObnovVyhledavani(Den(), Mesic(), Rok());
}

void TfrmKalendar::edtRokChange()
{
    if (PotlacitZmeny)
        return;
    if (cmbMesic->currentIndex() == 1)
        OmezDen();
    NaplnRok(KalendarDnu, Rok());

    const int vybrany = lbSvatek->vybrany();
    const bool pohyblivy = Typ() == CZ
        ? (vybrany == VelikonocniNedeleCZ || vybrany == VelikonocniPondeliCZ
            || vybrany == VelkyPatekCZ)
        : (vybrany == VelikonocniPondeliSK || vybrany == VelkyPatekSK);
    const bool sledovan = pohyblivy && SledujPohyblivySvatek(vybrany);

    // Start-up writes the year before a month is chosen; there is no month to draw yet.
    if (cmbMesic->currentIndex() < 0)
        return;
    // A holiday the new year does not have is no longer the shown day's.
    if (!sledovan && vybrany != KalendarDnu.SvatekKod(Typ(), Den(), Mesic()))
        VyberSvatekDne(Den(), Mesic());
    PrekresliMesic(Den(), Mesic(), Rok());
}

bool TfrmKalendar::SledujPohyblivySvatek(int kod)
{
    const auto den = KalendarDnu.DatumSvatku(Typ(), kod);
    if (!den)
        return false;
    PotlacitZmeny = true;
    NastavDenMesic(den->den, den->mesic);
    PotlacitZmeny = false;
    NastavMaxDen();
    PoDatumu(den->den, den->mesic);
    return true;
}

void TfrmKalendar::ZobrazZnameni(int den, int mesic)
{
    if (mesic >= 1 && mesic <= 12)
        VyberPolozku(cmbZnameni, ZnameniDne(den, mesic) - 1);
}

void TfrmKalendar::ZobrazObdobi(int den, int mesic)
{
    if (mesic >= 1 && mesic <= 12)
        VyberPolozku(cmbRocniObdobi, ObdobiDne(den, mesic) - 1);
}

void TfrmKalendar::NaplnJmena(TypKalendare typ)
{
    QStringList jmena;
    if (typ == CZ) {
        for (std::string_view j : JmenaCZ)
            jmena.append(Qs(j));
    } else {
        for (std::string_view j : JmenaSK)
            jmena.append(Qs(j));
    }
    lbJmeno->addItems(jmena);
}

void TfrmKalendar::rgTypClick()
{
    const TypKalendare typ = Typ();
    const int den = Den();
    const int mesic = Mesic();
    lbJmeno->clear();
    NaplnJmena(typ);
    VyberJmenoDne(den, mesic);
    lbSvatek->clear();
    NaplnSvatky(*lbSvatek, typ);
    VyberSvatekDne(den, mesic);
}

void TfrmKalendar::cmbRocniObdobiChange()
{
    const int index = cmbRocniObdobi->currentIndex();
    if (index < 0 || index > 3)
        return;
    const Obdobi &o = RocniObdobi[static_cast<std::size_t>(index)];
    NastavDenMesic(o.den, o.mesic);
    NastavMaxDen();
    VyberJmenoDne(o.den, o.mesic);
    VyberSvatekDne(o.den, o.mesic);
    PrekresliMesic(o.den, o.mesic, Rok());
    ZobrazZnameni(o.den, o.mesic);
    VyberPolozku(cmbRocniObdobi, index);
}

void TfrmKalendar::cmbZnameniChange()
{
    const int index = cmbZnameni->currentIndex();
    if (index < 0 || index > 11)
        return;
    const Obdobi &z = Znameni[static_cast<std::size_t>(index)];
    NastavDenMesic(z.den, z.mesic);
    NastavMaxDen();
    VyberJmenoDne(z.den, z.mesic);
    VyberSvatekDne(z.den, z.mesic);
    ZobrazObdobi(z.den, z.mesic);
    PrekresliMesic(z.den, z.mesic, Rok());
    VyberPolozku(cmbZnameni, index);
}

void TfrmKalendar::NastavRok(int rok)
{
    edtRok->setText(QString::number(rok));
}

void TfrmKalendar::lbJmenoClick()
{
    const int i = lbJmeno->vybrany();
    const auto den = KalendarDnu.DatumJmena(Typ(), i);
    if (!den)
        return;

    PotlacitZmeny = true;
    NastavDenMesic(den->den, den->mesic);
    const int puvodniRok = Rok();
    if (den->den == 29 && den->mesic == 2) {
        // The next leap year within the years shown, else the latest one before.
        int rok = puvodniRok;
        while (!PrestupnyRok(rok) && rok < PosledniRok)
            ++rok;
        while (!PrestupnyRok(rok))
            --rok;
        NastavRok(rok);
    }
    VyberSvatekDne(den->den, den->mesic);
    PotlacitZmeny = false;

    // The year changed behind the silenced handler: its holidays must follow it.
    if (Rok() != puvodniRok)
        NaplnRok(KalendarDnu, Rok());

    PoHledani();
}

void TfrmKalendar::PoHledani()
{
    NastavMaxDen();
    ZobrazObdobi(Den(), Mesic());
    PrekresliMesic(Den(), Mesic(), Rok());
    ZobrazZnameni(Den(), Mesic());
}

void TfrmKalendar::lbSvatekClick()
{
    const int k = lbSvatek->vybrany();
    const auto den = KalendarDnu.DatumSvatku(Typ(), k);
    if (!den) {
        // Not a holiday of the shown year: the list goes back to the shown day's.
        VyberSvatekDne(Den(), Mesic());
        return;
    }

    PotlacitZmeny = true;
    NastavDenMesic(den->den, den->mesic);
    VyberJmenoDne(den->den, den->mesic);
    PotlacitZmeny = false;

    PoHledani();
}

bool TfrmKalendar::KlavesaTypu(QObject *volba, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !rgTypSkupina)
        return false;
    const int id = rgTypSkupina->id(qobject_cast<QAbstractButton *>(volba));
    const int klavesa = static_cast<QKeyEvent *>(event)->key();
    if (id < 0 || (klavesa != Qt::Key_Left && klavesa != Qt::Key_Right))
        return false;
    QAbstractButton *cil = rgTypSkupina->button(klavesa == Qt::Key_Left ? CZ : SK);
    cil->setFocus(Qt::OtherFocusReason);
    if (!cil->isChecked())
        cil->click();
    return true;
}
