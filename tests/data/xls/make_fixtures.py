#!/usr/bin/env python3
"""Writes the flat-ODS sources of the .xls fixtures and converts them with
LibreOffice (soffice --headless --convert-to xls). Run from this folder; the
expected .json dumps are reviewed by hand and refreshed with
DARVELO_UPDATE_GOLDEN=1 spreadsheet_io_tests --gtest_filter='*XlsGolden*:XlsLarge*'."""
import html
import os
import subprocess
import sys
import tempfile

HEAD = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
"""

STYLES = """<office:font-face-decls>
 <style:font-face style:name="Liberation Serif" svg:font-family="&apos;Liberation Serif&apos;" style:font-family-generic="roman"/>
</office:font-face-decls>
<office:automatic-styles>
 <number:date-style style:name="Ndate"><number:day number:style="long"/><number:text>/</number:text>
  <number:month number:style="long"/><number:text>/</number:text><number:year number:style="long"/></number:date-style>
 <number:date-style style:name="Ndatetime"><number:day number:style="long"/><number:text>/</number:text>
  <number:month number:style="long"/><number:text>/</number:text><number:year number:style="long"/>
  <number:text> </number:text><number:hours number:style="long"/><number:text>:</number:text>
  <number:minutes number:style="long"/></number:date-style>
 <number:time-style style:name="Ntime"><number:hours number:style="long"/><number:text>:</number:text>
  <number:minutes number:style="long"/><number:text>:</number:text><number:seconds number:style="long"/></number:time-style>
 <number:time-style style:name="Nduration" number:truncate-on-overflow="false"><number:hours number:style="long"/><number:text>:</number:text>
  <number:minutes number:style="long"/><number:text>:</number:text><number:seconds number:style="long"/></number:time-style>
 <number:percentage-style style:name="Npct"><number:number number:decimal-places="1" number:min-integer-digits="1"/>
  <number:text>%</number:text></number:percentage-style>
 <style:style style:name="cdate" style:family="table-cell" style:data-style-name="Ndate"/>
 <style:style style:name="cdatetime" style:family="table-cell" style:data-style-name="Ndatetime"/>
 <style:style style:name="ctime" style:family="table-cell" style:data-style-name="Ntime"/>
 <style:style style:name="cpct" style:family="table-cell" style:data-style-name="Npct"/>
 <style:style style:name="cduration" style:family="table-cell" style:data-style-name="Nduration"/>
 <style:style style:name="cbox" style:family="table-cell"><style:table-cell-properties fo:border="0.74pt solid #000000"/></style:style>
 <style:style style:name="cright" style:family="table-cell"><style:table-cell-properties fo:border-right="0.74pt solid #000000"/></style:style>
 <style:style style:name="cbottomdouble" style:family="table-cell"><style:table-cell-properties fo:border-bottom="1.11pt double #000000" style:border-line-width-bottom="0.35pt 0.41pt 0.35pt"/></style:style>
 <style:style style:name="cthicktop" style:family="table-cell"><style:table-cell-properties fo:border-top="2.49pt solid #000000"/></style:style>
 <style:style style:name="cdotleft" style:family="table-cell"><style:table-cell-properties fo:border-left="0.74pt dotted #000000"/></style:style>
 <style:style style:name="cbold" style:family="table-cell"><style:text-properties fo:font-weight="bold" fo:font-style="italic" fo:font-size="14pt" style:font-name="Liberation Serif"/></style:style>
 <style:style style:name="ccenter" style:family="table-cell"><style:paragraph-properties fo:text-align="center"/></style:style>
 <style:style style:name="cunlocked" style:family="table-cell"><style:table-cell-properties style:cell-protect="none"/></style:style>
 <style:style style:name="cred" style:family="table-cell"><style:text-properties fo:color="#ff0000"/></style:style>
 <style:style style:name="cyellow" style:family="table-cell"><style:table-cell-properties fo:background-color="#ffff00"/></style:style>
 <style:style style:name="ctopwrap" style:family="table-cell"><style:table-cell-properties style:vertical-align="top" fo:wrap-option="wrap"/></style:style>
 <style:style style:name="cmiddle" style:family="table-cell"><style:table-cell-properties style:vertical-align="middle"/></style:style>
 <style:style style:name="cbluedashleft" style:family="table-cell"><style:table-cell-properties fo:border-left="0.74pt dashed #0000ff"/></style:style>
 <style:style style:name="credmediumright" style:family="table-cell"><style:table-cell-properties fo:border-right="1.74pt solid #ff0000"/></style:style>
 <style:style style:name="T1" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
 <style:style style:name="rtall" style:family="table-row"><style:table-row-properties style:row-height="0.5in" style:use-optimal-row-height="false"/></style:style>
 <style:style style:name="cowide" style:family="table-column"><style:table-column-properties style:column-width="2in"/></style:style>
