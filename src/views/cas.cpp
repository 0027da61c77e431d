// The analog clock, drawn incrementally into a bitmap that persists between ticks.
#include "app/hodiny.h"
#include "app/kalendar.h"
#include "views/smery.h"
#include "widgets/obraz.h"
#include "widgets/rozvrzeni.h"

#include <QGroupBox>
#include <QPainter>
#include <QStaticText>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Coordinates are computed in double and cut to whole pixels.
int Pixel(double hodnota)
{
    return static_cast<int>(hodnota);
}

} // namespace

// A painter on the clock bitmap, drawing without smoothing so that every pixel is where the
// clock's arithmetic puts it.
class Stetec : public QPainter
{
public:
    explicit Stetec(QImage &bitmapa)
        : QPainter(&bitmapa)
    {
        setRenderHint(QPainter::Antialiasing, false);
    }

    void pero(const QColor &barva, int sirka)
    {
        QPen p(barva, sirka);
        p.setCapStyle(sirka > 1 ? Qt::RoundCap : Qt::SquareCap);
        p.setJoinStyle(sirka > 1 ? Qt::RoundJoin : Qt::MiterJoin);
        setPen(p);
    }

    // A thin hand ends one pixel short of its tip, as a pen moved to a point always has.
    void cara(QPoint od, QPoint po)
    {
        QPen p = pen();
        if (p.width() == 1)
            p.setCapStyle(Qt::FlatCap);
        setPen(p);
        drawLine(od, po);
    }

    // Rectangles and ellipses by their bounding box, right and bottom edges excluded; Qt
    // strokes a rectangle one pixel wider than its size, so the size is one less.
    void obdelnik(int l, int t, int r, int b) { drawRect(QRect(l, t, r - l - 1, b - t - 1)); }
    void elipsa(int l, int t, int r, int b) { drawEllipse(QRect(l, t, r - l - 1, b - t - 1)); }
};

void TfrmKalendar::VytvorCas()
{
    im = Novy<Obraz>(gbCas, "im", {10, 18, 112, 112});
    im->setPrekresleni([this] { FormPaint(); });
    im->setAccessibleName(u"Analogové hodiny"_s);
    pCas = NovyPanel(gbCas, {"pCas", {11, 139, 112, 54}, "", Panel::Okraj::Snizeny, 0});
    pCas->setLineWidth(2);
    pCas->setFont(Pismo(24, false));
    pCas->setAccessibleName(u"Teď je"_s);
}

QString TfrmKalendar::TextCasu(const QTime &cas)
{
    return cas.toString(u"H:mm:ss"_s);
}

void TfrmKalendar::UmistiZnacky()
{
    for (std::size_t i = 0; i < polohyZnacek.size(); ++i) {
        const voranek::Smer &smer = voranek::SmeryZnacek[i];
        polohyZnacek[i]
            = QPoint(Pixel(stredX + polomer * smer.cos), Pixel(stredY + polomer * smer.sin));
    }
}

void TfrmKalendar::KresliCifernik()
{
    Stetec &s = *platno_;
    s.pero(palette().color(QPalette::Dark), 1);
    s.setBrush(Qt::white);
    s.obdelnik(0, 0, im->width(), im->height());
    s.setBrush(palette().color(QPalette::Button));
    s.obdelnik(6, 6, im->width() - 6, im->height() - 6);
}

QRect TfrmKalendar::KresliZnacky(const QRect &oblast)
{
    Stetec &s = *platno_;
    const QColor text = palette().color(QPalette::WindowText);

    // The numerals are laid out once; each tick only puts them back.
    struct Cislice {
        int i;
        const char *text;
        int dx;
        int dy;
    };
    static constexpr Cislice cislice[]
        = {{0, "3", -6, -7}, {3, "6", -4, -10}, {6, "9", -2, -7}, {9, "12", -7, -3}};
    static const auto texty = [] {
        std::array<QStaticText, 4> t;
        for (std::size_t c = 0; c < t.size(); ++c) {
            t[c].setText(QString::fromLatin1(cislice[c].text));
            t[c].setTextFormat(Qt::PlainText);
            t[c].prepare(QTransform(), Pismo(11));
        }
        return t;
    }();
    s.setFont(Pismo(11));

    QRect nakresleno;
    std::size_t c = 0;
    for (int i = 0; i < 12; ++i) {
        const QPoint &bod = polohyZnacek[static_cast<std::size_t>(i)];
        if (c < std::size(cislice) && cislice[c].i == i) {
            const QPoint roh = bod + QPoint(cislice[c].dx, cislice[c].dy);
            const QRect bunka(roh, texty[c].size().toSize());
            if (oblast.isValid() && !oblast.intersects(bunka.adjusted(-2, -2, 2, 2))) {
                ++c;
                continue;
            }
            nakresleno |= bunka.adjusted(-2, -2, 2, 2);
            s.fillRect(bunka, palette().color(QPalette::Button));
            s.setPen(text);
            s.drawStaticText(roh, texty[c]);
            ++c;
        } else {
            const QRect tecka(bod - QPoint(3, 3), QSize(7, 7));
            if (oblast.isValid() && !oblast.intersects(tecka))
                continue;
            nakresleno |= tecka;
            s.pero(text, 1);
            s.setBrush(text);
            s.elipsa(bod.x() - 2, bod.y() - 2, bod.x() + 2, bod.y() + 2);
        }
    }
    return nakresleno;
}

