#!/usr/bin/python3
"""Opens .xls files with xlrd and prints what an independent reader finds in them.

    read_xls.py FILE...          every cell of every sheet
    read_xls.py --stream FILE... only the Workbook stream's size, and how many bytes of the test pattern it
                                 starts with before zeros

Before xlrd reads the cells, the file's structure is checked against the format's rules, including what
xlrd itself ignores: every sector of the compound document accounted for, the record size limit, the string
table's continuation rules and its EXTSST index, each sheet's INDEX/DBCELL/ROW chain and DIMENSIONS, the
records Excel requires. A fault prints "fault\t<what>" and ends the file's section.

Output, one line each, fields separated by tabs, texts escaped (\\ \t \n \r):
    file <path> / sheet <name> / cell <row> <col> n <repr(float)> / cell <row> <col> t <text> / other <row> <col> <ctype>
    / stream <size> <pattern bytes> / fault <what>
"""
import io
import math
import struct
import sys

import xlrd
from xlrd import compdoc

MAX_RECORD_DATA = 8224
BOF, EOF, CONTINUE, SST, EXTSST = 0x0809, 0x000A, 0x003C, 0x00FC, 0x00FF
INDEX, DEFCOLWIDTH, DIMENSIONS, ROW, DBCELL, WINDOW2 = 0x020B, 0x0055, 0x0200, 0x0208, 0x00D7, 0x023E
LABELSST, NUMBER, RK = 0x00FD, 0x0203, 0x027E
CELLS = (LABELSST, NUMBER, RK)
GLOBALS_REQUIRED = {0x0042: "CODEPAGE", 0x003D: "WINDOW1", 0x0031: "FONT", 0x00E0: "XF", 0x0293: "STYLE",
                    0x0085: "BOUNDSHEET", SST: "SST", EXTSST: "EXTSST", 0x005C: "WRITEACCESS", 0x0022: "DATEMODE"}
SHEET_REQUIRED = {INDEX: "INDEX", DEFCOLWIDTH: "DEFCOLWIDTH", DIMENSIONS: "DIMENSIONS", WINDOW2: "WINDOW2"}


class Fault(Exception):
    pass


def require(condition, what):
    if not condition:
        raise Fault(what)


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def workbook_stream(mem):
    """The Workbook stream, through xlrd's own compound document reader, with the container checked."""
    log = io.StringIO()
    cd = compdoc.CompDoc(mem, logfile=log)
    data, base, size = cd.locate_named_stream("Workbook")
    require(data is not None, "no Workbook stream")
    require(not log.getvalue(), "compound document: " + log.getvalue().strip())
    require(len(mem) % 512 == 0, "file size %d is not a whole number of sectors" % len(mem))
    require(size >= 4096, "Workbook stream of %d bytes would live in the mini stream" % size)
    unused = [s for s, how in enumerate(cd.seen) if not how]
    require(not unused, "sectors %s belong to nothing" % unused[:10])
    for s, how in enumerate(cd.seen):
        if how == 2:
            require(cd.SAT[s] == -3, "FAT sector %d not marked as such in the FAT" % s)
        if how == 1:
            require(cd.SAT[s] == -4, "DIFAT sector %d not marked as such in the FAT" % s)
    require(all(e == -1 for e in cd.SAT[len(cd.seen):]), "FAT entries past the end of the file are not free")
    names = [(d.name, d.etype) for d in cd.dirlist]
    require(names[0] == ("Root Entry", 5) and ("Workbook", 2) in names, "directory: %r" % names)
    for d in cd.dirlist:
        if d.etype == 0:
            require(d.left_DID == d.right_DID == d.root_DID == -1, "unused directory entry not cleared")
    return bytes(data[base:base + size])


def records(stream, pos):
    """(position, id, data) from `pos` up to and including the next EOF."""
    while True:
        require(pos + 4 <= len(stream), "records run past the end of the stream at %d" % pos)
        rid, length = struct.unpack_from("<HH", stream, pos)
        require(length <= MAX_RECORD_DATA, "record 0x%04X at %d has %d bytes" % (rid, pos, length))
        yield pos, rid, stream[pos + 4:pos + 4 + length]
        if rid == EOF:
            return
        pos += 4 + length


def check_bof(record, substream):
    pos, rid, data = record
    require(rid == BOF and len(data) == 16, "no BIFF8 BOF at %d" % pos)
    version, kind = struct.unpack_from("<HH", data)
    require(version == 0x0600 and kind == substream, "BOF at %d: version 0x%X, substream 0x%X" % (pos, version, kind))


