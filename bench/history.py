#!/usr/bin/env python3
"""My History with many entries: the history window's first showing with 1,000 entries and
exporting 10,000, each the median of fresh processes. Run by bench/run on its X server."""
import os
import statistics
import subprocess
import sys
import tempfile

RUNS = 21


def timed(probe, home, *arguments):
    env = dict(os.environ, HOME=home)
    env.pop("XDG_DATA_HOME", None)
    result = subprocess.run([probe, *arguments], env=env, capture_output=True, text=True,
                            timeout=60, check=True)
    return int(result.stdout.strip()) / 1000


def main():
    probe = os.path.join(sys.argv[1], "bench_history")
    print(f"My History, median of {RUNS} fresh processes:")
    for count, what, limit, label in ((1000, "window", 100, "history window shows, 1,000 entries"),
                                      (10000, "export", 1000, "CSV export, 10,000 entries")):
        with tempfile.TemporaryDirectory() as home:
            subprocess.run([probe, "fill", str(count)], env=dict(os.environ, HOME=home),
                           check=True)
            times = [timed(probe, home, what) for _ in range(RUNS)]
        median = statistics.median(times)
        verdict = "within" if median < limit else "OVER"
        print(f"  {label:<38}{median:8.1f} ms  ({verdict} {limit} ms)")


if __name__ == "__main__":
    main()
