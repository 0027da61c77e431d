// The info window: mini-dictionary, weather proverbs and the story of each Czech name.
#pragma once

#include "widgets/pageddialog.h"

class QComboBox;
class QGroupBox;
class Memo;
class Panel;
class Seznam;

class TfrmOperace : public PagedDialog
{
    Q_OBJECT

public:
    explicit TfrmOperace(QWidget *parent = nullptr);

    // Opens on page k at the corner, on the proverbs of the month the main window shows.
    void Otevri(int k, QPoint roh, int mesicZobrazeni);

    void VypisPranostiky(int mesic);
    void VypisJmeno(int index);
    void ObnovJmeno();

    void lbNazevClick();
    void lbJazykClick();
    void lbMesicPraClick();
    void cmbJmenaChange();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *NovaStranka(const char *jmeno, const char *zalozka, const char *titulek);
    // What the window shows is refilled whenever it is shown or restored.
    void ObnovStranky();
    void PrekladyProCtecku();

    Seznam *lbNazev = nullptr;
    Panel *pSlovo = nullptr;
    Seznam *lbJazyk = nullptr;

    QGroupBox *gbPra = nullptr;
    Memo *mPra = nullptr;
    Seznam *lbMesicPra = nullptr;

    Memo *mVice = nullptr;
    Panel *pJmeno = nullptr;
    QComboBox *cmbJmena = nullptr;
};
