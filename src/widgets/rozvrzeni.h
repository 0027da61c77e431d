// Small helpers for the layout tables of the windows: every control gets its name and place.
#pragma once

#include "widgets/panel.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

template<typename W> W *Novy(QWidget *rodic, const char *jmeno, const QRect &misto)
{
    auto *w = new W(rodic);
    w->setObjectName(QString::fromLatin1(jmeno));
    if (misto.isValid())
        w->setGeometry(misto);
    return w;
}

inline QFont Pismo(int pixelu, bool tucne = true)
{
    QFont pismo(QStringLiteral("Arial"));
    pismo.setPixelSize(pixelu);
    pismo.setBold(tucne);
    return pismo;
}

struct PopisPanelu {
    const char *jmeno;
    QRect misto;
    const char *text;
    Panel::Okraj okraj;
    int pismo; // pixels, 0 = the window's font
};

inline Panel *NovyPanel(QWidget *rodic, const PopisPanelu &popis)
{
    auto *p = Novy<Panel>(rodic, popis.jmeno, popis.misto);
    p->setText(QString::fromUtf8(popis.text));
    p->setOkraj(popis.okraj);
    // Most panels inherit the window's font; a font of their own costs every one of them.
    if (popis.pismo > 0 && Pismo(popis.pismo) != p->font())
        p->setFont(Pismo(popis.pismo));
    return p;
}
