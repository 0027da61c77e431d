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

QString LinePanel::popisObsahu() const
{
    QStringList popis;
    for (qsizetype i = 0; i < radky_.size(); ++i) {
        const QString radek = radky_[i].trimmed();
        popis.append(i < znacky_.size() ? znacky_[i] + u' ' + radek : radek);
    }
    return popis.join(QLatin1Char('\n'));
}
