// The application object and the three windows of the program.
#pragma once

#include "about/napoveda.h"
#include "app/kalendar.h"
#include "info/operace.h"

#include <QApplication>
#include <QIcon>

#include <functional>
#include <memory>

class Aplikace : public QApplication
{
    Q_OBJECT

public:
    Aplikace(int &argc, char **argv);

    // An error escaping an event handler is shown and the loop goes on.
    bool notify(QObject *prijemce, QEvent *udalost) override;

    // Shows an error in the standard message box; tests put in their own.
    static void UkazChybu(const QString &zprava);
    static std::function<void(const QString &)> ukazovatelChyb;
};

// The program's windows: the main window, filled for today, and the About and info windows,
// made hidden on their first opening so that nothing of them costs the start.
class OknaAplikace
{
public:
    explicit OknaAplikace(Hodiny &hodiny);

    TfrmKalendar frmKalendar;
    TfrmNapoveda &frmNapoveda();
    TfrmOperace &frmOperace();

private:
    std::unique_ptr<TfrmNapoveda> napoveda_;
    std::unique_ptr<TfrmOperace> operace_;
};

// The program's icon in every size it is installed in, for the window system to choose from.
QIcon IkonaAplikace();

// Where the main window goes: centred on the screen's available area, but with its top-left
// corner on that area, so that the menu bar stays within reach on a screen smaller than it.
QPoint PolohaOkna(const QRect &okno, const QRect &plocha);

// Creates the windows, shows the main window centred on the screen and runs the loop.
int SpustAplikaci(Aplikace &aplikace, Hodiny &hodiny);