</office:automatic-styles>
"""


def cell(value):
    """A table:table-cell for a Python value, or for a (kind, ...) tuple."""
    if value is None:
        return "<table:table-cell/>"
    if isinstance(value, tuple):
        kind = value[0]
        if kind == "f":  # formula in ODF syntax
            return '<table:table-cell table:formula="%s"/>' % html.escape(value[1], quote=True)
        if kind == "date":
            style = value[2] if len(value) > 2 else "cdate"
            return ('<table:table-cell table:style-name="%s" office:value-type="date" office:date-value="%s"/>'
                    % (style, value[1]))
        if kind == "time":
            style = value[2] if len(value) > 2 else "ctime"
            return ('<table:table-cell table:style-name="%s" office:value-type="time" office:time-value="%s"/>'
                    % (style, value[1]))
        if kind == "styled":  # (styled, style name, inner value or None)
            inner = cell(value[2])
            return inner.replace("<table:table-cell", '<table:table-cell table:style-name="%s"' % value[1], 1)
        if kind == "merge":  # (merge, cols, rows, value)
            inner = cell(value[3])
            return inner.replace("<table:table-cell", '<table:table-cell table:number-columns-spanned="%d" '
                                 'table:number-rows-spanned="%d"' % (value[1], value[2]), 1)
        if kind == "covered":
            return "<table:covered-table-cell/>"
        if kind == "pct":
            return ('<table:table-cell table:style-name="cpct" office:value-type="percentage" office:value="%r"/>'
                    % value[1])
        if kind == "rich":
            return ('<table:table-cell office:value-type="string"><text:p>%s<text:span text:style-name="T1">%s</text:span></text:p>'
                    '</table:table-cell>' % (html.escape(value[1]), html.escape(value[2])))
        raise ValueError(kind)
    if isinstance(value, bool):
        return ('<table:table-cell office:value-type="boolean" office:boolean-value="%s"/>'
                % ("true" if value else "false"))
    if isinstance(value, (int, float)):
        return '<table:table-cell office:value-type="float" office:value="%r"/>' % value
    return '<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>' % html.escape(value)


def table(name, rows, hidden_rows=(), tall_rows=(), columns=""):
    out = ['<table:table table:name="%s">' % html.escape(name, quote=True), columns]
    for index, row in enumerate(rows):
        attrs = ""
        if index in hidden_rows:
            attrs += ' table:visibility="collapse"'
        if index in tall_rows:
            attrs += ' table:style-name="rtall"'
        out.append("<table:table-row%s>%s</table:table-row>" % (attrs, "".join(cell(v) for v in row)))
    out.append("</table:table>")
    return "\n".join(out)


def document(tables, names="", settings=""):
    return (HEAD + STYLES + "<office:body><office:spreadsheet>" + settings + "\n".join(tables) + names
            + "</office:spreadsheet></office:body></office:document>\n")


def formulas():
    plan1 = [
        [10, 0.15, ("f", "of:=[.A1]*Taxa"), ("f", "of:=[.A1]*2"), ("f", "of:=[$Dados.A1]+[.$B$1]")],
        [20, None, ("f", "of:=SUM([$Dados.A1:.A3])"), ("f", "of:=[.A2]*2"), ("f", "of:=[$Dados.A2]+[.$B$1]")],
        [30, None, ("f", "of:=[$'Outra folha'.B2]*2"), ("f", "of:=[.A3]*2"), ("f", "of:=[$Dados.A3]+[.$B$1]")],
        [40, None, ("f", 'of:=IF([.A1]>5;"sim";"não")'), ("f", "of:=[.A4]*2"), ("f", "of:=[$Dados.A4]+[.$B$1]")],
        [50, None, ("f", "of:=VLOOKUP(2;[$Dados.A1:.B3];2;0)"), ("f", "of:=[.A5]*2"), ("f", "of:=[$Dados.A5]+[.$B$1]")],
        [60, None, ("f", "of:=IFERROR(1/0;-1)"), ("f", "of:=[.A6]*2"), ("f", "of:=[$Dados.A6]+[.$B$1]")],
        [70, None, ("f", "of:=ROUND([.A1]/3;2)"), ("f", "of:=[.A7]*2")],
        [80, None, ("f", "of:=-[.A1]+[.A2]^2"), ("f", "of:=[.A8]*2")],
        [90, None, ("f", "of:=([.A1]+[.A2])*[.A3]"), ("f", "of:=[.A9]*2")],
        [100, None, ("f", 'of:=[.A1]&" itens"'), ("f", "of:=[.A10]*2")],
        [None, None, ("f", "of:=[.A1]<>[.A2]")],
        [None, None, ("f", "of:=[.A1]%")],
        [None, None, ("f", "of:=SUM([.A:.A])")],
        [None, None, ("f", "of:=[.$A$1]+[.A$2]+[.$A3]")],
        [None, None, ("f", "of:=TRUE()")],
        [None, None, ("f", "of:=1/0")],
        [None, None, ("f", "of:=EOMONTH([.A1];1)")],
        [None, None, ("f", 'of:=COUNTIF([.A1:.A3];">15")')],
        [None, None, ("f", "of:=AVERAGE([.A1:.A3])+MAX([.A1:.A3])-MIN([.A1:.A3])")],
        [None, None, ("f", 'of:=CHOOSE(2;"a";"b";"c")')],
        [None, None, ("f", 'of:=LEN("diz ""oi""")')],
        [None, None, ("f", "of:=DATE(2024;1;31)")],
        [None, None, ("f", "of:=INDEX([$Dados.B1:.B3];MATCH(3;[$Dados.A1:.A3];0))")],
        [None, None, ("f", "of:=SUM(Total)")],
        [None, None, ("f", "of:=[$'Mês d''água'.A1]&[$Dados.B2]")],
        [None, None, ("f", "of:=IF(ISBLANK([.B2]);SQRT(16);0)")],
        [None, None, ("f", "of:=SUMPRODUCT([.A1:.A3];[.A2:.A4])")],
        [None, None, ("f", "of:=EDATE(DATE(2024;1;31);1)")],
        [None, None, ("f", "of:=UPPER(LEFT([$Dados.B3];2))")],
        [None, None, ("f", "of:=SUM([.A1];[.A2];[.A3])")],
    ]
    dados = [[1, "um"], [2, "dois"], [3, "três"], [4], [5], [6]]
    outra = [[None, None], [None, 7]]
    agua = [["água"]]
    names = ('<table:named-expressions>'
             '<table:named-range table:name="Taxa" table:base-cell-address="$Plan1.$A$1" table:cell-range-address="$Plan1.$B$1"/>'
             '<table:named-range table:name="Total" table:base-cell-address="$Plan1.$A$1" table:cell-range-address="$Dados.$A$1:.$A$3"/>'
             '</table:named-expressions>')
    return document([table("Plan1", plan1), table("Dados", dados), table("Outra folha", outra),
                     table("Mês d'água", agua)], names)


