#!/usr/bin/python3
"""Reads .xlsx files with openpyxl and .csv files with Python's csv module, and prints what they find, in the
output format of read_xls.py (one line each, fields separated by tabs, texts escaped: \\ \t \n \r):

    file <path> / sheet <name> / cell <row> <col> n <repr(float)> / cell <row> <col> t <text> / fault <what>

and for .xlsx, after a sheet's line:
    frozen <top-left cell of the scrolling pane, "" when nothing is frozen>
    width <col> <width in characters>      for each column given a width
    fill <row> <col> <RRGGBB>              for each cell with a solid background
A .csv is one sheet named "" whose fields are all texts (empty fields are not printed), followed by
    fields <row> <count>                   for each row
and must start with a UTF-8 byte-order mark, or it is a fault.
"""
import csv
import sys

import openpyxl


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def read_xlsx(path, out):
    book = openpyxl.load_workbook(path)
    for sheet in book.worksheets:
        out.append("sheet\t" + escape(sheet.title))
        out.append("frozen\t" + (sheet.freeze_panes or ""))
        for letter, dimension in sorted(sheet.column_dimensions.items()):
            if dimension.customWidth and dimension.width:
                for col in range(dimension.min, dimension.max + 1):
                    out.append("width\t%d\t%r" % (col - 1, float(dimension.width)))
        for row in sheet.iter_rows():
            for cell in row:
                r, c = cell.row - 1, cell.column - 1
                fill = cell.fill
                if fill is not None and fill.fill_type == "solid":
                    out.append("fill\t%d\t%d\t%s" % (r, c, fill.fgColor.rgb[-6:]))
                if cell.value is None:
                    continue
                if isinstance(cell.value, str):
                    out.append("cell\t%d\t%d\tt\t%s" % (r, c, escape(cell.value)))
                elif isinstance(cell.value, (int, float)) and not isinstance(cell.value, bool):
                    out.append("cell\t%d\t%d\tn\t%r" % (r, c, float(cell.value)))
                else:
                    out.append("other\t%d\t%d\t%s" % (r, c, type(cell.value).__name__))


def read_csv(path, out):
    with open(path, "rb") as f:
        if not f.read(3) == b"\xef\xbb\xbf":
            out.append("fault\tno UTF-8 byte-order mark")
            return
    out.append("sheet\t")
    with open(path, encoding="utf-8-sig", newline="") as f:
        for r, row in enumerate(csv.reader(f, delimiter=";", strict=True)):
            out.append("fields\t%d\t%d" % (r, len(row)))
            for c, value in enumerate(row):
                if value:
                    out.append("cell\t%d\t%d\tt\t%s" % (r, c, escape(value)))


def main(paths):
    for path in paths:
        out = ["file\t" + escape(path)]
        try:
            (read_csv if path.lower().endswith(".csv") else read_xlsx)(path, out)
        except Exception as e:  # a file the reader refuses is a fault of the file, reported as such
            out.append("fault\t%s: %s" % (type(e).__name__, escape(str(e))))
        sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1:])
