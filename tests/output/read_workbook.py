#!/usr/bin/env python3
"""Prints an Excel workbook as JSON, as the tests check it: the sheet names
and, for the first sheet, every row as cells [kind, value, number format]
with kind "s" (text), "n" (number) or "e" (empty). .xls is read with xlrd,
.xlsx with openpyxl."""
import json
import sys


def read_xls(path):
    import xlrd
    book = xlrd.open_workbook(path, formatting_info=True)
    sheet = book.sheet_by_index(0)
    rows = []
    for r in range(sheet.nrows):
        row = []
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            fmt = "General"
            if cell.xf_index is not None:
                fmt = book.format_map[book.xf_list[cell.xf_index].format_key].format_str
            if cell.ctype == xlrd.XL_CELL_TEXT:
                row.append(["s", cell.value, fmt])
            elif cell.ctype == xlrd.XL_CELL_NUMBER:
                row.append(["n", cell.value, fmt])
            else:
                row.append(["e", None, fmt])
        rows.append(row)
    return {"sheets": book.sheet_names(), "rows": rows}


def read_xlsx(path):
    import openpyxl
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    rows = []
    for cells in sheet.iter_rows():
        row = []
        for cell in cells:
            if cell.value is None:
                row.append(["e", None, cell.number_format])
            elif isinstance(cell.value, str):
                row.append(["s", cell.value, cell.number_format])
            else:
                row.append(["n", float(cell.value), cell.number_format])
        rows.append(row)
    return {"sheets": book.sheetnames, "rows": rows}


path = sys.argv[1]
print(json.dumps(read_xlsx(path) if path.lower().endswith(".xlsx") else read_xls(path), ensure_ascii=False))
