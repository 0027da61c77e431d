// The main window: clock, today panel, month grid and search panel.
#pragma once

#include "calendar/kalendardnu.h"

#include <QDate>
#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

class Hodiny;
class LinePanel;
class Obraz;
class Panel;
class Seznam;
class Stetec;
class TfrmNapoveda;
class TfrmOperace;
class UpDown;

class TfrmKalendar : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmKalendar(Hodiny &hodiny, QWidget *parent = nullptr);
    ~TfrmKalendar() override;

    // The secondary windows, made by their owner when first asked for.
    void PripojOkna(
        std::function<TfrmNapoveda &()> napoveda, std::function<TfrmOperace &()> operace);

    const voranek::KalendarDnu &kalendarDnu() const { return KalendarDnu; }
    int mesicZobrazeni() const { return MesicZobrazeni; }
    QDate datumObnovy() const { return DatumObnovy; }

    // Menu handlers
    void mnPrevodClick();
    void mnPranostikyClick();
    void mnViceClick();
    void mnExitClick();
    void mnProClick();
    void mnZdrojeClick();

    // Clock and timer
    void FormPaint();
    void Timer1Timer();

    // Today panel
    void ObnovDnes();

    // Month grid
    void PrekresliMesic(int den, int mesic, int rok);
    void ZobrazDatum(int den, int mesic, int rok);
    void DenClick(Panel *bunka);

    // Search panel
    void edtDenChange();
    void cmbMesicChange();
    void edtRokChange();
    void rgTypClick();
    void cmbRocniObdobiChange();
    void cmbZnameniChange();
    void lbJmenoClick();
    void lbSvatekClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void VytvorRam();
    void VytvorMenu();
    void VytvorCas();
    void VytvorDnes();
    void VytvorMesic();
    void VytvorVyhledavani();

    // Clock
    void UmistiZnacky();
    void KresliCifernik();
    // The marks and numerals, and the hour and minute hands; with a valid area only those that
    // may reach into it, as after erasing one hand the others are untouched and would be drawn
    // again pixel for pixel. KresliZnacky returns the part it drew over.
    QRect KresliZnacky(const QRect &oblast = {});
    void KresliRucicky(int hodina, int minuta, const QRect &oblast = {});
    void KresliSekundovku(int sekunda);
    void KresliStred();
    static QString TextCasu(const QTime &cas);

    // Month grid
    void NadpisMesice();
    void VyplnMesic(int den, int mesic, int rok);
    void OznacDen(int den);
    void VymazBunky();
    void OdbarviBunky();
    QString JmenoBunky(const Panel *bunka) const;
    // The day of the grid that the keyboard reaches (an index of bunky or -1): it follows
    // the chosen day until the arrows move it; with fokus it takes the focus too.
    int IndexBunky(const QObject *objekt) const;
    void PosunKurzor(int k, bool fokus);
    void UmistiKurzor();
    // Moves the grid's cursor by a number of days, into the neighbouring month if need be.
    void KrokMrizky(int k, int posun);
    bool KlavesaMrizky(int k, QEvent *event);

    // Today panel
    void PopisDnesProCtecku();
    // Search panel: Left and Right move between CZ and SK as Up and Down do.
    bool KlavesaTypu(QObject *volba, QEvent *event);

    // Search panel
    int Den() const;
    int Mesic() const;
    int Rok() const;
    voranek::TypKalendare Typ() const;
    void NastavDenMesic(int den, int mesic);
    void NastavMaxDen();
    void OmezDen();
    void VyberJmenoDne(int den, int mesic);
    void VyberSvatekDne(int den, int mesic);
    void ObnovVyhledavani(int den, int mesic, int rok);
    bool SledujPohyblivySvatek(int kod);
    void ZobrazZnameni(int den, int mesic);
    void ZobrazObdobi(int den, int mesic);
    void NaplnJmena(voranek::TypKalendare typ);
    void NastavRok(int rok);
    void PoDatumu(int den, int mesic);
    // The refresh that ends the name and the holiday search.
    void PoHledani();

    Hodiny &hodiny_;
    std::function<TfrmNapoveda &()> napoveda_;
    std::function<TfrmOperace &()> operace_;

    // Frame
    QGroupBox *gbCas = nullptr;
    QGroupBox *gbDnes = nullptr;
    QGroupBox *gbKalendar = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QTimer *Timer1 = nullptr;

    // Clock
    Obraz *im = nullptr;
    Panel *pCas = nullptr;
    int stredX = 0;
    int stredY = 0;
    int polomer = 0;
    int hodina = 0;
    int minuta = 0;
    int sekunda = 0;
    // The twelve marks from three o'clock clockwise, placed by adding the hour step.
    std::array<QPoint, 12> polohyZnacek {};
    bool Mazani = false;
    // Open on the clock bitmap while FormPaint or a tick draws.
    Stetec *platno_ = nullptr;
    // The hub as drawn once on a transparent image, with the colours it was drawn in; every
    // tick puts it back instead of stroking the circle again.
    QImage stred_;
    QRgb stredOkraj_ = 0;
    QRgb stredVypln_ = 0;

    // Today panel
    Panel *pDatum = nullptr;
    LinePanel *mJmeno = nullptr;
    LinePanel *mSvatek = nullptr;
    bool DnesZobrazeno = false;
    QDate DatumObnovy;

    // Month grid
    Panel *Panel3 = nullptr;
    std::array<Panel *, 42> bunky {};
    int MesicZobrazeni = 0;
    int KurzorMrizky = -1;

    // Search panel
    QLineEdit *edtDen = nullptr;
    UpDown *updDen = nullptr;
    QComboBox *cmbMesic = nullptr;
    QLineEdit *edtRok = nullptr;
    UpDown *updRok = nullptr;
    QGroupBox *rgTyp = nullptr;
    QButtonGroup *rgTypSkupina = nullptr;
    Seznam *lbJmeno = nullptr;
    Seznam *lbSvatek = nullptr;
    QComboBox *cmbRocniObdobi = nullptr;
    QComboBox *cmbZnameni = nullptr;
    bool PotlacitZmeny = false;

    voranek::KalendarDnu KalendarDnu;
};
