#!/usr/bin/env python3
"""Runs a command RUNS times with its output discarded; prints the best wall time and the best
CPU time (user + system, children included) in milliseconds. On a shared machine the CPU time
is the steadier figure."""
import resource
import subprocess
import sys
import time


def main():
    runs = int(sys.argv[1])
    command = sys.argv[2:]
    best_wall = best_cpu = None
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
        wall = (time.perf_counter() - start) * 1000
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = ((after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)) * 1000
        best_wall = wall if best_wall is None else min(best_wall, wall)
        best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
    print("%.0f %.0f" % (best_wall, best_cpu))


if __name__ == "__main__":
    main()
