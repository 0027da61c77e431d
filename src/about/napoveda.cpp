#include "about/napoveda.h"

#include "about/zdroje.h"
#include "views/text.h"
#include "widgets/memo.h"
#include "widgets/obraz.h"
#include "widgets/rozvrzeni.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <cmath>
#include <numbers>

using namespace voranek;
using namespace Qt::StringLiterals;

TfrmNapoveda::TfrmNapoveda(QWidget *parent)
    : PagedDialog(u"   VORANEK  nápověda o aplikaci"_s, {481, 335}, parent)
{
    setObjectName(u"frmNapoveda"_s);

    QWidget *program = addPage(u"Program"_s, u"O programu"_s);
    auto *nadpis = new QLabel(u"NÁPOVĚDA O PROGRAMU"_s, program);
    nadpis->setGeometry(172, 10, 298, 16);
    nadpis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Drawn at the screen's pixel ratio, as the clock is, so that it stays sharp at any scale;
    // drawn again only when that ratio changes.
    auto *Image1 = Novy<Obraz>(program, "Image1", {16, 36, 142, 240});
    Image1->setPrekresleni([Image1, pomer = 0.0]() mutable {
        QImage &bitmapa = Image1->bitmapa();
        if (bitmapa.devicePixelRatio() == pomer)
            return;
        pomer = bitmapa.devicePixelRatio();
        QPainter p(&bitmapa);
        KresliObrazekOProgramu(p);
    });
    Image1->setAccessibleName(u"Obrázek: kalendářní list a hodiny"_s);

    Panel *Panel1
        = NovyPanel(program, {"Panel1", {172, 35, 298, 240}, "", Panel::Okraj::Snizeny, 0});
    Panel1->setLineWidth(2);

    // Tags above their values, all centred on the panel's middle line.
    struct Popisek {
        const char *jmeno;
        int y;
        const char *text;
        bool stitek;
    };
    static const Popisek popisky[] = {
        {"Label3", 18, " Autorka: ", true},
        {"Label4", 44, "   tým VORANEK   ", false},
        {"Label5", 88, " Vytvořeno: ", true},
        {"Label6", 112, "říjen 2005 - leden 2006", false},
        {"Label7", 156, " Prostředí & verze programu: ", true},
        {"Label8", 184, "C++20 a Qt 6 (2026)", false},
        {"Label9", 206, "freeware program", false},
    };
    for (const Popisek &p : popisky) {
        auto *l = Novy<QLabel>(Panel1, p.jmeno, {});
        l->setText(QString::fromUtf8(p.text));
        l->setTextFormat(Qt::PlainText);
        if (p.stitek) {
            l->setFont(Pismo(11));
            l->setAutoFillBackground(true);
            QPalette pal = l->palette();
            pal.setColor(QPalette::Window, Qt::white);
            l->setPalette(pal);
        } else {
            l->setFont(Pismo(p.y == 44 ? 17 : 13));
        }
        l->adjustSize();
        l->move((Panel1->width() - l->width()) / 2, p.y);
    }

    QWidget *zdroje = addPage(u"zdroje"_s, u"Použité zdroje"_s);
    auto *nadpis2 = new QLabel(u"POUŽITÉ ZDROJE"_s, zdroje);
    nadpis2->setGeometry(0, 10, 483, 16);
    nadpis2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const auto pamet = [zdroje](const char *jmeno, int y, auto radky) {
        auto *m = Novy<Memo>(zdroje, jmeno, {16, y, 452, 118});
        m->setZarovnani(Qt::AlignLeft);
        m->setBarva(zdroje->palette().color(QPalette::Window));
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        for (std::string_view r : radky)
            m->pridejRadek(Qs(r));
        m->naZacatek();
        return m;
    };
    Memo1 = pamet("Memo1", 35, Literatura);
    Memo1->setAccessibleName(u"Literatura"_s);
    Memo2 = pamet("Memo2", 166, WwwStranky);
    Memo2->setAccessibleName(u"WWW stránky"_s);
    connect(Memo1, &Memo::vstup, this, &TfrmNapoveda::Memo1Enter);
    connect(Memo2, &Memo::vstup, this, &TfrmNapoveda::Memo2Enter);

    for (auto [jmeno, y, text] : {std::tuple {"Panel2", 37, "   LITERATURA"},
             std::tuple {"Panel3", 168, "   WWW STRÁNKY"}}) {
        Panel *p = NovyPanel(zdroje, {jmeno, {18, y, 431, 26}, text, Panel::Okraj::Zadny, 0});
        p->setBarva(palette().color(QPalette::Dark));
        p->setDolniLinka(true);
        p->raise();
    }
}

