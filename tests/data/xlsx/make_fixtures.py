#!/usr/bin/env python3
"""Rebuilds the .xlsx fixtures from the flat ODF sources in sources/.

LibreOffice (headless) does the conversion; it is a producer of test input
only and is never needed to run the tests. Two features that LibreOffice's
xlsx export never writes are then put in by editing the produced XML:

* shared formulas (t="shared"): the per-cell formulas LibreOffice wrote for
  filled-down columns are regrouped as Excel groups them, one master cell
  with the text and a ref, the other cells with the group index only;
* a double border: LibreOffice 7.4 exports its double lines as "hair", so
  that one border is renamed to "double".

The golden JSON files are not made here: they come from the reader and are
checked by hand before they are committed.

Usage: python3 make_fixtures.py   (from any directory)
"""

import pathlib
import re
import shutil
import subprocess
import tempfile
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
SOURCES = HERE / "sources"

# Shared formula groups put into formulas.xlsx, sheet 1 ("Dados"):
# (group index, range, cells of the group; the first cell is the master)
SHARED_GROUPS = [
    (0, "C2:C6", [f"C{r}" for r in range(2, 7)]),
    (1, "D2:D6", [f"D{r}" for r in range(2, 7)]),
    (2, "E2:E6", [f"E{r}" for r in range(2, 7)]),
    (3, "B7:E7", [f"{c}7" for c in "BCDE"]),
]


def convert(source: pathlib.Path, outdir: pathlib.Path) -> pathlib.Path:
    subprocess.run(
        ["soffice", "--headless", "--convert-to", "xlsx", "--outdir", str(outdir), str(source)],
        check=True,
        stdout=subprocess.DEVNULL,
    )
    return outdir / (source.stem + ".xlsx")


def rewrite_member(path: pathlib.Path, member: str, edit) -> None:
    with zipfile.ZipFile(path) as zin:
        items = [(info, zin.read(info.filename)) for info in zin.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as zout:
        for info, data in items:
            if info.filename == member:
                data = edit(data.decode("utf-8")).encode("utf-8")
            zout.writestr(info, data)


def share_formulas(xml: str) -> str:
    for index, ref, cells in SHARED_GROUPS:
        for position, cell in enumerate(cells):
            pattern = re.compile(r'(<c r="%s"[^>]*>)<f aca="false">([^<]*)</f>' % cell)
            if position == 0:
                replacement = r'\1<f t="shared" ref="%s" si="%d" aca="false">\2</f>' % (ref, index)
            else:
                replacement = r'\1<f t="shared" si="%d" aca="false"/>' % index
            xml, count = pattern.subn(replacement, xml)
            if count != 1:
                raise SystemExit(f"formula of {cell} not found")
    return xml


def double_border(xml: str) -> str:
    edited = xml.replace('<bottom style="hair"/>', '<bottom style="double"/>', 1)
    if edited == xml:
        raise SystemExit("hair border not found")
    return edited


def main() -> None:
    with tempfile.TemporaryDirectory() as tmp:
        outdir = pathlib.Path(tmp)
        for source in sorted(SOURCES.glob("*.fods")):
            produced = convert(source, outdir)
            if source.stem == "formulas":
                rewrite_member(produced, "xl/worksheets/sheet1.xml", share_formulas)
            if source.stem == "layout":
                rewrite_member(produced, "xl/styles.xml", double_border)
            shutil.copy(produced, HERE / produced.name)
            print("written", produced.name)


if __name__ == "__main__":
    main()
