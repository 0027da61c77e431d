/* Starts a command RUNS times with its output thrown away and prints the median wall time
 * from fork to its exit, in microseconds. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int porovnej(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "použití: spust POČET PŘÍKAZ [ARGUMENTY...]\n");
        return 2;
    }
    const int n = atoi(argv[1]);
    double *casy = calloc((size_t)n, sizeof *casy);
    for (int i = 0; i < n; ++i) {
        struct timespec t0, t1;
        clock_gettime(CLOCK_MONOTONIC, &t0);
        const pid_t pid = fork();
        if (pid == 0) {
            const int nic = open("/dev/null", O_WRONLY);
            dup2(nic, 1);
            execv(argv[2], argv + 2);
            _exit(127);
        }
        int stav;
        waitpid(pid, &stav, 0);
        clock_gettime(CLOCK_MONOTONIC, &t1);
        if (!WIFEXITED(stav) || WEXITSTATUS(stav) != 0) {
            fprintf(stderr, "%s selhal\n", argv[2]);
            return 1;
        }
        casy[i] = (double)(t1.tv_sec - t0.tv_sec) * 1e6 + (double)(t1.tv_nsec - t0.tv_nsec) / 1e3;
    }
    qsort(casy, (size_t)n, sizeof *casy, porovnej);
    printf("%.0f\n", n % 2 ? casy[n / 2] : (casy[n / 2 - 1] + casy[n / 2]) / 2);
    return 0;
}