def strings():
    rows = [["Olá, mundo"], ["Olá, mundo"], ["中文字符"], ["ação e coração"], [("rich", "negrito ", "e normal")]]
    rows += [["texto número %d com acentuação: é, ç, ã" % i] for i in range(1500)]
    rows.append(["x" * 9000])           # one string longer than a record
    rows.append(["ç" * 3000 + "中" * 3000])  # a two-byte string split across parts
    rows += [["fim %d" % i] for i in range(300)]
    return document([table("Textos", rows)])


def numbers_dates():
    rows = [
        [1, 1.25, -5, 0.1],
        [123456789, 123456789012, 1e300, -0.5],
        [("date", "2024-01-31"), ("date", "1999-12-31T18:30:00", "cdatetime"), ("time", "PT13H45M30S"), ("pct", 0.125)],
        [True, False, ("f", "of:=1/0"), ("f", "of:=NA()")],
        [3.14159, -1e-10, 536870911, -536870912],
        [("date", "1900-03-01")],
    ]
    return document([table("Números", rows)])


def layout():
    columns = ('<table:table-column table:style-name="cowide"/><table:table-column/><table:table-column/>'
               '<table:table-column table:visibility="collapse"/>')
    rows = [
        [("merge", 3, 1, "título mesclado"), ("covered",), ("covered",), "d1"],
        [("styled", "cbold", "negrito"), ("styled", "ccenter", "centro"), ("styled", "cbox", 1), ("styled", "cright", 2), 3],
        [("merge", 1, 3, "vertical"), ("styled", "cbottomdouble", 4), 5, ("styled", "cthicktop", 6)],
        [("covered",), 7, ("styled", "cdotleft", 8)],
        [("covered",), ("styled", "cunlocked", 9)],
        ["oculta"],
        ["depois"],
    ]
    return document([table("Formato", rows, hidden_rows=(5,), tall_rows=(1,), columns=columns)])


