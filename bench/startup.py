#!/usr/bin/env python3
"""Start-up figures of the program beside two Qt windows, measured side by side in one run:
a bare window (the floor: it draws no text) and a main window with a menu bar and a form of
about the same text in the same font (the peer).

Expects a display with a window manager (bench/run provides one) and the benchmark programs
built by the bench preset. Prints medians, ratios, peak memory, the time from the user's
action to each window's first paint, and the instruction counts of start-up under callgrind.
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
SHOW_RUNS = 21
WINDOWS = ("questionnaire", "results", "farewell", "about")


def start_to_first_paint(program):
    """Milliseconds from just before the process starts to its first paint, and peak RSS (KiB).
    A program given as a tuple is a command with its arguments."""
    command = list(program) if isinstance(program, tuple) else [program]
    started = time.monotonic_ns()
    child = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    painted = int(child.stdout.read().split()[0])
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    return (painted - started) / 1e6, usage.ru_maxrss


def instructions(program, *arguments, only=None):
    """Instructions executed up to the first paint, counted by callgrind (repeatable), in all
    and by shared library; with `only`, just those inside the functions it names."""
    span = ["--collect-atstart=no", f"--toggle-collect={only}"] if only else []
    if isinstance(program, tuple):
        program, arguments = program[0], (*program[1:], *arguments)
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "callgrind.%p")
        result = subprocess.run(
            ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", *span, program,
             *arguments],
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


def first_showings(probe):
    """Microseconds from the user's action to the first paint of each window's first showing,
    a fresh process for every sample, the windows in turn."""
    micros = {window: [] for window in WINDOWS}
    failures = 0
    for _ in range(SHOW_RUNS):
        for window in WINDOWS:
            # On a busy machine the welcome window now and then misses the probe's wait for
            # it; that sample is taken again.
            for _attempt in range(3):
                result = subprocess.run([probe, window], capture_output=True, text=True)
                if result.returncode == 0:
                    micros[window].append(int(result.stdout.split()[0]))
                    break
                failures += 1
    return micros, failures


def main():
    bench = sys.argv[1] if len(sys.argv) > 1 else "build/bench/bench"
    ours = os.path.join(bench, "bench_startup")
    bare = os.path.join(bench, "bench_bare_window")
    baseline = os.path.join(bench, "bench_baseline_window")
    # The program again, started in German: its translation and Qt's loaded.
    german = (ours, "de")
    programs = (bare, baseline, ours, german)
    names = {bare: "bare Qt window", baseline: "same-content Qt window", ours: "ZV Tamsilo",
             german: "ZV Tamsilo in German"}

    for _ in range(WARM_UP):
        for program in programs:
            start_to_first_paint(program)
    times = {program: [] for program in programs}
    memory = {program: [] for program in programs}
    for _ in range(RUNS):
        for program in programs:
            elapsed, rss = start_to_first_paint(program)
            times[program].append(elapsed)
            memory[program].append(rss)

    print(f"start to first paint, median of {RUNS} alternating runs each:")
    for program in programs:
        print(f"  {names[program]:<24}{statistics.median(times[program]):7.1f} ms")
    for peer in (bare, baseline):
        paired = statistics.median(o / p for o, p in zip(times[ours], times[peer]))
        print(f"  ratio to the {names[peer]:<24}"
              f"{statistics.median(times[ours]) / statistics.median(times[peer]):6.3f}"
              f"   (median of paired ratios {paired:.3f})")
    paired = statistics.median(g / o for g, o in zip(times[german], times[ours]))
    print(f"  German to English{'':<19}"
          f"{statistics.median(times[german]) / statistics.median(times[ours]):6.3f}"
          f"   (median of paired ratios {paired:.3f})")
    print("peak resident memory, median:")
    for program in programs:
        print(f"  {names[program]:<24}{statistics.median(memory[program]) / 1024:7.1f} MiB")
    for peer in (bare, baseline):
        ratio = statistics.median(memory[ours]) / statistics.median(memory[peer])
        print(f"  ratio to the {names[peer]:<24}{ratio:6.3f}")

    micros, failures = first_showings(os.path.join(bench, "bench_firstshow"))
    print(f"user's action to the first paint of a window's first showing, "
          f"median of {SHOW_RUNS} processes each:")
    for window in WINDOWS:
        print(f"  {window:<24}{statistics.median(micros[window]) / 1000:7.2f} ms"
              f"   (max {max(micros[window]) / 1000:.2f} ms)")
    if failures:
        print(f"  ({failures} probe runs failed and were taken again)")
    print("  instructions from the action to the paint (callgrind):")
    for window in WINDOWS:
        count, _ = instructions(os.path.join(bench, "bench_firstshow"), window,
                                only="*actUntilPainted*")
        print(f"  {window:<24}{count:>13,}")

    counts = {program: instructions(program) for program in programs}
    print("instructions to first paint (callgrind):")
    for program in programs:
        print(f"  {names[program]:<24}{counts[program][0]:>13,}")
    for peer in (bare, baseline):
        print(f"  ratio to the {names[peer]:<24}{counts[ours][0] / counts[peer][0]:6.3f}")
    print(f"  German to English{'':<19}{counts[german][0] / counts[ours][0]:6.3f}")
    for peer in (bare, baseline):
        print(f"  where the difference to the {names[peer]} goes, by library:")
        extra = Counter(counts[ours][1])
        extra.subtract(counts[peer][1])
        for library, count in extra.most_common(8):
            print(f"    {count:>13,}  {library}")


if __name__ == "__main__":
    main()
