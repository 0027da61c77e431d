#include "views/svatkyovladace.h"

#include "calendar/udajedne.h"
#include "views/text.h"
#include "widgets/linepanel.h"

#include <QListWidget>

namespace voranek {

void SvatekDne(LinePanel &mSvatek, TypKalendare typ, const Datum &datum)
{
    const auto svatek = Udaje(datum, typ).svatek;
    const std::string_view text = svatek ? svatek->kratky : TextBezSvatku;

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
