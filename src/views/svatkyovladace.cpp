#include "views/svatkyovladace.h"

#include "calendar/svatky.h"
#include "views/text.h"
#include "widgets/linepanel.h"

#include <QListWidget>

namespace voranek {

void SvatekDne(
    LinePanel &mSvatek, const KalendarDnu &kalendar, TypKalendare typ, int den, int mesic)
{
    const int kod = kalendar.SvatekKod(typ, den, mesic);
    std::string_view text = TextBezSvatku;
    if (typ == CZ && kod >= 0 && kod < static_cast<int>(SvatkyCZ.size()))
        text = SvatkyCZ[static_cast<std::size_t>(kod)].kratky;
    else if (typ == SK && kod >= 0 && kod < static_cast<int>(SvatkySK.size()))
        text = SvatkySK[static_cast<std::size_t>(kod)].kratky;

    if (typ == CZ)
        mSvatek.nahradPrvniRadek(Qs(text));
    else
        mSvatek.pridejRadek(Qs(text));
}

void NaplnSvatky(QListWidget &lbSvatek, TypKalendare typ)
{
    QStringList texty;
    if (typ == CZ) {
        for (const Svatek &s : SvatkyCZ)
            texty.append(Qs(s.dlouhy));
    } else {
        for (const Svatek &s : SvatkySK)
            texty.append(Qs(s.dlouhy));
    }
    lbSvatek.addItems(texty);
}

} // namespace voranek