void TfrmNapoveda::Otevri(int k, QPoint roh)
{
    showPage(k, roh);
}

void TfrmNapoveda::Memo1Enter()
{
    okButton()->setFocus(Qt::OtherFocusReason);
}

void TfrmNapoveda::Memo2Enter()
{
    okButton()->setFocus(Qt::OtherFocusReason);
}

void KresliObrazekOProgramu(QPainter &p)
{
    // A calendar leaf with a clock beneath it, on a soft gradient.
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient pozadi(0, 0, 0, 240);
    pozadi.setColorAt(0, QColor(226, 236, 248));
    pozadi.setColorAt(1, QColor(176, 198, 228));
    p.fillRect(QRect(0, 0, 142, 240), pozadi);

    // The leaf
    const QRectF list(21, 18, 100, 112);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(list.translated(3, 3), 6, 6);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawRoundedRect(list, 6, 6);
    QPainterPath hlavicka;
    hlavicka.setFillRule(Qt::WindingFill);
    hlavicka.addRoundedRect(QRectF(list.left(), list.top(), list.width(), 30), 6, 6);
    hlavicka.addRect(QRectF(list.left(), list.top() + 15, list.width(), 15));
    p.fillPath(hlavicka.simplified(), QColor(196, 30, 40));
    for (int i = 0; i < 2; ++i) {
        p.setBrush(QColor(60, 60, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(list.left() + 30 + 40 * i, list.top()), 4, 4);
    }
    QFont pismo(u"Liberation Sans"_s);
    pismo.setBold(true);
    pismo.setPixelSize(13);
    p.setFont(pismo);
    p.setPen(Qt::white);
    p.drawText(QRectF(list.left(), list.top() + 6, list.width(), 22), Qt::AlignCenter, u"LEDEN"_s);
    pismo.setPixelSize(52);
    p.setFont(pismo);
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRectF(list.left(), list.top() + 30, list.width(), 64), Qt::AlignCenter, u"1"_s);
    pismo.setPixelSize(12);
    pismo.setBold(false);
    p.setFont(pismo);
    p.drawText(
        QRectF(list.left(), list.top() + 90, list.width(), 18), Qt::AlignCenter, u"čtvrtek"_s);

    // The clock
    const QPointF stred(71, 184);
    const double r = 38;
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(QColor(236, 233, 216));
    p.drawEllipse(stred, r, r);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const QPointF smer(std::sin(a), -std::cos(a));
        p.drawLine(stred + smer * (r - 7), stred + smer * (r - 2));
    }
    const auto rucicka = [&](double uhel, double delka, double sirka, QColor barva) {
        p.setPen(QPen(barva, sirka, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(stred, stred + QPointF(std::sin(uhel), -std::cos(uhel)) * delka);
    };
    rucicka(10 * std::numbers::pi / 30, r * 0.68, 4, QColor(110, 110, 110));
    rucicka(50 * std::numbers::pi / 30, r - 6, 3, QColor(110, 110, 110));
    rucicka(20 * std::numbers::pi / 30, r - 4, 1, QColor(196, 30, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(stred, 4, 4);
}
