// A panel: a bevelled, coloured rectangle with a centred caption.
#pragma once

#include <QLabel>

class LinePanel;

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
    // Stands the caption on the baseline of a line of a line panel that the panel lies over,
    // as that line's mark, instead of centring it; both then stay level at any screen scale.
    void setRadek(const LinePanel *radky, int radek);

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
    const LinePanel *radky_ = nullptr;
    int radek_ = 0;
};
