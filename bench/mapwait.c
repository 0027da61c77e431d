/* Starts a program and prints the nanoseconds from exec to its first top-level window mapped. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    Display *d = XOpenDisplay(NULL);
    if (!d)
        return 3;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    struct timespec a, b;
    clock_gettime(CLOCK_MONOTONIC, &a);
    pid_t pid = fork();
    if (pid == 0) {
        /* The caller reads this program's output to its end: the child must not hold it. */
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify)
            break;
    }
    clock_gettime(CLOCK_MONOTONIC, &b);
    printf("%d %lld\n", pid, (long long)(b.tv_sec - a.tv_sec) * 1000000000LL + (b.tv_nsec - a.tv_nsec));
    fflush(stdout);
    return 0;
}
