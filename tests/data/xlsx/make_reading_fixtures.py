#!/usr/bin/python3
"""Builds the small .xlsx fixtures of the reading tests (reading/*.xlsx).

Each fixture holds one construct that valid files carry and that a reader
can get wrong. Real producers write them: XlsxWriter, openpyxl, LibreOffice
(headless) and Gnumeric (ssconvert). Where none of them writes a construct
(Excel does, or the standard allows it), a producer's file is edited here
with zipfile, and the edit says what it imitates. The producers make test
input only and are never needed to run the tests.

Usage: /usr/bin/python3 make_reading_fixtures.py   (from any directory;
needs python3-openpyxl, python3-xlsxwriter, LibreOffice and Gnumeric)
"""

import datetime
import pathlib
import re
import shutil
import subprocess
import tempfile
import zipfile

import openpyxl
import openpyxl.styles
import openpyxl.workbook.defined_name
import xlsxwriter

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE / "reading"


def rewrite(path, edits):
    """Applies {member: function(text) -> text}; a function given None adds the member."""
    with zipfile.ZipFile(path) as zin:
        items = [(info, zin.read(info.filename)) for info in zin.infolist()]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as zout:
        for info, data in items:
            edit = edits.get(info.filename)
            if edit is not None:
                edited = edit(data.decode("utf-8"))
                data = edited if isinstance(edited, bytes) else edited.encode("utf-8")
            zout.writestr(info, data)


def must_sub(pattern, replacement, text, count=1):
    edited, n = re.subn(pattern, replacement, text, count=count)
    if n == 0:
        raise SystemExit(f"pattern not found: {pattern}")
    return edited


# ---------------------------------------------------------------- XlsxWriter

def sheet_ids():
    # Excel keeps a sheet's id when sheets are moved or deleted, so the ids
    # of a workbook need not be 1..n in sheet order.
    path = OUT / "sheet_ids.xlsx"
    wb = xlsxwriter.Workbook(str(path))
    first, second, third = (wb.add_worksheet(n) for n in ("Primeira", "Segunda", "Terceira"))
    first.write_number("A1", 10)
    first.write_formula("B1", "=A1*2", None, 20)
    second.write_number("A1", 5)
    second.write_formula("B1", "=Primeira!A1+A1", None, 15)
    third.write_formula("A1", "=Segunda!B1*10", None, 150)
    wb.close()
    ids = iter(["7", "2", "4"])
    rewrite(path, {"xl/workbook.xml": lambda x: re.sub(r'sheetId="\d+"', lambda m: f'sheetId="{next(ids)}"', x)})


def inline_strings():
    path = OUT / "inline_strings.xlsx"
    wb = xlsxwriter.Workbook(str(path), {"constant_memory": True})
    ws = wb.add_worksheet("Texto")
    ws.write_string("A1", "em linha")
    ws.write_number("B1", 3)  # rows are written in order in this mode
    ws.write_string("A2", "olá, mundo")
    wb.close()


def sheet_names():
    path = OUT / "sheet_names.xlsx"
    wb = xlsxwriter.Workbook(str(path))
    a, b = wb.add_worksheet("Folha1"), wb.add_worksheet("Folha2")
    a.write_number("A1", 1)
    b.write_number("A1", 2)
    wb.define_name("Taxa", "=Folha1!$A$1")
    wb.define_name("Folha2!Taxa", "=Folha2!$A$1")  # clashes with the workbook's
    wb.define_name("Folha2!Local", "=Folha2!$A$1")
    wb.close()


def rich_text():
    path = OUT / "rich_text.xlsx"
    wb = xlsxwriter.Workbook(str(path))
    ws = wb.add_worksheet("Rico")
    bold = wb.add_format({"bold": True})
    ws.write_rich_string("A1", "simples ", bold, "negrito", " fim")
    ws.write_string("A2", "東京")
    wb.close()

    # Excel keeps the reading of East Asian text in rPh next to the text.
    def phonetic(xml):
        return must_sub(r"<si><t>東京</t></si>",
                        "<si><t>東京</t><rPh sb=\"0\" eb=\"2\"><t>トウキョウ</t></rPh>"
                        "<phoneticPr fontId=\"1\"/></si>", xml)

    rewrite(path, {"xl/sharedStrings.xml": phonetic})