def large():
    rows = []
    for r in range(1, 10001):
        values = [r, r * 0.5, r % 97, "t%d" % (r % 50), r * 1.01]
        forms = [("f", "of:=[.A%d]+[.B%d]" % (r, r)), ("f", "of:=[.C%d]*2" % r), ("f", "of:=SUM([.A%d:.C%d])" % (r, r)),
                 ("f", 'of:=IF([.A%d]>5000;"alto";"baixo")' % r), ("f", "of:=ROUND([.E%d]/3;2)" % r)]
        rows.append(values + forms)
    return document([table("Grande", rows)])


def date1904():
    settings = ('<table:calculation-settings><table:null-date table:date-value="1904-01-01"/>'
                '</table:calculation-settings>')
    # D1 is a duration of 36 hours shown as [HH]:MM:SS: a length of time, not a date.
    rows = [[("date", "2024-01-31"), 100, ("f", "of:=[.A1]+1"), ("time", "PT36H00M00S", "cduration")]]
    return document([table("Datas", rows)], settings=settings)


def old_templates():
    """Excel 95 workbooks as the suite's old templates are: accented text,
    formulas over several sheets, a defined name, styles, a merge, sizes."""
    columns = '<table:table-column table:style-name="cowide"/><table:table-column/>'
    plan1 = [
        [("styled", "cbold", "Descrição"), ("styled", "ccenter", "Preço"), "Qtd", "Total"],
        ["Café", 12.5, 3, ("f", "of:=[.B2]*[.C2]")],
        ["Açúcar", 4.25, 10, ("f", "of:=[.B3]*[.C3]")],
        ["Pão de queijo", 0.75, 40, ("f", "of:=[.B4]*[.C4]")],
        ["Total", None, ("f", "of:=SUM([.C2:.C4])"), ("f", "of:=SUM([.D2:.D4])")],
        [("date", "2024-01-31"), ("pct", 0.125), ("f", "of:=ROUND([.D5]*Taxa;2)"),
         ("f", "of:=[$'Preços e impostos'.B1]*2")],
        [("f", 'of:=IF([.D5]>100;"caro";"barato")'), ("f", 'of:=VLOOKUP("Açúcar";[.A2:.D4];4;0)'),
         ("f", 'of:=[.$A$1]&" x"'), ("f", "of:=SUM([$Dados.A1:.A3])")],
        [("merge", 2, 1, "mesclado"), ("covered",), ("styled", "cbox", 1), ("styled", "cright", 2), -7],
    ]
    impostos = [["imposto", 0.18], ["São Paulo", 123456789]]
    dados = [[1], [2], [3]]
    names = ('<table:named-expressions>'
             '<table:named-range table:name="Taxa" table:base-cell-address="$Plan1.$A$1" '
             'table:cell-range-address="$\'Preços e impostos\'.$B$1"/>'
             '</table:named-expressions>')
    return document([table("Plan1", plan1, tall_rows=(7,), columns=columns), table("Preços e impostos", impostos),
                     table("Dados", dados)], names)


