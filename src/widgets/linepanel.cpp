#include "widgets/linepanel.h"

#include <cmath>

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

qreal LinePanel::zakladnaRadku(int radek) const
{
    // Where the label lays its lines out: inside the frame and the margin, for a framed label
    // without an indent of its own half an "x" lower still; each line starts on a whole pixel
    // at least a line spacing below the one before.
    int odsazeni = indent();
    if (odsazeni < 0 && frameWidth() > 0)
        odsazeni = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    const QFontMetricsF pismo(font());
    qreal vrch = contentsRect().top() + margin() + std::max(odsazeni, 0);
    for (int i = 0; i < radek; ++i)
        vrch = std::ceil(vrch + pismo.height() + pismo.leading());
    return vrch + pismo.ascent();
}
