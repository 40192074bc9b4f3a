#!/usr/bin/env python3
"""Damaged copies of data files fed to quelva-sql: every outcome must be rows that match the original, or a
clean error that names the file, within the time and memory a file of its size may take.

Each copy gets one kind of damage (bit flips, a run of bytes, two pages swapped, a page zeroed, the file cut,
a huge length written into a page or row header), then the console runs "select * from [T]" on one of its
tables. Outcomes: rows (the original's row count), error (exit 1, the file named), time limit and memory
limit (errors from the importer's budget), and the faults: crash, hang, silent (exit 0 with a row count other
than the original's), unnamed (an error that does not name the file), over-bounds (slower or larger than
allowed). Prints a JSON summary; exits 1 if any fault was seen, 77 if there was no file to damage.

  tools/fuzz/fuzz_import.py --console build/bin/quelva-sql --testdata ../shared/testdata \\
      --sample build/bin/Quelva.mdb --count 10000 --jobs 2
"""
import argparse
import json
import os
import random
import shutil
import sqlite3
import struct
import subprocess
import sys
import tempfile
import threading
import time
from concurrent.futures import ThreadPoolExecutor

KINDS = ["bitflip", "byterun", "swap", "zero", "truncate", "hugelen"]
HANG_SECONDS = 120  # far past any budget: a console still running then is a fault of its own


class Source:
    def __init__(self, path, tables):
        self.path = path
        self.bytes = open(path, "rb").read()
        self.tables = tables  # name -> row count
        if self.bytes[:16] == b"SQLite format 3\0":
            self.page = struct.unpack(">H", self.bytes[16:18])[0] or 65536
            self.jet = None
        else:
            self.jet = self.bytes[0x14]  # 0 Jet 3, 1 Jet 4, 2 and above ACE
            self.page = 2048 if self.jet == 0 else 4096
        self.pages = len(self.bytes) // self.page


def jet_tables(path):
    out = subprocess.run(["mdb-tables", "-1", path], capture_output=True, text=True, check=True).stdout
    return [t for t in out.split("\n") if t]