def escapes():
    path = OUT / "escapes.xlsx"
    wb = xlsxwriter.Workbook(str(path))
    ws = wb.add_worksheet("Escapes")
    ws.write_string("A1", "a\x01b")
    ws.write_string("A2", "_x0041_")  # a literal that looks like an escape
    wb.close()

    # Excel writes any character as an escape, a letter included.
    rewrite(path, {"xl/sharedStrings.xml": lambda x: x.replace("<t>a_x0001_b</t>", "<t>a_x0001_b_x00E7_</t>")})


def arrays():
    path = OUT / "arrays.xlsx"
    wb = xlsxwriter.Workbook(str(path))
    ws = wb.add_worksheet("Matriz")
    for row, (n, t) in enumerate([(1, "um"), (2, "dois"), (3, "três")]):
        ws.write_number(row, 0, n)
        ws.write_string(row, 1, t)
    ws.write_array_formula("C1:C3", "{=A1:A3*2}", None, 2)
    ws.write_array_formula("D1:D1", "{=B1&\"!\"}", None, "um!")
    ws.write_dynamic_array_formula("E1:E3", "=B1:B3", None, "um")
    wb.close()

    # XlsxWriter caches 0 in the array's other cells; Excel caches what each
    # of them shows.
    def excel_results(xml):
        for cell, value in (("C2", "<v>4</v>"), ("C3", "<v>6</v>")):
            xml = must_sub(f'<c r="{cell}"><v>0</v></c>', f'<c r="{cell}">{value}</c>', xml)
        for cell, value in (("E2", "dois"), ("E3", "três")):
            xml = must_sub(f'<c r="{cell}"><v>0</v></c>', f'<c r="{cell}" t="str"><v>{value}</v></c>', xml)
        return xml

    rewrite(path, {"xl/worksheets/sheet1.xml": excel_results})


def dates_1904():
    path = OUT / "dates1904.xlsx"
    wb = xlsxwriter.Workbook(str(path), {"date_1904": True})
    ws = wb.add_worksheet("Datas")
    ws.write_datetime("A1", datetime.datetime(2024, 3, 15), wb.add_format({"num_format": 14}))
    ws.write_datetime("A2", datetime.datetime(2024, 3, 15, 12, 0), wb.add_format({"num_format": "dd/mm/yyyy hh:mm"}))
    ws.write_number("B1", 100)
    ws.write_formula("C1", "=A1+1", wb.add_format({"num_format": "dd/mm/yyyy"}), 43905)
    wb.close()


# ---------------------------------------------------------------- openpyxl

def absolute_targets():
    # openpyxl names its worksheets with an absolute path in the relationships.
    path = OUT / "absolute_targets.xlsx"
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Caminho"
    ws["A1"] = "texto"
    ws["B1"] = 7
    ws.merge_cells("A3:B3")
    wb.save(path)


def error_cells():
    path = OUT / "error_cells.xlsx"
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Erros"
    ws["A1"] = "#N/A"
    ws["A2"] = "#DIV/0!"
    ws["A3"] = "#REF!"
    wb.save(path)


def no_cached_values():
    # openpyxl writes formulas without the value they give.
    path = OUT / "no_cache.xlsx"
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Calculo"
    ws["A1"] = 4
    ws["A2"] = "=A1*2"
    ws["A3"] = '=A1&"x"'
    ws["A4"] = "=A2>5"
    wb.save(path)


NUMBERS = [41655.666666666664, 2.3333333333333335, 3.14e-300, 5e-324, 1.7976931348623157e308, 0.1, -1234.5678e-5]


