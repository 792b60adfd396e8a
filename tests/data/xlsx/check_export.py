#!/usr/bin/python3
"""Checks an exported .xlsx with openpyxl against our own dump of the workbook.

Usage: check_export.py FILE.xlsx DUMP.json
Prints one line per cell that openpyxl reads differently (its cached value,
or whether it holds a formula) and exits 1 if there is any; exits 0 when
openpyxl reads every cell as we wrote it.
"""

import datetime
import json
import sys

import openpyxl
from openpyxl.utils.datetime import to_excel


def same_value(kind, want, got):
    if isinstance(got, (datetime.datetime, datetime.date, datetime.time)):
        got = to_excel(got)
    if kind in ("number", "boolean"):
        # Formula results go out as numbers, booleans as 1 and 0.
        if isinstance(got, bool) or isinstance(got, (int, float)):
            return abs(float(got) - float(want)) <= 1e-9 * max(1.0, abs(float(want)))
        return False
    if kind == "empty":
        return got in (None, "")
    return got == want


def main():
    xlsx, dump = sys.argv[1:3]
    ours = json.load(open(dump, encoding="utf-8"))
    values = openpyxl.load_workbook(xlsx, data_only=True)
    formulas = openpyxl.load_workbook(xlsx)
    problems = []
    if values.sheetnames != [s["name"] for s in ours["sheets"]]:
        problems.append(f"planilhas: {values.sheetnames}")
    for sheet in ours["sheets"]:
        for cell in sheet["cells"]:
            ref = cell["ref"]
            got = values[sheet["name"]][ref].value
            if not same_value(cell["type"], cell.get("value"), got):
                problems.append(f"{sheet['name']}!{ref}: {cell.get('value')!r} / {got!r}")
            text = formulas[sheet["name"]][ref].value
            has_formula = isinstance(text, str) and text.startswith("=")
            if has_formula != ("formula" in cell):
                problems.append(f"{sheet['name']}!{ref}: fórmula {cell.get('formula')!r} / {text!r}")
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
