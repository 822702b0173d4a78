#!/usr/bin/env python3
"""Compression sizes and speed side by side, in one run, on the same real files.

Each file of the corpus is packed as one member by compress_file at levels 1, 6 and 9,
and every one of those members is decoded back and compared (compress_file --verify).
Beside them: gzip -9, and deflate level 9 held to the same 8 KiB window as our format
(raw deflate with 13 window bits, through Python's zlib). Then the default level is timed
against gzip -6 as whole processes, output thrown away, runs interleaved, median taken.

usage: bench/run_bench.py [CORPUS_DIR] [--runs N] [--compress-file PATH]
  CORPUS_DIR defaults to ../shared/bench-corpus beside the source tree. Without --compress-file the native
  preset's build/native/bench/compress_file is built (if needed) and used.
"""

import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time
import zlib

LEVELS = (1, 6, 9)
DEFAULT_LEVEL = 6
SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def build_compress_file():
    subprocess.run(["cmake", "--build", "--preset", "native", "--target", "compress_file"],
                   cwd=SOURCE_DIR, check=True, stdout=subprocess.DEVNULL)
    return os.path.join(SOURCE_DIR, "build", "native", "bench", "compress_file")


def our_size(tool, level, path, scratch):
    """Packs `path` at `level`, checks that it decodes back, and returns the packed size."""
    out = os.path.join(scratch, "member")
    result = subprocess.run([tool, f"-{level}", "--verify", path, out], stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.exit(f"round trip failed: {os.path.basename(path)} at level {level}: {result.stderr.strip()}")
    return os.path.getsize(out)


def gzip_size(path):
    with open(path, "rb") as f:
        return len(subprocess.run(["gzip", "-9", "-c"], stdin=f, stdout=subprocess.PIPE, check=True).stdout)


def deflate_8k_size(data):
    coder = zlib.compressobj(9, zlib.DEFLATED, -13, 9)
    return len(coder.compress(data) + coder.flush())


def timed(command):
    """Wall-clock and CPU (user + system) seconds of one whole process, output discarded."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


def time_against_gzip(tool, path, runs):
    ours, theirs = [], []
    timed([tool, f"-{DEFAULT_LEVEL}", path])  # warm the page cache for both
    for _ in range(runs):
        ours.append(timed([tool, f"-{DEFAULT_LEVEL}", path]))
        theirs.append(timed(["gzip", f"-{DEFAULT_LEVEL}", "-c", path]))
    median = lambda pairs, i: statistics.median(p[i] for p in pairs)
    return {"ours_wall": median(ours, 0), "ours_cpu": median(ours, 1),
            "gzip_wall": median(theirs, 0), "gzip_cpu": median(theirs, 1)}


def percent(a, b):
    return f"{100.0 * (a - b) / b:+.1f}%"


def print_table(rows):
    header = ["file", "bytes", "L1", "L6", "L9", "gzip -9", "deflate 8K", "L9 vs gz9", "L9 vs d8K",
              "L6 s", "gzip -6 s", "L6/gz6 wall", "L6/gz6 cpu"]
    lines = [header]
    for r in rows:
        lines.append([
            r["name"], f"{r['bytes']:,}", *(f"{r[level]:,}" for level in LEVELS),
            f"{r['gzip9']:,}", f"{r['deflate8k']:,}",
            percent(r[9], r["gzip9"]), percent(r[9], r["deflate8k"]),
            f"{r['ours_wall']:.3f}", f"{r['gzip_wall']:.3f}",
            f"{r['ours_wall'] / r['gzip_wall']:.2f}", f"{r['ours_cpu'] / r['gzip_cpu']:.2f}",
        ])
    widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
    for n, line in enumerate(lines):
        print("  ".join(cell.ljust(widths[i]) if i == 0 else cell.rjust(widths[i]) for i, cell in enumerate(line)))
        if n == 0 or n == len(lines) - 2:
            print("  ".join("-" * w for w in widths))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("corpus", nargs="?",
                        default=os.path.join(os.path.dirname(SOURCE_DIR), "shared", "bench-corpus"))
    parser.add_argument("--runs", type=int, default=5, help="timed runs of each side (median taken)")
    parser.add_argument("--compress-file", help="the compress_file program to measure")
    args = parser.parse_args()

    tool = args.compress_file or build_compress_file()
    files = sorted(f for f in os.listdir(args.corpus)
                   if os.path.isfile(os.path.join(args.corpus, f)) and f not in ("README.md", "SHA256SUMS"))
    if not files:
        sys.exit(f"no files in {args.corpus}")

    rows = []
    with tempfile.TemporaryDirectory() as scratch:
        for name in files:
            path = os.path.join(args.corpus, name)
            with open(path, "rb") as f:
                data = f.read()
            row = {"name": name, "bytes": len(data)}
            for level in LEVELS:
                row[level] = our_size(tool, level, path, scratch)
            row["gzip9"] = gzip_size(path)
            row["deflate8k"] = deflate_8k_size(data)
            row.update(time_against_gzip(tool, path, args.runs))
            rows.append(row)
            print(f"measured {name}", file=sys.stderr)

    total = {"name": "TOTAL"}
    for key in ["bytes", *LEVELS, "gzip9", "deflate8k", "ours_wall", "ours_cpu", "gzip_wall", "gzip_cpu"]:
        total[key] = sum(r[key] for r in rows)
    rows.append(total)
    print_table(rows)
    print(f"\nsizes in bytes; every L1/L6/L9 member decoded back and compared. Times: median of "
          f"{args.runs} whole-process runs (wall seconds), L{DEFAULT_LEVEL} against gzip -{DEFAULT_LEVEL}; "
          f"ratios below 1 mean ours is faster.")


if __name__ == "__main__":
    main()
