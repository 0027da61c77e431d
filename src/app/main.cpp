#include "app/aplikace.h"
#include "app/hodiny.h"

int main(int argc, char *argv[])
{
    // The window changes by a clock face and a time line a second. Shared-memory images would
    // make each of those small frames wait for the X server (a round trip that wakes the
    // program twice more every second); plain requests carry them without waiting.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    Aplikace aplikace(argc, argv);
    SystemoveHodiny hodiny;
    return SpustAplikaci(aplikace, hodiny);
}
