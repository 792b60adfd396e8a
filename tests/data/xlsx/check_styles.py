#!/usr/bin/python3
"""Checks the looks of cells in an exported .xlsx with openpyxl.

Usage: check_styles.py FILE.xlsx EXPECTED.json
EXPECTED.json lists cells of the first sheet: {"ref", "fill", "font", "wrap",
"vertical", "left": [style, colour], "top": [style, colour]}, colours as
RRGGBB or null for automatic, styles as Excel names or null for none.
Prints one line per difference and exits 1 if there is any.
"""

import json
import sys

import openpyxl


def rgb(color):
    """RRGGBB of an explicit colour, None for automatic or absent."""
    if color is None or color.type != "rgb" or color.rgb is None:
        return None
    return color.rgb[-6:].upper()


def look(cell):
    fill = rgb(cell.fill.fgColor) if cell.fill.fill_type == "solid" else None
    side = lambda s: [s.style, rgb(s.color) if s.style else None]
    return {
        "fill": fill,
        "font": rgb(cell.font.color),
        "wrap": bool(cell.alignment.wrap_text),
        "vertical": cell.alignment.vertical or "bottom",
        "left": side(cell.border.left),
        "top": side(cell.border.top),
    }


def main():
    xlsx, expected = sys.argv[1:3]
    sheet = openpyxl.load_workbook(xlsx).worksheets[0]
    problems = []
    for want in json.load(open(expected, encoding="utf-8")):
        got = look(sheet[want["ref"]])
        for key, value in got.items():
            if value != want[key]:
                problems.append(f"{want['ref']} {key}: {want[key]!r} / {value!r}")
    print("\n".join(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
