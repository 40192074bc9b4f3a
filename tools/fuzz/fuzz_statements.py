#!/usr/bin/env python3
"""Statements made from the engine's grammar, run by quelva-sql over data files: each must end in rows or in a
message in Portuguese that names the file, within a time and a memory limit.

The statements mix every function of the engine with odd and huge arguments, nesting, long chains of
operators, subqueries, Union, Top with an Order By, and --find criteria on their rows. Outcomes: rows (exit 0),
message (exit 1), and the faults: crash (a signal or another status), hang (killed at the time limit), english
(the message is SQLite's or the C++ library's words), unnamed (the message names no file), over-bounds (slower
or larger than allowed). Prints a JSON summary; exits 1 if any fault was seen, 77 if there was no file.

  tools/fuzz/fuzz_statements.py --console build/bin/quelva-sql --file ../shared/testdata/nwind.mdb \\
      --file build/bin/Quelva.mdb --count 20000 --jobs 2
"""
import argparse
import json
import os
import random
import resource
import re
import shutil
import sqlite3
import subprocess
import sys
import threading
import time
from concurrent.futures import ThreadPoolExecutor

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import fuzz_import  # noqa: E402  its Popen keeps each console's peak memory (wait4)

# What SQLite and the C++ library say in English; the engine's messages are Portuguese.
ENGLISH = re.compile(r"no such|syntax error|parser stack|misuse|std::|bad_alloc|vtable|at most \d+|too many|"
                     r"not authorized|out of memory|unrecognized|incomplete input|sub-select|row value|ambiguous|"
                     r"datatype mismatch|string or blob|interrupted|wrong number of arguments|circular|unsupported|"
                     r"terminate called|Expression tree|no error", re.IGNORECASE)

# name: (fewest, most) arguments
FUNCTIONS = {
    "UCase": (1, 1), "LCase": (1, 1), "Left": (2, 2), "Right": (2, 2), "Mid": (2, 3), "Trim": (1, 1),
    "LTrim": (1, 1), "RTrim": (1, 1), "Len": (1, 1), "CStr": (1, 1), "Space": (1, 1), "String": (2, 2),
    "InStr": (2, 3), "Val": (1, 1), "Replace": (3, 6), "StrComp": (2, 3), "StrReverse": (1, 1), "Str": (1, 1),
    "Format": (1, 2), "Chr": (1, 1), "Asc": (1, 1), "Hex": (1, 1), "Oct": (1, 1), "CLng": (1, 1), "CInt": (1, 1),
    "CByte": (1, 1), "CDbl": (1, 1), "CSng": (1, 1), "CCur": (1, 1), "CBool": (1, 1), "CDate": (1, 1),
    "Int": (1, 1), "Fix": (1, 1), "Abs": (1, 1), "Sgn": (1, 1), "Round": (1, 2), "Sqr": (1, 1), "Year": (1, 1),
    "Month": (1, 1), "Day": (1, 1), "Weekday": (1, 2), "DateAdd": (3, 3), "DateDiff": (3, 5), "DatePart": (2, 4),
    "DateSerial": (3, 3), "IIf": (3, 3), "Nz": (1, 2), "IsNull": (1, 1), "IsNumeric": (1, 1), "IsDate": (1, 1),
    "Switch": (2, 6), "Choose": (2, 5),
}
AGGREGATES = ["Sum", "Avg", "Min", "Max", "Count"]
OPERATORS = ["+", "-", "*", "/", "\\", "Mod", "^", "&", "And", "Or"]
COMPARISONS = ["=", "<>", "<", ">", "<=", ">="]
LITERALS = ["0", "1", "-1", "2", "0.5", "-0.5", "1e308", "1.7e308", "-1e308", "1e-308", "9007199254740993",
            "9223372036854775807", "2147483648", "255", "Null", "True", "False", "''", "'abc'", "'ÇÃO'", "'ção'",
            "'inf'", "'-Infinity'", "'nan'", "'1e5'", "'12'", "' 7 '", "'&HFF'", "#1/2/2000#", "#12/31/9999#",
            "#1/1/100#", "'8/4/1994'", "'yyyy'", "'d'", "'m'", "'0.00'", "'#,##0,,'", "'0%'", "'>'", "'Currency'",
            "'*'", "'?'", "'[a-z]*'", "'[!'", "'#'"]
HUGE = ["String(3000000, 'a')", "Space(16000000)", "String(40000, 'a') & 'b'", "Space(100000)",
        "'0.' & String(1000, '0')", "String(20000, '*')"]