namespace {

QPoint Spicka(int cx, int cy, const voranek::Smer &smer, double delka)
{
    const int x = Pixel(cx + delka * smer.sin);
    const int y = Pixel(std::floor(cy - delka * smer.cos));
    return {x, y};
}

// The pixels a hand from the centre to its tip may cover, widened for the pen.
QRect Obrys(QPoint stred, QPoint spicka, int okraj)
{
    return QRect(stred, spicka).normalized().adjusted(-okraj, -okraj, okraj, okraj);
}

} // namespace

void TfrmKalendar::KresliSekundovku(int sekunda_)
{
    Stetec &s = *platno_;
    const voranek::Smer &smer = voranek::SmeryMinut.at(static_cast<std::size_t>(sekunda_));
    s.pero(Mazani ? palette().color(QPalette::Button) : palette().color(QPalette::WindowText), 1);
    s.cara(QPoint(stredX, stredY), Spicka(stredX, stredY, smer, polomer));
}

void TfrmKalendar::KresliRucicky(int hodina_, int minuta_, const QRect &oblast)
{
    Stetec &s = *platno_;
    const QColor barva
        = Mazani ? palette().color(QPalette::Button) : palette().color(QPalette::Dark);
    const QPoint stred(stredX, stredY);
    const voranek::Smer &smerMinut = voranek::SmeryMinut.at(static_cast<std::size_t>(minuta_));
    const QPoint spickaMinut = Spicka(stredX, stredY, smerMinut, polomer);
    const voranek::Smer &smerHodin
        = voranek::SmeryHodin.at(static_cast<std::size_t>(hodina_ * 60 + minuta_));
    const QPoint spickaHodin = Spicka(stredX, stredY, smerHodin, polomer * 0.68);

    // A hand outside the area is left as it stands; the hour hand lies over the minute hand,
    // so it is drawn again wherever the minute hand was.
    QRect poskozeno = oblast;
    const QRect minutova = Obrys(stred, spickaMinut, 3);
    if (!oblast.isValid() || oblast.intersects(minutova)) {
        s.pero(barva, 3);
        s.cara(stred, spickaMinut);
        poskozeno |= minutova;
    }
    const QRect hodinova = Obrys(stred, spickaHodin, 4);
    if (!oblast.isValid() || poskozeno.intersects(hodinova)) {
        s.pero(barva, 5);
        s.cara(stred, spickaHodin);
    }
}

void TfrmKalendar::KresliStred()
{
    // Drawn without smoothing in opaque colours, the hub covers the same pixels wherever it is
    // drawn, so its image put back over the hands gives exactly what drawing it there would.
    const QRgb okraj = palette().color(QPalette::Button).rgb();
    const QRgb vypln = palette().color(QPalette::WindowText).rgb();
    constexpr int Okraj = 8;
    if (stred_.isNull() || stredOkraj_ != okraj || stredVypln_ != vypln) {
        stred_ = QImage(2 * Okraj, 2 * Okraj, QImage::Format_ARGB32_Premultiplied);
        stred_.fill(Qt::transparent);
        Stetec s(stred_);
        s.pero(QColor(okraj), 2);
        s.setBrush(QColor(vypln));
        s.elipsa(Okraj - 6, Okraj - 6, Okraj + 6, Okraj + 6);
        stredOkraj_ = okraj;
        stredVypln_ = vypln;
    }
    platno_->drawImage(QPoint(stredX - Okraj, stredY - Okraj), stred_);
}

void TfrmKalendar::FormPaint()
{
    Stetec platno(im->bitmapa());
    platno_ = &platno;
    Mazani = false;
    KresliCifernik();
    KresliZnacky();
    KresliRucicky(hodina, minuta);
    KresliSekundovku(sekunda);
    KresliStred();
    platno_ = nullptr;
}

void TfrmKalendar::Timer1Timer()
{
    // The clock is read once, so the date, the hands and the time line tell the same instant.
    const QDateTime ted = hodiny_.ted();
    if (ted.date() != DatumObnovy)
        ObnovDnes();

    const QTime cas = ted.time();
    const int h = cas.hour();
    const int m = cas.minute();
    const int s = cas.second();

    // One painter for the whole tick: opening the bitmap is the dearest part of a small drawing.
    Stetec platno(im->bitmapa());
    platno_ = &platno;
    Mazani = true;
    KresliSekundovku(sekunda);
    // Only the marks the erased hand can have crossed need drawing again.
    const QPoint stred(stredX, stredY);
    const auto stopa = [&](int vterina) {
        const QPoint spicka = Spicka(
            stredX, stredY, voranek::SmeryMinut.at(static_cast<std::size_t>(vterina)), polomer);
        return Obrys(stred, spicka, 1);
    };
    const QRect staraStopa = stopa(sekunda);
    const QRect znacky = KresliZnacky(staraStopa);
    Mazani = false;
    // Likewise only the hands the erased one or a redrawn mark reaches into.
    KresliRucicky(hodina, minuta, staraStopa | znacky);
    KresliSekundovku(s);
    // Within a minute only the two second hands and the hub change; the rest of the bitmap is
    // drawn again as it was, and the screen need not take it again.
    QRect zmena = (staraStopa | stopa(s) | QRect(stred - QPoint(8, 8), QSize(16, 16)))
                      .adjusted(-1, -1, 1, 1);
    sekunda = s;

    // Hours are compared too, so a clock set by whole hours moves the hands at once.
    if (minuta != m || hodina != h) {
        Mazani = true;
        KresliRucicky(hodina, minuta);
        KresliZnacky();
        Mazani = false;
        KresliSekundovku(sekunda);
        KresliRucicky(h, m);
        hodina = h;
        minuta = m;
        zmena = {};
    }
    KresliStred();
    platno_ = nullptr;
    platno.end();
    im->ukaz(zmena);

    pCas->setText(TextCasu(cas));
    im->setAccessibleDescription(pCas->text());
}