def numbers():
    path = OUT / "numbers.xlsx"
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Numeros"
    for row, value in enumerate(NUMBERS, start=1):
        ws.cell(row=row, column=1, value=value)
    wb.save(path)

    # openpyxl 3.0 keeps 15 digits; Excel writes the shortest text that
    # reads back to the same double, up to 17 digits.
    def shortest(xml):
        for row, value in enumerate(NUMBERS, start=1):
            xml = must_sub(f'(<c r="A{row}" t="n"><v>)[^<]*(</v>)', rf"\g<1>{value!r}\g<2>", xml)
        return xml

    rewrite(path, {"xl/worksheets/sheet1.xml": shortest})


def iso_dates():
    path = OUT / "iso_dates.xlsx"
    wb = openpyxl.Workbook(iso_dates=True)
    ws = wb.active
    ws.title = "Iso"
    ws["A1"] = datetime.datetime(2024, 3, 15, 13, 30)
    ws["A2"] = datetime.date(1900, 3, 1)
    wb.save(path)


# ---------------------------------------------------------------- LibreOffice

def text_results():
    with tempfile.TemporaryDirectory() as tmp:
        source = pathlib.Path(tmp) / "text_results.fods"
        source.write_text(FODS_TEXT_RESULTS, encoding="utf-8")
        subprocess.run(["soffice", "--headless", "--convert-to", "xlsx", "--outdir", tmp, str(source)], check=True,
                       stdout=subprocess.DEVNULL)
        shutil.copy(pathlib.Path(tmp) / "text_results.xlsx", OUT / "text_results.xlsx")


FODS_TEXT_RESULTS = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.3"
 office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:body><office:spreadsheet><table:table table:name="Textos">
  <table:table-row>
   <table:table-cell table:formula="of:=&quot;#N/A&quot;" office:value-type="string" office:string-value="#N/A"><text:p>#N/A</text:p></table:table-cell>
   <table:table-cell table:formula="of:=NA()" office:value-type="float" office:value="0"><text:p>#N/A</text:p></table:table-cell>
  </table:table-row>
 </table:table></office:spreadsheet></office:body>