def check_sst(sst_records, extsst):
    """The continuation rules, and EXTSST's buckets against where each string really starts."""
    pos, data = sst_records[0]
    total, unique = struct.unpack_from("<II", data)
    ri, off = 0, 8
    starts = []
    for i in range(unique):
        pos, data = sst_records[ri]
        if off == len(data) and ri + 1 < len(sst_records):
            ri, off = ri + 1, 0
            pos, data = sst_records[ri]
        require(off + 3 <= len(data), "string %d: count and flags split across records" % i)
        starts.append((pos + 4 + off, pos))
        nchars, flags = struct.unpack_from("<HB", data, off)
        require(flags in (0, 1), "string %d: flags 0x%02X" % (i, flags))
        require(nchars == 0 or off + 3 < len(data), "string %d: starts with no character in its record" % i)
        off += 3
        width = 2 if flags else 1
        got = 0
        while True:
            take = min((len(data) - off) // width, nchars - got)
            off += take * width
            got += take
            if got == nchars:
                break
            require(off == len(data), "string %d: a character split across records" % i)
            ri += 1
            require(ri < len(sst_records), "string %d runs past the table" % i)
            pos, data = sst_records[ri]
            require(data[0] in (0, 1), "string %d: continuation flags 0x%02X" % (i, data[0]))
            width, off = (2 if data[0] else 1), 1
    require(ri == len(sst_records) - 1 and off == len(sst_records[-1][1]), "bytes left over after the last string")

    ext = extsst[2]
    bucket = struct.unpack_from("<H", ext)[0]
    require(bucket >= 8, "EXTSST buckets of %d strings" % bucket)
    count = (len(ext) - 2) // 8
    require(count == (unique + bucket - 1) // bucket, "EXTSST has %d buckets for %d strings" % (count, unique))
    for b in range(count):
        ib, cb, _ = struct.unpack_from("<IHH", ext, 2 + 8 * b)
        at, record_start = starts[b * bucket]
        require((ib, cb) == (at, at - record_start), "EXTSST bucket %d points at %d/%d, string at %d/%d"
                % (b, ib, cb, at, at - record_start))
    return total, unique


def check_globals(stream):
    recs = list(records(stream, 0))
    check_bof(recs[0], 0x0005)
    seen = {}
    for pos, rid, data in recs:
        seen.setdefault(rid, []).append((pos, rid, data))
    missing = [name for rid, name in GLOBALS_REQUIRED.items() if rid not in seen]
    require(not missing, "globals lack " + ", ".join(missing))
    require(struct.unpack_from("<H", seen[0x0042][0][2])[0] == 1200, "CODEPAGE is not 1200 (UTF-16)")
    require(len(seen[0x0031]) >= 5, "%d FONT records, Excel wants at least 5" % len(seen[0x0031]))
    require(len(seen[0x00E0]) >= 16, "%d XF records, Excel wants at least 16" % len(seen[0x00E0]))
    ids = [rid for _, rid, _ in recs]
    first_sst = ids.index(SST)
    last = first_sst
    while ids[last + 1] == CONTINUE:
        last += 1
    require(ids[last + 1] == EXTSST, "EXTSST does not follow the string table")
    sst = [(pos, data) for pos, _, data in recs[first_sst:last + 1]]
    references, unique = check_sst(sst, recs[last + 1])
    sheets = [struct.unpack_from("<I", data)[0] for _, _, data in seen[0x0085]]
    return sheets, references, unique


def check_sheet(stream, start, unique):
    recs = list(records(stream, start))
    check_bof(recs[0], 0x0010)
    require(recs[1][1] == INDEX, "INDEX does not follow the sheet's BOF")
    ids = [rid for _, rid, _ in recs]
    missing = [name for rid, name in SHEET_REQUIRED.items() if rid not in ids]
    require(not missing, "sheet at %d lacks %s" % (start, ", ".join(missing)))
    at = {pos: (rid, data) for pos, rid, data in recs}
    index = recs[1][2]
    _, row_first, row_end, colwidth_at = struct.unpack_from("<IIII", index)
    dbcells = list(struct.unpack_from("<%dI" % ((len(index) - 16) // 4), index, 16))
    require(at.get(colwidth_at, (None,))[0] == DEFCOLWIDTH, "INDEX does not point at DEFCOLWIDTH")
    dims = struct.unpack_from("<IIHH", at[recs[ids.index(DIMENSIONS)][0]][1])

    # The cell table: blocks of ROW records, their cells, a DBCELL.
    found_dbcells, cells, rows = [], [], {}
    i = ids.index(DIMENSIONS) + 1
    while ids[i] == ROW:
        block_rows = []
        while ids[i] == ROW:
            pos, _, data = recs[i]
            row, c0, c1 = struct.unpack_from("<HHH", data)
            require(row not in rows, "two ROW records for row %d" % row)
            rows[row] = (c0, c1)
            block_rows.append((pos, row))
            i += 1
        require(len(block_rows) <= 32, "a block of %d rows" % len(block_rows))
        first_cells = {}
        block_row_numbers = set(r for _, r in block_rows)
        while ids[i] in CELLS:
            pos, rid, data = recs[i]
            row, col = struct.unpack_from("<HH", data)
            require(not cells or cells[-1][:2] < (row, col), "cell %d,%d out of order" % (row, col))
            require(row in block_row_numbers, "cell %d,%d outside its block's rows" % (row, col))
            if rid == LABELSST:
                require(struct.unpack_from("<I", data, 6)[0] < unique, "cell %d,%d: no such string" % (row, col))
            first_cells.setdefault(row, pos)
            cells.append((row, col))
            i += 1
        pos, rid, data = recs[i]
        require(rid == DBCELL, "block without its DBCELL at %d" % pos)
        found_dbcells.append(pos)
        require(pos - struct.unpack_from("<I", data)[0] == block_rows[0][0], "DBCELL at %d: wrong first ROW" % pos)
        offsets = struct.unpack_from("<%dH" % len(block_rows), data, 4)
        require(len(data) == 4 + 2 * len(block_rows), "DBCELL at %d: %d rows listed" % (pos, (len(data) - 4) // 2))
        previous = block_rows[0][0] + 20
        for (_, row), offset in zip(block_rows, offsets):
            require(first_cells.get(row) == previous + offset, "DBCELL at %d: wrong offset for row %d" % (pos, row))
            previous += offset
        i += 1
    require(ids[i] not in CELLS + (ROW, DBCELL), "cell records outside the cell table")
    require(found_dbcells == dbcells, "INDEX lists DBCELLs at %s, found at %s" % (dbcells[:5], found_dbcells[:5]))
    spans = {}
    for row, col in cells:
        c0, c1 = spans.get(row, (col, col + 1))
        spans[row] = (min(c0, col), max(c1, col + 1))
    require(spans == rows, "ROW records do not match the rows' cells")
    if cells:
        expected = (cells[0][0], cells[-1][0] + 1, min(c for _, c in cells), max(c for _, c in cells) + 1)
    else:
        expected = (0, 0, 0, 0)
    require(dims == expected, "DIMENSIONS %s, cells span %s" % (dims, expected))
    require((row_first, row_end) == expected[:2], "INDEX rows %d-%d, cells span %s" % (row_first, row_end, expected[:2]))
    return len([1 for _, rid, _ in recs if rid == LABELSST])


def check_structure(mem):
    stream = workbook_stream(mem)
    sheets, references, unique = check_globals(stream)
    texts = sum(check_sheet(stream, start, unique) for start in sheets)
    require(texts == references, "SST says %d text cells, the sheets hold %d" % (references, texts))
    return stream


def dump_cells(path, mem):
    log = io.StringIO()
    # Ragged rows: each row only as long as its last cell, so that a sparse sheet is read quickly.
    book = xlrd.open_workbook(file_contents=mem, logfile=log, verbosity=0, ragged_rows=True)
    require(not log.getvalue(), "xlrd: " + log.getvalue().strip())
    for sheet in book.sheets():
        print("sheet\t" + escape(sheet.name))
        for r in range(sheet.nrows):
            for c in range(sheet.row_len(r)):
                kind = sheet.cell_type(r, c)
                if kind == xlrd.XL_CELL_EMPTY:
                    continue
                value = sheet.cell_value(r, c)
                if kind == xlrd.XL_CELL_NUMBER:
                    print("cell\t%d\t%d\tn\t%r" % (r, c, value))
                elif kind == xlrd.XL_CELL_TEXT:
                    print("cell\t%d\t%d\tt\t%s" % (r, c, escape(value)))
                else:
                    print("other\t%d\t%d\t%d" % (r, c, kind))


def pattern(size):
    """The bytes the tests put in a raw stream: never zero, and not repeating with the sector size."""
    period = bytes((i * 131 + 7) % 251 + 1 for i in range(251))
    return (period * (size // 251 + 1))[:size]


def pattern_length(stream):
    """How many bytes of the test pattern the stream starts with, when only zeros follow them; else -1."""
    expected = pattern(len(stream))
    n = 0
    while n < len(stream) and stream[n:n + 65536] == expected[n:n + 65536]:
        n += 65536
    while n < len(stream) and stream[n] == expected[n]:
        n += 1
    n = min(n, len(stream))
    return n if stream[n:].count(0) == len(stream) - n else -1


def main():
    args = sys.argv[1:]
    stream_only = args and args[0] == "--stream"
    if stream_only:
        args = args[1:]
    for path in args:
        print("file\t" + escape(path))
        try:
            with open(path, "rb") as f:
                mem = f.read()
            if stream_only:
                stream = workbook_stream(mem)
                print("stream\t%d\t%d" % (len(stream), pattern_length(stream)))
            else:
                check_structure(mem)
                dump_cells(path, mem)
        except Fault as e:
            print("fault\t" + escape(str(e)))
        except Exception as e:  # xlrd's own refusals
            print("fault\t" + escape("%s: %s" % (type(e).__name__, e)))
        sys.stdout.flush()


main()
