// The tests of the windows run inside the program's own application object.
#pragma once

#include "app/aplikace.h"

#include <QTest>

#define VORANEK_TEST_MAIN(Trida)                                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        Aplikace aplikace(argc, argv);                                                             \
        Trida test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