class Grammar:
    def __init__(self, rng, table, columns):
        self.r = rng
        self.table = table
        self.columns = columns

    def column(self):
        c = self.r.choice(self.columns)
        return "[%s]" % c if self.r.random() < 0.7 else "[%s]" % c.upper()

    def leaf(self):
        x = self.r.random()
        if x < 0.35:
            return self.column()
        if x < 0.9:
            return self.r.choice(LITERALS)
        return self.r.choice(HUGE)

    def chain(self, depth):
        n = self.r.choice([2, 3, 5, 30, 40, 60, 150, 200, 201])
        op = self.r.choice(OPERATORS)
        ops = [op if self.r.random() < 0.8 else self.r.choice(OPERATORS) for _ in range(n - 1)]
        parts = [self.expr(depth + 2) if self.r.random() < 0.1 else self.leaf() for _ in range(n)]
        s = parts[0]
        for o, p in zip(ops, parts[1:]):
            s += " %s %s" % (o, p)
        return s

    def expr(self, depth=0):
        if depth > 6:
            return self.leaf()
        x = self.r.random()
        if x < 0.25:
            return self.leaf()
        if x < 0.5:
            name = self.r.choice(sorted(FUNCTIONS))
            lo, hi = FUNCTIONS[name]
            return "%s(%s)" % (name, ", ".join(self.expr(depth + 1) for _ in range(self.r.randint(lo, hi))))
        if x < 0.6:
            return "(%s %s %s)" % (self.expr(depth + 1), self.r.choice(OPERATORS), self.expr(depth + 1))
        if x < 0.67:
            return self.chain(depth)
        if x < 0.74:
            return "(%s)" % self.condition(depth + 1)
        if x < 0.78:
            n = self.r.choice([2, 5, 35, 60])
            return "Abs(" * n + self.leaf() + ")" * n
        if x < 0.84:
            return "(Select %s From [%s])" % (self.r.choice(["Max(%s)" % self.column(), "Count(*)", self.expr(depth + 1)]),
                                              self.table)
        if x < 0.88:
            return "(Select %s Union Select %s)" % (self.leaf(), self.leaf())
        return "-" + self.expr(depth + 1)

    def condition(self, depth=0):
        x = self.r.random()
        e = self.expr(depth + 1)
        if x < 0.3:
            return "%s %s %s" % (e, self.r.choice(COMPARISONS), self.expr(depth + 1))
        if x < 0.45:
            return "%s Like %s" % (e, self.r.choice(["'*a*'", "'[a-c]?*'", "'*' & String(20000, 'a') & 'b'",
                                                       "'*' & String(20000, 'a') & '?b*'", self.expr(depth + 1)]))
        if x < 0.55:
            s = e
            for _ in range(self.r.choice([1, 2, 16])):
                s = "%s Between %s And %s" % (s, self.leaf(), self.leaf())
            return s
        if x < 0.65:
            return "%s In (%s)" % (e, ", ".join(self.leaf() for _ in range(self.r.randint(1, 5))))
        if x < 0.72:
            return "%s In (Select %s From [%s])" % (e, self.column(), self.table)
        if x < 0.78:
            return "Exists (Select * From [%s] Where %s)" % (self.table, self.condition(depth + 2))
        if x < 0.85:
            return "%s Is %sNull" % (e, self.r.choice(["", "Not "]))
        if x < 0.92:
            return "Not (%s)" % self.condition(depth + 1)
        return "%s %s %s" % (self.condition(depth + 2), self.r.choice(["And", "Or"]), self.condition(depth + 2))

    def select(self):
        r = self.r
        items = [self.expr() for _ in range(r.randint(1, 3))]
        grouped = r.random() < 0.2
        if grouped:
            key = self.column()
            items = [key] + ["%s(%s)" % (r.choice(AGGREGATES), self.expr(3)) for _ in range(r.randint(1, 2))]
        head = "Select "
        if r.random() < 0.1:
            head += "Distinct "
        if r.random() < 0.2:
            head += "Top %s%s " % (r.choice(["1", "3", "0", "50", "1e30"]), r.choice(["", " Percent"]))
        s = head + ", ".join(items)
        if r.random() < 0.9:
            s += " From [%s]" % self.table
            if r.random() < 0.5:
                s += " Where " + self.condition()
        if grouped:
            s += " Group By " + items[0]
        if r.random() < 0.3:
            s += " Order By %s%s" % (r.choice([str(r.randint(1, len(items) + 1)), items[0]]), r.choice(["", " Desc"]))
        elif r.random() < 0.1:
            s = "Select %s From [%s] Union Select %s From [%s]" % (self.column(), self.table, self.column(), self.table)
        return s


def tables_of(console, path):
    head = open(path, "rb").read(16)
    if head == b"SQLite format 3\0":
        con = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
        names = [r[0] for r in con.execute("select name from sqlite_master where type = 'table'")
                 if not r[0].startswith("quelva.")]
        con.close()
    elif shutil.which("mdb-tables"):
        out = subprocess.run(["mdb-tables", "-1", path], capture_output=True, text=True).stdout
        names = [t for t in out.split("\n") if t]
    else:
        return {}
    tables = {}
    for t in names[:12]:
        r = subprocess.run([console, path, "Select Top 1 * From [%s]" % t], capture_output=True, text=True)
        if r.returncode == 0 and r.stdout:
            tables[t] = [c for c in r.stdout.split("\n")[0].split("\t") if c]
    return {t: c for t, c in tables.items() if c}


