// A read-only text of lines that never keeps the keyboard focus.
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

signals:
    // The memo was given the focus; its window passes it on.
    void vstup();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QStringList radky_;
};