def look():
    rows = [["simples", ("styled", "cred", "vermelho"), ("styled", "cyellow", "amarelo"),
             ("styled", "ctopwrap", "texto longo que quebra"), ("styled", "cmiddle", "meio"),
             ("styled", "cbluedashleft", 1), ("styled", "credmediumright", 2), 3]]
    return document([table("Aparência", rows)])


# How each fixture is made: LibreOffice's Excel 97 filter, or Gnumeric's
# Excel 95 writer fed with LibreOffice's Excel 97 file (LibreOffice 7 no
# longer writes Excel 95).
FIXTURES = {"formulas": (formulas, "xls"), "strings": (strings, "xls"), "numbers_dates": (numbers_dates, "xls"),
            "layout": (layout, "xls"), "large": (large, "xls"), "date1904": (date1904, "xls"), "look": (look, "xls"),
            "excel95_templates": (old_templates, "gnumeric95"), "excel95_formulas": (formulas, "gnumeric95")}
# Made by openpyxl as xlsx, then converted: an array formula over C1:C3 and
# a single-cell one beside it.
OPENPYXL = {"arrays"}


def arrays(path):
    import openpyxl  # 3.0: array formulas through formula_attributes
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Matriz"
    for row, n in enumerate([1, 2, 3], start=1):
        ws.cell(row, 1, n)
    ws["C1"] = "=A1:A3*2"
    ws.formula_attributes["C1"] = {"t": "array", "ref": "C1:C3"}
    ws["D1"] = "=SUM(A1:A3*A1:A3)"
    ws.formula_attributes["D1"] = {"t": "array", "ref": "D1"}
    wb.save(path)


# Made from another fixture by renaming its "Workbook" stream to "Book", as
# some writers name the stream of an Excel 97 workbook.
RENAMED = {"excel97_book_stream": "numbers_dates"}


def soffice(work, source, filter_name, outdir):
    subprocess.run(["soffice", "--headless", "-env:UserInstallation=file://" + work + "/profile",
                    "--convert-to", filter_name, "--outdir", outdir, source], check=True)


def make(work, name):
    if name in OPENPYXL:
        source = os.path.join(work, name + ".xlsx")
        globals()[name](source)
        soffice(work, source, "xls", ".")
        return
    builder, producer = FIXTURES[name]
    source = os.path.join(work, name + ".fods")
    with open(source, "w", encoding="utf-8") as f:
        f.write(builder())
    if producer == "xls":
        soffice(work, source, "xls", ".")
    else:
        soffice(work, source, "xls", work)
        subprocess.run(["ssconvert", "-T", "Gnumeric_Excel:excel_biff7", os.path.join(work, name + ".xls"),
                        name + ".xls"], check=True)


def rename_stream(name, original):
    """Renames the directory entry in place: UTF-16 name and its byte length;
    the shorter name is padded with zeros as the format wants."""
    data = bytearray(open(original + ".xls", "rb").read())
    old = "Workbook\0".encode("utf-16-le")
    at = data.index(old)
    new = "Book\0".encode("utf-16-le")
    data[at:at + 64] = new + bytes(64 - len(new))
    data[at + 64:at + 66] = len(new).to_bytes(2, "little")
    open(name + ".xls", "wb").write(bytes(data))


def main():
    wanted = sys.argv[1:] or list(FIXTURES) + list(OPENPYXL) + list(RENAMED)
    with tempfile.TemporaryDirectory() as work:
        for name in wanted:
            if name in RENAMED:
                rename_stream(name, RENAMED[name])
            else:
                make(work, name)


if __name__ == "__main__":
    main()