</office:document>
"""


# ---------------------------------------------------------------- one workbook by four producers
# "Resumo" stands before "Dados", whose cells it names: a sheet moved to the
# front. Dados: A1 10, A2 20 in bold, A3 =SUM(A1:A2), B1:C1 merged; the
# name Total is Dados!$A$3; Resumo: A1 =Total*2, A2 =Dados!A1+1.

def producer_xlsxwriter():
    wb = xlsxwriter.Workbook(str(OUT / "producer_xlsxwriter.xlsx"))
    summary, data = wb.add_worksheet("Resumo"), wb.add_worksheet("Dados")
    data.write_number("A1", 10)
    data.write_number("A2", 20, wb.add_format({"bold": True}))
    data.write_formula("A3", "=SUM(A1:A2)", None, 30)
    data.merge_range("B1:C1", "título", wb.add_format({"align": "center"}))
    wb.define_name("Total", "=Dados!$A$3")
    summary.write_formula("A1", "=Total*2", None, 60)
    summary.write_formula("A2", "=Dados!A1+1", None, 11)
    wb.close()


def producer_openpyxl():
    wb = openpyxl.Workbook()
    data = wb.active
    data.title = "Dados"
    data["A1"] = 10
    data["A2"] = 20
    data["A2"].font = openpyxl.styles.Font(bold=True)
    data["A3"] = "=SUM(A1:A2)"
    data["B1"] = "título"
    data.merge_cells("B1:C1")
    wb.defined_names.append(openpyxl.workbook.defined_name.DefinedName("Total", attr_text="Dados!$A$3"))
    summary = wb.create_sheet("Resumo")
    summary["A1"] = "=Total*2"
    summary["A2"] = "=Dados!A1+1"
    wb.move_sheet("Resumo", offset=-1)
    wb.save(OUT / "producer_openpyxl.xlsx")


def producer_gnumeric():
    # Gnumeric reads openpyxl's file, calculates it and writes its own.
    subprocess.run(["ssconvert", str(OUT / "producer_openpyxl.xlsx"), str(OUT / "producer_gnumeric.xlsx")], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def producer_libreoffice():
    with tempfile.TemporaryDirectory() as tmp:
        source = pathlib.Path(tmp) / "producer_libreoffice.fods"
        source.write_text(FODS_PRODUCER, encoding="utf-8")
        subprocess.run(["soffice", "--headless", "--convert-to", "xlsx", "--outdir", tmp, str(source)], check=True,
                       stdout=subprocess.DEVNULL)
        shutil.copy(pathlib.Path(tmp) / "producer_libreoffice.xlsx", OUT / "producer_libreoffice.xlsx")


FODS_PRODUCER = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.3"
 office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:automatic-styles>
  <style:style style:name="negrito" style:family="table-cell"><style:text-properties fo:font-weight="bold"/></style:style>
 </office:automatic-styles>
 <office:body><office:spreadsheet>
  <table:table table:name="Resumo">
   <table:table-row><table:table-cell table:formula="of:=Total*2" office:value-type="float" office:value="60"><text:p>60</text:p></table:table-cell></table:table-row>
   <table:table-row><table:table-cell table:formula="of:=[$Dados.A1]+1" office:value-type="float" office:value="11"><text:p>11</text:p></table:table-cell></table:table-row>
  </table:table>
  <table:table table:name="Dados">
   <table:table-row>
    <table:table-cell office:value-type="float" office:value="10"><text:p>10</text:p></table:table-cell>
    <table:table-cell table:number-columns-spanned="2" table:number-rows-spanned="1" office:value-type="string"><text:p>título</text:p></table:table-cell>
    <table:covered-table-cell/>
   </table:table-row>
   <table:table-row><table:table-cell table:style-name="negrito" office:value-type="float" office:value="20"><text:p>20</text:p></table:table-cell></table:table-row>
   <table:table-row><table:table-cell table:formula="of:=SUM([.A1:.A2])" office:value-type="float" office:value="30"><text:p>30</text:p></table:table-cell></table:table-row>
  </table:table>
  <table:named-expressions><table:named-range table:name="Total" table:base-cell-address="$Dados.$A$3" table:cell-range-address="$Dados.$A$3"/></table:named-expressions>
 </office:spreadsheet></office:body>
</office:document>
"""


# ---------------------------------------------------------------- edited packages

def refused_but_valid():
    base = OUT / "inline_strings.xlsx"

    # A reading made of runs, as Excel writes it for mixed scripts.
    path = OUT / "phonetic_runs.xlsx"
    shutil.copy(OUT / "rich_text.xlsx", path)
    rewrite(path, {"xl/sharedStrings.xml": lambda x: must_sub(
        r"<rPh sb=\"0\" eb=\"2\"><t>トウキョウ</t></rPh>",
        "<rPh sb=\"0\" eb=\"2\"><r><t>トウ</t></r><r><t>キョウ</t></r></rPh>", x)})

    # A whole row selected.
    path = OUT / "row_selection.xlsx"
    shutil.copy(base, path)
    rewrite(path, {"xl/worksheets/sheet1.xml": lambda x: must_sub(
        r"<sheetView ([^>]*)/>", r'<sheetView \1><selection activeCell="A1" sqref="1:1"/></sheetView>', x)})

    # Parts in UTF-16, which XML allows with a byte order mark.
    path = OUT / "utf16.xlsx"
    shutil.copy(base, path)

    def utf16(x):
        return x.replace('encoding="UTF-8"', 'encoding="UTF-16"').encode("utf-16")

    rewrite(path, {"xl/worksheets/sheet1.xml": utf16, "xl/workbook.xml": utf16})

    # Strict Open XML: the same parts under the ISO 29500 strict namespaces.
    path = OUT / "strict.xlsx"
    shutil.copy(base, path)
    strict = {
        "http://schemas.openxmlformats.org/spreadsheetml/2006/main": "http://purl.oclc.org/ooxml/spreadsheetml/main",
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships":
            "http://purl.oclc.org/ooxml/officeDocument/relationships",
    }

    def to_strict(x):
        for old, new in strict.items():
            x = x.replace(old, new)
        return x

    with zipfile.ZipFile(path) as z:
        names = [n for n in z.namelist() if n.endswith(".xml") or n.endswith(".rels")]
    rewrite(path, {n: to_strict for n in names})


