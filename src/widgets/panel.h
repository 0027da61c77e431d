// A panel: a bevelled, coloured rectangle with a centred caption.
#pragma once

#include <QLabel>

#include <functional>

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
    // when the panel has an accessible name of its own. A reader is given the caption in the
    // second form where the drawn one would be read badly (a word spelled out in spaced
    // capitals); empty for the caption itself.
    void setText(const QString &text, const QString &textProCtecku = {});
    QString textProCtecku() const { return textProCtecku_.isEmpty() ? text() : textProCtecku_; }
    // The caption as a screen reader speaks it.
    virtual QString popisObsahu() const { return textProCtecku(); }

    // A name worked out when a reader asks for it, for panels whose name follows what the
    // window shows (a grid's day); it costs no notice when it changes.
    void setJmenoProCtecku(std::function<QString()> jmeno) { jmeno_ = std::move(jmeno); }
    QString jmenoProCtecku() const { return jmeno_ ? jmeno_() : QString(); }
    bool maJmenoProCtecku() const { return static_cast<bool>(jmeno_); }
    // What the panel is to a reader when it is not plain text (a day to choose is a button).
    void setTlacitkoProCtecku(bool tlacitko) { tlacitko_ = tlacitko; }
    bool tlacitkoProCtecku() const { return tlacitko_; }
    // A quiet panel sends no notices of its caption's changes: a grid redrawn as a whole
    // would otherwise flood a listener with dozens of them.
    void setTichy(bool tichy) { tichy_ = tichy; }

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
    std::function<QString()> jmeno_;
    QString textProCtecku_;
    bool tichy_ = false;
    bool tlacitko_ = false;
};
