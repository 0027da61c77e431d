// A few lines of read-only text in a sunken panel: a memo that never scrolls and never takes
// the focus, without a text editor's weight.
#pragma once

#include "widgets/panel.h"

#include <QStringList>

class LinePanel : public Panel
{
    Q_OBJECT

public:
    explicit LinePanel(QWidget *parent = nullptr);

    const QStringList &radky() const { return radky_; }
    int pocetRadku() const { return static_cast<int>(radky_.size()); }

    void vymaz();
    void pridejRadek(const QString &radek);
    // Replaces the first line, or adds it to an empty panel.
    void nahradPrvniRadek(const QString &radek);

    // Marks that stand before the lines on screen (drawn by other controls), which a screen
    // reader speaks before each line.
    void setZnackyRadku(const QStringList &znacky) { znacky_ = znacky; }
    QString popisObsahu() const override;
    // The baseline of a line of text, in the panel's own coordinates.
    qreal zakladnaRadku(int radek) const;

private:
    void ukaz();

    QStringList radky_;
    QStringList znacky_;
};
