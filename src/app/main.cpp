#include "app/aplikace.h"
#include "app/hodiny.h"

int main(int argc, char *argv[])
{
    Aplikace aplikace(argc, argv);
    SystemoveHodiny hodiny;
    return SpustAplikaci(aplikace, hodiny);
}
