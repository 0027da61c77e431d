// A clock the test sets; nothing waits on real time.
#pragma once

#include "app/hodiny.h"

class FalesneHodiny : public Hodiny
{
public:
    explicit FalesneHodiny(QDateTime cas = QDateTime(QDate(2005, 11, 19), QTime(13, 17, 55)))
        : cas_(cas)
    { }
    QDateTime ted() const override { return cas_; }
    void nastav(const QDateTime &cas) { cas_ = cas; }
    void posun(int sekund) { cas_ = cas_.addSecs(sekund); }

private:
    QDateTime cas_;
};
