// Where the program reads the local date and time; tests put in a clock of their own.
#pragma once

#include <QDateTime>

class Hodiny
{
public:
    virtual ~Hodiny() = default;
    virtual QDateTime ted() const = 0;
};

class SystemoveHodiny : public Hodiny
{
public:
    QDateTime ted() const override { return QDateTime::currentDateTime(); }
};