def row_count(console, path, table):
    r = subprocess.run([console, path, "select count(*) from [%s]" % table], capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit("the original %s does not answer on %s: %s" % (path, table, r.stderr))
    return int(r.stdout.split("\n")[1])


def load_sources(args):
    sources = []
    names = ["nwind.mdb", "DateTestDatabase.mdb", "ASampleDatabase.accdb"]
    if args.testdata and os.path.isdir(args.testdata) and shutil.which("mdb-tables"):
        for n in names:
            p = os.path.join(args.testdata, n)
            if os.path.exists(p):
                sources.append(Source(p, {t: row_count(args.console, p, t) for t in jet_tables(p)}))
    if args.sample and os.path.exists(args.sample):
        with open(args.sample, "rb") as f:
            sqlite_form = f.read(16) == b"SQLite format 3\0"
        if sqlite_form:
            con = sqlite3.connect("file:%s?mode=ro" % args.sample, uri=True)
            names = [r[0] for r in con.execute("select name from sqlite_master where type = 'table'")]
            con.close()
        else:  # the sample as the build writes it, a Jet 4 file
            names = jet_tables(args.sample)
        # The survey's large tables make every run slow; the catalogue's tables are the ones read at start-up.
        chosen = [n for n in names if n.upper().startswith("CD_") or n == "nomemun"] or names
        sources.append(Source(args.sample, {t: row_count(args.console, args.sample, t) for t in chosen}))
    return sources


def typed_pages(src, rng, want):
    """Pages of one kind: 'data', 'lval' (long values), 'tdef' (table definitions), or any."""
    if src.jet is None:
        return [rng.randrange(1, max(2, src.pages))]
    found = []
    for p in range(1, src.pages):
        t = src.bytes[p * src.page]
        lval = src.bytes[p * src.page + 4:p * src.page + 8] == b"LVAL"
        if (want == "data" and t == 1 and not lval) or (want == "lval" and t == 1 and lval) or (want == "tdef" and t == 2):
            found.append(p)
    return found or [rng.randrange(1, max(2, src.pages))]


def damage(src, kind, rng, cache):
    b = bytearray(src.bytes)
    ps, n = src.page, src.pages

    def pick(want):
        key = (src.path, want)
        if key not in cache:
            cache[key] = typed_pages(src, rng, want)
        return rng.choice(cache[key])

    if kind == "bitflip":
        for _ in range(rng.choice([1, 1, 2, 2, 4, 8])):
            where = pick(rng.choice(["tdef", "data", "lval", "any"])) * ps + rng.randrange(ps) if rng.random() < 0.7 else rng.randrange(len(b))
            b[where % len(b)] ^= 1 << rng.randrange(8)
    elif kind == "byterun":
        at = rng.randrange(len(b))
        length = rng.choice([2, 4, 16, 64, 512])
        fill = [rng.randrange(256) for _ in range(length)] if rng.random() < 0.5 else [rng.choice([0, 0xFF])] * length
        b[at:at + length] = bytes(fill)[:len(b) - at]
    elif kind == "swap":
        p, q = pick("any") if n < 2 else rng.randrange(1, n), rng.randrange(1, n)
        b[p * ps:(p + 1) * ps], b[q * ps:(q + 1) * ps] = src.bytes[q * ps:(q + 1) * ps], src.bytes[p * ps:(p + 1) * ps]
    elif kind == "zero":
        p = pick(rng.choice(["data", "lval", "tdef", "any"]))
        b[p * ps:(p + 1) * ps] = bytes(ps)
    elif kind == "truncate":
        cut = rng.randrange(ps, len(b))
        if rng.random() < 0.3:
            cut -= cut % ps  # on a page boundary
        del b[cut:]
    elif kind == "hugelen":
        p = pick(rng.choice(["data", "tdef", "lval"]))
        base = p * ps
        if src.jet is None:
            at = base + rng.randrange(0, 12)
        elif b[base] == 2:  # the row count, then the column counts, of a table definition
            at = base + rng.choice([12, 16, 21, 25, 43, 45] if src.jet else [8, 12, 17, 21, 25, 27])
        else:  # the row count, a row's offset, or the first bytes of a row (column count, memo length)
            rows_at = base + (8 if src.jet == 0 else 12)
            count = struct.unpack("<H", b[rows_at:rows_at + 2])[0]
            choice = rng.randrange(3)
            if choice == 0 or count == 0 or count > 200:
                at = rows_at
            else:
                slot = rows_at + 2 + 2 * rng.randrange(count)
                start = struct.unpack("<H", b[slot:slot + 2])[0] & 0x1FFF
                at = slot if choice == 1 or start >= ps - 4 else base + start
        value = rng.choice([b"\xff\xff", b"\xff\xff\xff\x7f", b"\x00\x80", b"\xff\x1f", b"\xff\xff\xff\x0f"])
        b[at:at + len(value)] = value
    return bytes(b)


def run_one(console, path, table, expected):
    start = time.monotonic()
    proc = subprocess.Popen([console, path, "select * from [%s]" % table], stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    timer = threading.Timer(HANG_SECONDS, proc.kill)
    timer.start()
    out, err = proc.communicate()
    timer.cancel()
    # wait4's usage covers the console and the importer it waited for: the larger of the two peaks.
    seconds = time.monotonic() - start
    status = proc.returncode
    peak_kb = getattr(proc, "_peak_kb", 0)
    return status, out, err.decode("utf-8", "replace"), seconds, peak_kb


class Console(subprocess.Popen):
    """A Popen that keeps the peak memory wait4 reports."""

    def _try_wait(self, wait_flags):
        try:
            pid, sts, usage = os.wait4(self.pid, wait_flags)
        except ChildProcessError:
            return (self.pid, 0)
        if pid == self.pid:
            self._peak_kb = usage.ru_maxrss
        return (pid, sts)


subprocess.Popen = Console


def classify(status, out, err, path, rows_expected, seconds, peak_kb, args, size):
    faults = []
    if status == 0:
        rows = out.count(b"\n") - 1
        outcome = "rows"
        if rows != rows_expected:
            outcome = "silent"
            faults.append("exit 0 with %d rows instead of %d" % (rows, rows_expected))
    elif status == 1:
        if "segundos, mais do que" in err:
            outcome = "time limit"
        elif "de memória, mais do que" in err:
            outcome = "memory limit"
        else:
            outcome = "error"
        if path not in err:
            outcome = "unnamed"
            faults.append("the message does not name the file: " + err.strip()[:200])
    elif status == -9 and seconds >= HANG_SECONDS:
        outcome = "hang"
        faults.append("still running after %d s" % HANG_SECONDS)
    else:
        outcome = "crash"
        faults.append("status %d: %s" % (status, err.strip()[:200]))
    if size <= 10_000_000 and (seconds > args.max_seconds or peak_kb > args.max_mb * 1024):
        faults.append("%.1f s and %d MB, over the bounds of %g s and %d MB" % (seconds, peak_kb // 1024, args.max_seconds, args.max_mb))
    return outcome, faults


def record(res, results, lock, log, progress, unit):
    """Keeps one outcome, appends it to the log as it is known, and tells the progress every so many."""
    with lock:
        results.append(res)
        if log:
            log.write(json.dumps(res, ensure_ascii=False) + "\n")
            log.flush()
        if progress and len(results) % progress == 0:
            print("%d %s" % (len(results), unit), file=sys.stderr, flush=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--console", required=True)
    ap.add_argument("--testdata")
    ap.add_argument("--sample")
    ap.add_argument("--count", type=int, default=300)
    ap.add_argument("--seed", type=int, default=15)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--max-seconds", type=float, default=10.0)
    ap.add_argument("--max-mb", type=int, default=1024)
    ap.add_argument("--keep", help="folder where the files of faults are kept")
    ap.add_argument("--progress", type=int, default=0, help="print a line every this many files")
    ap.add_argument("--log", help="file where each outcome is appended as one JSON line when it is known")
    args = ap.parse_args()

    sources = load_sources(args)
    if not sources:
        print("fuzz_import: no file to damage (the shared test data folder ../shared/testdata and the sample are "
              "absent, or mdb-tables is not installed): skipped")
        return 77
    rng = random.Random(args.seed)
    plan = []
    for i in range(args.count):
        src = sources[i % len(sources)]
        plan.append((i, src, KINDS[(i // len(sources)) % len(KINDS)], rng.randrange(1 << 30), rng.choice(sorted(src.tables))))

    work = tempfile.mkdtemp(prefix="quelva-fuzz-")
    cache, lock = {}, threading.Lock()
    results = []

    def one(item):
        i, src, kind, seed, table = item
        r = random.Random(seed)
        with lock:
            data = damage(src, kind, r, cache)
        path = os.path.join(work, "%05d-%s%s" % (i, kind, os.path.splitext(src.path)[1]))
        with open(path, "wb") as f:
            f.write(data)
        status, out, err, seconds, peak = run_one(args.console, path, table, src.tables[table])
        outcome, faults = classify(status, out, err, path, src.tables[table], seconds, peak, args, len(data))
        if faults and args.keep:
            os.makedirs(args.keep, exist_ok=True)
            shutil.copy(path, args.keep)
        os.unlink(path)
        res = {"file": os.path.basename(path), "source": os.path.basename(src.path), "kind": kind, "table": table,
               "outcome": outcome, "seconds": round(seconds, 3), "peak_mb": round(peak / 1024, 1), "faults": faults}
        record(res, results, lock, log, args.progress, "files")
        return res

    log = open(args.log, "a") if args.log else None
    began = time.monotonic()
    try:
        with ThreadPoolExecutor(max_workers=args.jobs) as pool:
            list(pool.map(one, plan))
    finally:
        shutil.rmtree(work, ignore_errors=True)

    def summary(rs):
        outcomes = {}
        for r in rs:
            outcomes[r["outcome"]] = outcomes.get(r["outcome"], 0) + 1
        times = sorted(r["seconds"] for r in rs) or [0]
        return {"files": len(rs), "outcomes": outcomes, "seconds_median": times[len(times) // 2],
                "seconds_p99": times[min(len(times) - 1, int(len(times) * 0.99))], "seconds_max": times[-1],
                "peak_mb_max": max([r["peak_mb"] for r in rs] or [0])}

    faults = [r for r in results if r["faults"]]
    report = summary(results)
    report["wall_seconds"] = round(time.monotonic() - began, 1)
    report["by_kind"] = {k: summary([r for r in results if r["kind"] == k]) for k in KINDS}
    report["slowest"] = sorted(results, key=lambda r: -r["seconds"])[:5]
    report["faults"] = faults[:50]
    report["fault_count"] = len(faults)
    print(json.dumps(report, indent=1, ensure_ascii=False))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
