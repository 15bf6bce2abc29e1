#!/usr/bin/env python3
"""The program's first start (no settings yet) and a later start beside the same-content peer,
timed from outside: from just before the process starts to the first drawing into its window,
as the X server reports it through the damage extension (bench_paintwatch).

Expects a display with a window manager (bench/run provides one), the benchmark programs built
by the bench preset, and XDG_RUNTIME_DIR in memory. Every run gets a settings folder and a
runtime folder of its own: empty for a first start, a copy of what a first start left for a
later one. Prints medians of alternating runs, the ratios of the medians and the medians of the
ratios of runs made side by side; then, as the load of a shared machine moves the milliseconds,
the instructions each start executes up to its paint (callgrind, the in-process probe).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from startup import instructions

WARM_UP = 3
RUNS = 101


def first_paint(watch, command, settings):
    """Milliseconds to the first paint, with a fresh copy of `settings` (None: none at all)."""
    with tempfile.TemporaryDirectory() as config, \
            tempfile.TemporaryDirectory(dir=os.environ["XDG_RUNTIME_DIR"]) as runtime:
        if settings:
            shutil.copytree(settings, config, dirs_exist_ok=True)
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime)
        result = subprocess.run([watch, *command], env=env, capture_output=True, text=True)
        return float(result.stdout) if result.returncode == 0 else None


def sample(watch, command, settings):
    """first_paint, taken again (up to three times) when the watch missed the paint."""
    for _ in range(3):
        elapsed = first_paint(watch, command, settings)
        if elapsed is not None:
            return elapsed
    sys.exit(f"no first paint seen of {command[0]}")


def counted(program, settings):
    """Instructions to the first paint of the probe `program` (callgrind), with `settings`."""
    with tempfile.TemporaryDirectory() as config, \
            tempfile.TemporaryDirectory(dir=os.environ["XDG_RUNTIME_DIR"]) as runtime:
        if settings:
            shutil.copytree(settings, config, dirs_exist_ok=True)
        saved = dict(os.environ)
        os.environ.update(XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime)
        try:
            return instructions(program)[0]
        finally:
            os.environ.clear()
            os.environ.update(saved)


def settings_of_a_first_start(program, folder):
    """Runs the program once long enough to keep what a first start writes, in `folder`."""
    with tempfile.TemporaryDirectory(dir=os.environ["XDG_RUNTIME_DIR"]) as runtime:
        env = dict(os.environ, XDG_CONFIG_HOME=folder, XDG_RUNTIME_DIR=runtime)
        child = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
        for _ in range(100):
            time.sleep(0.1)
            if os.path.exists(os.path.join(folder, "ZVFreeTamsilo.conf")):
                break
        time.sleep(0.5)
        child.kill()
        child.wait()
    if not os.listdir(folder):
        sys.exit("the program kept no settings")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    watch = os.path.join(build, "bench", "bench_paintwatch")
    program = os.path.join(build, "zv-tamsilo")
    peer = os.path.join(build, "bench", "bench_baseline_window")
    with tempfile.TemporaryDirectory() as later_settings:
        settings_of_a_first_start(program, later_settings)
        # The peer stays open until the watch ends it, as the program does.
        kinds = {"same-content Qt window": ([peer, "--stay"], None),
                 "ZV Tamsilo, first start": ([program], None),
                 "ZV Tamsilo, later start": ([program], later_settings)}
        for _ in range(WARM_UP):
            for command, settings in kinds.values():
                sample(watch, command, settings)
        times = {kind: [] for kind in kinds}
        for run in range(RUNS):
            # Each kind goes first in turn, after the X server has let go of the last one.
            order = list(kinds.items())
            for kind, (command, settings) in order[run % 3:] + order[:run % 3]:
                time.sleep(0.05)
                times[kind].append(sample(watch, command, settings))
        probe = os.path.join(build, "bench", "bench_startup")
        counts = {"same-content Qt window": counted(peer, None),
                  "ZV Tamsilo, first start": counted(probe, None),
                  "ZV Tamsilo, later start": counted(probe, later_settings)}

    peer_times = times["same-content Qt window"]
    print(f"start to first paint as the X server sees it (X damage), "
          f"median of {RUNS} alternating runs each:")
    for kind, samples in times.items():
        line = f"  {kind:<26}{statistics.median(samples):7.1f} ms"
        if samples is not peer_times:
            ratio = statistics.median(samples) / statistics.median(peer_times)
            paired = statistics.median(o / p for o, p in zip(samples, peer_times))
            line += f"   to the peer {ratio:.3f} (median of paired ratios {paired:.3f})"
        print(line)
    print("instructions to first paint (callgrind):")
    for kind, count in counts.items():
        line = f"  {kind:<26}{count:>13,}"
        if kind != "same-content Qt window":
            line += f"   to the peer {count / counts['same-content Qt window']:.3f}"
        print(line)


if __name__ == "__main__":
    main()
