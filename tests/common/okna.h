// Builds the program's three windows on a fake clock and finds their controls by name.
#pragma once

#include "app/aplikace.h"
#include "common/falesnehodiny.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

struct TestovaciOkna {
    explicit TestovaciOkna(const QDateTime &cas)
        : hodiny(cas)
        , okna(std::make_unique<OknaAplikace>(hodiny))
    {
        // The tests run the timer's handler themselves.
        kalendar().findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    }

    TfrmKalendar &kalendar() { return okna->frmKalendar; }
    TfrmOperace &operace() { return okna->frmOperace(); }
    TfrmNapoveda &napoveda() { return okna->frmNapoveda(); }

    template<typename W = QWidget> W *najdi(const QString &jmeno)
    {
        W *w = kalendar().findChild<W *>(jmeno);
        if (!w)
            qFatal("no control %s", qPrintable(jmeno));
        return w;
    }

    FalesneHodiny hodiny;
    std::unique_ptr<OknaAplikace> okna;
};

inline QDateTime Cas(int rok, int mesic, int den, int h = 12, int m = 0, int s = 0)
{
    return QDateTime(QDate(rok, mesic, den), QTime(h, m, s));
}
