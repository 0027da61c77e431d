#include "views/svatkyovladace.h"

#include "calendar/popisdne.h"
#include "views/text.h"
#include "widgets/linepanel.h"

#include <QListWidget>

namespace voranek {

void SvatekDne(
    LinePanel &mSvatek, const KalendarDnu &kalendar, TypKalendare typ, int den, int mesic)
{
    const std::string_view text = TextSvatku(typ, kalendar.SvatekKod(typ, den, mesic));

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
