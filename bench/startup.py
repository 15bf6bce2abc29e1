#!/usr/bin/env python3
"""Start-up figures of the program beside a bare Qt window, measured side by side in one run.

Expects a display with a window manager (bench/run provides one) and the benchmark programs
built by the release preset. Prints medians, ratios, peak memory, the results-page time and
the instruction counts of start-up under callgrind.
"""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time
from collections import Counter

WARM_UP = 3
RUNS = 25


def start_to_first_paint(program):
    """Milliseconds from just before the process starts to its first paint, and peak RSS (KiB)."""
    started = time.monotonic_ns()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    painted = int(child.stdout.read().split()[0])
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    return (painted - started) / 1e6, usage.ru_maxrss


def instructions(program):
    """Instructions executed up to the first paint, counted by callgrind (repeatable), in all
    and by shared library."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "callgrind.%p")
        result = subprocess.run(
            ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", program],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, check=True)
        # Qt may fork helpers; the process started is the one valgrind names first.
        main_pid = re.search(r"==(\d+)==", result.stderr).group(1)
        total = int(re.search(rf"=={main_pid}== Collected : (\d+)", result.stderr).group(1))
        annotated = subprocess.run(
            ["callgrind_annotate", "--threshold=100", out.replace("%p", main_pid)],
            capture_output=True, text=True, check=True).stdout
    by_library = Counter()
    for line in annotated.splitlines():
        cost = re.match(r"\s*([\d,]+) .*\[(.+)\]$", line)
        if cost:
            by_library[os.path.basename(cost.group(2))] += int(cost.group(1).replace(",", ""))
    return total, by_library


def main():
    bench = sys.argv[1] if len(sys.argv) > 1 else "build/release/bench"
    ours = os.path.join(bench, "bench_startup")
    bare = os.path.join(bench, "bench_bare_window")

    for _ in range(WARM_UP):
        start_to_first_paint(bare)
        start_to_first_paint(ours)
    times = {ours: [], bare: []}
    memory = {ours: [], bare: []}
    for _ in range(RUNS):
        for program in (bare, ours):
            elapsed, rss = start_to_first_paint(program)
            times[program].append(elapsed)
            memory[program].append(rss)

    ratios = [o / b for o, b in zip(times[ours], times[bare])]
    print(f"start to first paint, median of {RUNS} alternating runs each:")
    print(f"  bare Qt window   {statistics.median(times[bare]):7.1f} ms")
    print(f"  ZV Tamsilo       {statistics.median(times[ours]):7.1f} ms")
    print(f"  ratio of medians {statistics.median(times[ours]) / statistics.median(times[bare]):7.3f}"
          f"   (median of paired ratios {statistics.median(ratios):.3f})")
    print("peak resident memory, median:")
    print(f"  bare Qt window   {statistics.median(memory[bare]) / 1024:7.1f} MiB")
    print(f"  ZV Tamsilo       {statistics.median(memory[ours]) / 1024:7.1f} MiB")
    print(f"  ratio            {statistics.median(memory[ours]) / statistics.median(memory[bare]):7.3f}")

    results = subprocess.run([os.path.join(bench, "bench_results"), "40"], capture_output=True,
                             text=True, check=True)
    micros = [int(line) for line in results.stdout.split()]
    print(f"fourth Next to results page painted, median of {len(micros)}: "
          f"{statistics.median(micros) / 1000:.2f} ms (max {max(micros) / 1000:.2f} ms)")

    bare_count, bare_libraries = instructions(bare)
    ours_count, ours_libraries = instructions(ours)
    print("instructions to first paint (callgrind):")
    print(f"  bare Qt window   {bare_count:>13,}")
    print(f"  ZV Tamsilo       {ours_count:>13,}   ratio {ours_count / bare_count:.3f}")
    print("  where the difference goes, by library:")
    extra = Counter(ours_libraries)
    extra.subtract(bare_libraries)
    for library, count in extra.most_common(8):
        print(f"    {count:>13,}  {library}")


if __name__ == "__main__":
    main()
