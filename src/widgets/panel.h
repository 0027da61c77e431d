// A panel: a bevelled, coloured rectangle with a centred caption.
#pragma once

#include <QLabel>

class Panel : public QLabel
{
    Q_OBJECT

public:
    enum class Okraj { Zadny, Snizeny, Zvyseny };

    explicit Panel(QWidget *parent = nullptr);

    void setOkraj(Okraj okraj, int sirka = 1);
    void setBarva(const QColor &barva);
    QColor barva() const;
    void setBarvaTextu(const QColor &barva);
    // A bevelled line along the lower edge, as under a heading.
    void setDolniLinka(bool linka);

    // Sets the caption and tells assistive technology that it changed, as QLabel does not
    // when the panel has an accessible name of its own.
    void setText(const QString &text);
    // The caption as a screen reader speaks it.
    virtual QString popisObsahu() const { return text(); }

signals:
    void klik();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The colour is painted by the panel itself rather than kept in a palette of its own: the
    // month grid alone has 42 panels, and a palette per panel costs more than the panel.
    QColor barva_;
    bool dolniLinka_ = false;
};