# ---------------------------------------------------------------- damaged and hostile packages

def bad_input():
    base = OUT / "inline_strings.xlsx"
    data = base.read_bytes()

    # A zip bomb as far as the reader can tell: the directory declares a
    # sheet of 600 MiB (the inflater trusts the declared size).
    directory = bytearray(data)
    end = directory.rfind(b"PK\x05\x06")
    entry = int.from_bytes(directory[end + 16:end + 20], "little")
    while directory[entry + 46:entry + 46 + 24] != b"xl/worksheets/sheet1.xml":
        entry += 46 + sum(int.from_bytes(directory[entry + o:entry + o + 2], "little") for o in (28, 30, 32))
    directory[entry + 24:entry + 28] = (600 << 20).to_bytes(4, "little")
    (OUT / "bad_declared_size.xlsx").write_bytes(bytes(directory))

    # Cut in the middle, as a broken download leaves it.
    (OUT / "bad_truncated.xlsx").write_bytes(data[: len(data) * 2 // 3])

    # A sheet whose elements do not nest.
    path = OUT / "bad_malformed.xlsx"
    shutil.copy(base, path)
    rewrite(path, {"xl/worksheets/sheet1.xml": lambda x: must_sub(r"</sheetData>", "<row><c r=\"A9\"></sheetData>", x)})

    # Parts that the XML parser of liborcus 0.17 reads past the end of: one
    # that stops inside a start tag, and a value holding a broken reference.
    path = OUT / "bad_open_tag.xlsx"
    shutil.copy(base, path)
    rewrite(path, {"xl/worksheets/sheet1.xml": lambda x: x[:x.index('<c r="A1" t="inlineStr"') + 23]})
    path = OUT / "bad_reference.xlsx"
    shutil.copy(base, path)
    rewrite(path, {"xl/worksheets/sheet1.xml": lambda x: must_sub(r'<c r="B1">', '<c r="&amp;&""";>', x)})

    # More cell formats than Excel can hold.
    path = OUT / "bad_styles.xlsx"
    shutil.copy(base, path)
    xf = '<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>'
    rewrite(path, {"xl/styles.xml": lambda x: must_sub(r"<cellXfs count=\"\d+\">", '<cellXfs count="70001">' + xf * 70000, x)})

    # Valid, but sized for the whole grid: every column styled and the last row used.
    path = OUT / "whole_grid.xlsx"
    shutil.copy(base, path)
    rewrite(path, {"xl/worksheets/sheet1.xml": lambda x: must_sub(
        r"<sheetData>", '<cols><col min="1" max="16384" width="9" customWidth="1"/></cols><sheetData>',
        must_sub(r"<dimension ref=\"[^\"]*\"/>", '<dimension ref="A1:XFD1048576"/>', x)).replace(
        "</sheetData>", '<row r="1048576"><c r="XFD1048576"><v>7</v></c></row></sheetData>')})


def main():
    OUT.mkdir(exist_ok=True)
    for make in (sheet_ids, inline_strings, sheet_names, rich_text, escapes, arrays, dates_1904, absolute_targets,
                 error_cells, no_cached_values, numbers, iso_dates, text_results, refused_but_valid,
                 producer_xlsxwriter, producer_openpyxl, producer_gnumeric, producer_libreoffice, bad_input):
        make()
    for path in sorted(OUT.glob("*.xlsx")):
        print("written", path.name)


if __name__ == "__main__":
    main()
