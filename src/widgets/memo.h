// A read-only text of lines. A click leaves it to its window, which passes the focus on; the
// keyboard reads it with a caret, as a screen reader's user needs.
#pragma once

#include <QStringList>
#include <QTextEdit>

class Memo : public QTextEdit
{
    Q_OBJECT

public:
    explicit Memo(QWidget *parent = nullptr);

    void setZarovnani(Qt::Alignment zarovnani);
    void setBarva(const QColor &barva);

    const QStringList &radky() const { return radky_; }
    int pocetRadku() const { return static_cast<int>(radky_.size()); }

    void vymaz();
    void pridejRadek(const QString &radek);
    // Replaces the first line, or adds it to an empty memo.
    void nahradPrvniRadek(const QString &radek);
    void smazPrvniRadek();
    // Returns the view to the first line.
    void naZacatek();
    // Between these two the lines change only in the list; the end writes them to the text
    // at once, so that a reader hears one change instead of one per line.
    void zacniDavku() { davka_ = true; }
    void ukonciDavku();

signals:
    // The memo was given the focus by the mouse; its window passes it on.
    void vstup();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QStringList radky_;
    bool davka_ = false;
};
