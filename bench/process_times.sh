#!/usr/bin/env bash
# Whole-process times of velmora-calc: the median wall time of many runs, beside the start of
# a trivial C program on the same machine. process_times.sh [BIN_DIR] (default build/run/bin,
# the run command's programs);
# VELMORA_CALC=PROGRAM times another build of velmora-calc (its report forms beside it). The
# machine should be otherwise idle (see the load printed first): other work lengthens the wall
# times; the processor times (user + system) suffer less.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$source_dir/build/run/bin}" && pwd)
calc=${VELMORA_CALC:-$bin/velmora-calc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The timer: forks and execs the command runs times (stdout to /dev/null) and prints the
# median wall time and the median processor time in milliseconds; a run that fails stops it.
cat > "$work/median.c" <<'C'
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int compare(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    const int runs = atoi(argv[1]);
    double *ms = malloc(sizeof(double) * (size_t)runs);
    double *cpu = malloc(sizeof(double) * (size_t)runs);
    for (int i = 0; i < runs; ++i) {
        struct timespec t0, t1;
        clock_gettime(CLOCK_MONOTONIC, &t0);
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(open("/dev/null", O_WRONLY), 1);
            execv(argv[2], argv + 2);
            _exit(127);
        }
        int status = 0;
        struct rusage usage;
        wait4(pid, &status, 0, &usage);
        clock_gettime(CLOCK_MONOTONIC, &t1);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            fprintf(stderr, "%s failed (status %d)\n", argv[2], status);
            return 1;
        }
        ms[i] = (double)(t1.tv_sec - t0.tv_sec) * 1e3 + (double)(t1.tv_nsec - t0.tv_nsec) / 1e6;
        cpu[i] = (double)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
            + (double)(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    qsort(ms, (size_t)runs, sizeof(double), compare);
    qsort(cpu, (size_t)runs, sizeof(double), compare);
    printf("%8.2f ms wall %8.2f ms cpu", ms[runs / 2], cpu[runs / 2]);
    return 0;
}
C
cat > "$work/trivial.c" <<'C'
int main(void) { return 0; }
C
cc -O2 -o "$work/median" "$work/median.c"
cc -O2 -o "$work/trivial" "$work/trivial.c"

# The example project with its span range set to 10 m ... 6010 m by 10 m: 601 spans.
example=$source_dir/share/examples/example.vlp
sed '14s/.*/10\r/;15s/.*/6010\r/;16s/.*/10\r/' "$example" > "$work/601-spans.vlp"
mkdir "$work/many"
for i in $(seq -w 1 1000); do cp "$example" "$work/many/p$i.vlp"; done
catalogue=$bin/base_provod.dat

line() { # label runs command...
    local label=$1 runs=$2
    shift 2
    local times
    times=$("$work/median" "$runs" "$@") || times="failed"
    printf '%-48s %s (median of %d)\n' "$label" "$times" "$runs"
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) processors"
line "trivial C program" 300 "$work/trivial"
line "velmora-calc --help" 300 "$calc" --help
line "calc, 601 spans x 17 modes, JSON" 50 "$calc" calc "$work/601-spans.vlp" \
    --catalogue "$catalogue"
line "calc, 601 spans x 17 modes, JSON and --report" 50 "$calc" calc "$work/601-spans.vlp" \
    --catalogue "$catalogue" --report "$work/601-spans.xls"
line "calc --jsonl, 1000 small projects, --jobs 1" 10 "$calc" calc --jsonl "$work/many" \
    --catalogue "$catalogue" --jobs 1
line "calc --jsonl, 1000 small projects, --jobs $(nproc)" 10 "$calc" calc --jsonl "$work/many" \
    --catalogue "$catalogue"
