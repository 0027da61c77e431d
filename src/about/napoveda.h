// The About window: who made the program, with what, and the sources of its content.
#pragma once

#include "widgets/pageddialog.h"

class Memo;

class TfrmNapoveda : public PagedDialog
{
    Q_OBJECT

public:
    explicit TfrmNapoveda(QWidget *parent = nullptr);

    // Opens on page k (0 about the program, 1 the sources) at the corner.
    void Otevri(int k, QPoint roh);

    void Memo1Enter();
    void Memo2Enter();

private:
    Memo *Memo1 = nullptr;
    Memo *Memo2 = nullptr;
};

class QPainter;

// The picture of the first page, drawn by the program itself into 142 x 240 pixels.
void KresliObrazekOProgramu(QPainter &p);