def limit_memory(mb):
    def apply():
        resource.setrlimit(resource.RLIMIT_AS, (mb << 20, mb << 20))
    return apply


def run_one(args, path, statement, criterion):
    cmd = [args.console, path, statement] + (["--find", criterion] if criterion else [])
    start = time.monotonic()
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            preexec_fn=None if args.sanitized else limit_memory(args.address_mb))
    timer = threading.Timer(args.kill_seconds, proc.kill)
    timer.start()
    out, err = proc.communicate()
    timer.cancel()
    seconds = time.monotonic() - start
    return proc.returncode, err.decode("utf-8", "replace"), seconds, getattr(proc, "_peak_kb", 0)


def classify(status, err, path, seconds, peak_kb, args):
    faults = []
    first = err.strip().split("\n")[0] if err.strip() else ""
    if status == 0:
        outcome = "rows"
    elif status == 1:
        outcome = "message"
        if ENGLISH.search(first):
            outcome = "english"
            faults.append("not Portuguese: " + first[:200])
        elif path not in err:
            outcome = "unnamed"
            faults.append("the message names no file: " + first[:200])
    elif status == -9 and seconds >= args.kill_seconds:
        outcome = "hang"
        faults.append("still running after %g s" % args.kill_seconds)
    else:
        outcome = "crash"
        faults.append("status %d: %s" % (status, first[:200]))
    if outcome != "hang" and (seconds > args.max_seconds or peak_kb > args.max_mb * 1024):
        faults.append("%.1f s and %d MB, over the bounds of %g s and %d MB" % (seconds, peak_kb // 1024, args.max_seconds,
                                                                              args.max_mb))
    return outcome, faults


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--console", required=True)
    ap.add_argument("--file", action="append", default=[])
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--seed", type=int, default=29)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--max-seconds", type=float, default=5.0)
    ap.add_argument("--max-mb", type=int, default=2048)
    ap.add_argument("--kill-seconds", type=float, default=60.0)
    ap.add_argument("--address-mb", type=int, default=6144, help="the address space each console may take")
    ap.add_argument("--sanitized", action="store_true", help="a sanitizer build: no address-space limit")
    ap.add_argument("--progress", type=int, default=0)
    ap.add_argument("--log", help="file where each outcome is appended as one JSON line")
    args = ap.parse_args()

    files = [(f, tables_of(args.console, f)) for f in args.file if os.path.exists(f)]
    files = [(f, t) for f, t in files if t]
    if not files:
        print("fuzz_statements: no data file to run statements on: skipped")
        return 77
    rng = random.Random(args.seed)
    plan = []
    for i in range(args.count):
        path, tables = files[i % len(files)]
        table = rng.choice(sorted(tables))
        g = Grammar(random.Random(rng.randrange(1 << 30)), table, tables[table])
        statement = g.select()
        criterion = g.condition() if rng.random() < 0.15 else None
        if criterion:
            statement = "Select * From [%s]" % table
        plan.append((i, path, statement, criterion))

    results, lock = [], threading.Lock()
    log = open(args.log, "a") if args.log else None

    def one(item):
        i, path, statement, criterion = item
        status, err, seconds, peak = run_one(args, path, statement, criterion)
        outcome, faults = classify(status, err, path, seconds, peak, args)
        res = {"n": i, "file": os.path.basename(path), "statement": statement[:2000], "find": criterion,
               "outcome": outcome, "seconds": round(seconds, 3), "peak_mb": round(peak / 1024, 1), "faults": faults}
        fuzz_import.record(res, results, lock, log, args.progress, "statements")

    began = time.monotonic()
    with ThreadPoolExecutor(max_workers=args.jobs) as pool:
        list(pool.map(one, plan))
    outcomes = {}
    for r in results:
        outcomes[r["outcome"]] = outcomes.get(r["outcome"], 0) + 1
    times = sorted(r["seconds"] for r in results)
    faults = [r for r in results if r["faults"]]
    print(json.dumps({"statements": len(results), "outcomes": outcomes, "seconds_median": times[len(times) // 2],
                      "seconds_max": times[-1], "wall_seconds": round(time.monotonic() - began, 1),
                      "peak_mb_max": max(r["peak_mb"] for r in results),
                      "slowest": sorted(results, key=lambda r: -r["seconds"])[:3],
                      "fault_count": len(faults), "faults": faults[:30]}, indent=1, ensure_ascii=False))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
