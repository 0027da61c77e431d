#include "widgets/linepanel.h"

LinePanel::LinePanel(QWidget *parent)
    : Panel(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setMargin(1);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void LinePanel::vymaz()
{
    radky_.clear();
    ukaz();
}

void LinePanel::pridejRadek(const QString &radek)
{
    radky_.append(radek);
    ukaz();
}

void LinePanel::nahradPrvniRadek(const QString &radek)
{
    if (radky_.isEmpty())
        radky_.append(radek);
    else
        radky_.first() = radek;
    ukaz();
}

void LinePanel::ukaz()
{
    setText(radky_.join(QLatin1Char('\n')));
}
