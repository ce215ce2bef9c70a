#!/usr/bin/python3
"""Writes the import test workbooks into this folder.

Run with Debian's own interpreter (it has python3-openpyxl, python3-xlwt and python3-odf):
    /usr/bin/python3 tests/data/import/make_fixtures.py
The same sheets are written as .xls, .xlsx, .ods and .csv so the tests can check that every
format imports to the same catalogue rows.
"""
import datetime
import io
import os
import zipfile

import openpyxl
import openpyxl.styles
import xlwt
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import Table, TableRow, TableCell
from odf.text import P

HERE = os.path.dirname(os.path.abspath(__file__))

D = datetime.date
# Sheet "Movies": a gap in the headings after column J (K is empty, L must not be offered),
# an empty row between data rows (row 4) and empty rows below the data.
MOVIES = [
    ["Title", "Director", "Actor 1", "Actor 2", "Genre", "Medium", "Year", "Minutes", "Discs", "Bought", None, "Ignored"],
    ["The Abyss", "James Cameron", "Ed Harris", "Mary Elizabeth Mastrantonio", "Science Fiction", "DVD", 1989, 140, 1, D(2003, 5, 17), None, "x"],
    ["Aliens", "James Cameron", "Sigourney Weaver", "Michael Biehn", "Action", "DVD", 1986, 137.5, 2, D(2004, 12, 1), None, "x"],
    [],
    ["Say \"Hello\" to O'Brien", "Jim O'Hara", "Ed Harris", "Zoë Ñúñez", "Comedy", "VHS", 2001, 95, 1, D(1999, 1, 31), None, None],
    ["Titanic", "James Cameron", "Kate Winslet", None, "Drama", "DVD", 1997, 194, 2, None, None, None],
]
TRAILING_EMPTY_ROWS = 3

HEADING_ONLY = [["Title", "Director", "Year"]]

# Sheet "Values": how cells of each kind read as text.
VALUES = [
    ["Kind", "Value"],
    ["integer", 42],
    ["whole float", 3.0],
    ["fraction", 0.1],
    ["negative", -7.25],
    ["large", 123456789012],
    ["date", D(2001, 2, 3)],
    ["text", "  spaced text  "],
]
BOOLS = [["Kind", "Value"], ["true", True], ["false", False]]


def write_xlsx(path, sheets):
    wb = openpyxl.Workbook()
    wb.remove(wb.active)
    for name, rows, trailing in sheets:
        ws = wb.create_sheet(name)
        for r, row in enumerate(rows, start=1):
            for c, value in enumerate(row, start=1):
                if value is not None:
                    cell = ws.cell(row=r, column=c, value=value)
                    if isinstance(value, D):
                        cell.number_format = "yyyy-mm-dd"
        # Styled but empty cells below the data widen the used range without adding content.
        for r in range(len(rows) + 1, len(rows) + 1 + trailing):
            ws.cell(row=r, column=1).font = openpyxl.styles.Font(bold=True)
    wb.save(path)


def write_xls(path, sheets):
    wb = xlwt.Workbook(encoding="utf-8")
    date_style = xlwt.easyxf(num_format_str="YYYY-MM-DD")
    blank_style = xlwt.easyxf("font: bold on")
    for name, rows, trailing in sheets:
        ws = wb.add_sheet(name)
        for r, row in enumerate(rows):
            for c, value in enumerate(row):
                if value is None:
                    continue
                if isinstance(value, D):
                    ws.write(r, c, value, date_style)
                else:
                    ws.write(r, c, value)
        for r in range(len(rows), len(rows) + trailing):
            ws.write(r, 0, None, blank_style)
    wb.save(path)


def ods_cell(value):
    if value is None:
        return TableCell()
    if isinstance(value, bool):
        cell = TableCell(valuetype="boolean", booleanvalue="true" if value else "false")
        cell.addElement(P(text="TRUE" if value else "FALSE"))
    elif isinstance(value, (int, float)):
        cell = TableCell(valuetype="float", value=repr(value))
        cell.addElement(P(text=str(value)))
    elif isinstance(value, D):
        cell = TableCell(valuetype="date", datevalue=value.isoformat())
        cell.addElement(P(text=value.strftime("%d/%m/%y")))
    else:
        cell = TableCell(valuetype="string")
        cell.addElement(P(text=value))
    return cell


def write_ods(path, sheets):
    doc = OpenDocumentSpreadsheet()
    for name, rows, trailing in sheets:
        table = Table(name=name)
        for row in rows:
            tr = TableRow()
            for value in row:
                tr.addElement(ods_cell(value))
            if not row:
                tr.addElement(TableCell())
            table.addElement(tr)
        if trailing:
            # What spreadsheet programs write for the rest of the sheet: one row repeated.
            tr = TableRow(numberrowsrepeated=1048000)
            tr.addElement(TableCell(numbercolumnsrepeated=1024))
            table.addElement(tr)
        doc.spreadsheet.addElement(table)
    doc.save(path)


def csv_text(value):
    if value is None:
        return ""
    if isinstance(value, D):
        return value.isoformat()
    if isinstance(value, float) and value.is_integer():
        value = int(value)
    text = str(value)
    if any(ch in text for ch in ",;\"\n"):
        text = '"' + text.replace('"', '""') + '"'
    return text


def write_csv(path, rows, delimiter, bom, trailing):
    lines = [delimiter.join(csv_text(v) for v in row) for row in rows]
    lines += [""] * trailing
    data = ("\r\n".join(lines) + "\r\n").encode("utf-8")
    with open(path, "wb") as f:
        f.write((b"\xef\xbb\xbf" if bom else b"") + data)


def zip_parts(path, parts, compression=zipfile.ZIP_DEFLATED):
    # A fixed time stamp keeps the hand-made files the same from one run to the next.
    with zipfile.ZipFile(path, "w", compression) as z:
        for name, data in parts:
            z.writestr(zipfile.ZipInfo(name, date_time=(2020, 1, 1, 0, 0, 0)), data, compress_type=compression)


XLSX_FRAME = [
    ("[Content_Types].xml", '<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>'),
    ("xl/workbook.xml", '<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>'),
    ("xl/_rels/workbook.xml.rels", '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/></Relationships>'),
]
SHEET_HEAD = '<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'


def write_excel_style():
    """A workbook laid out as Excel itself saves one: texts in the shared-string table (one of them
    in formatted runs with a phonetic guide), the 1904 date system, built-in date and time styles,
    a formula's cached text, an error value and cells without a reference."""
    workbook = ('<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><workbookPr date1904="1"/>'
                '<sheets><sheet name="Shared" sheetId="1" r:id="rId7"/></sheets></workbook>')
    rels = ('<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/data.xml"/>'
            '<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="strings.xml"/>'
            '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="look.xml"/>'
            '</Relationships>')
    strings = ('<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
               '<si><t>Title</t></si><si><t>Bought</t></si>'
               '<si><r><rPr><b/></rPr><t>Seven </t></r><r><t xml:space="preserve">Samurai</t></r><rPh sb="0" eb="1"><t>shichinin</t></rPh></si>'
               '<si><t>Time</t></si></sst>')
    styles = ('<?xml version="1.0" encoding="UTF-8"?><styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
              '<cellXfs count="3"><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="20"/></cellXfs></styleSheet>')
    sheet = (SHEET_HEAD + '<sheetData>'
             '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>3</v></c><c t="inlineStr"><is><t>Kind</t></is></c></row>'
             '<row><c t="s"><v>2</v></c><c s="1"><v>36296</v></c><c s="2"><v>0.75</v></c><c t="b"><v>1</v></c></row>'
             '<row r="3"><c r="A3" t="str"><f>UPPER("ran")</f><v>RAN</v></c><c r="B3" s="1"><v>0</v></c><c r="D3" t="e"><v>#N/A</v></c></row>'
             '</sheetData></worksheet>')
    zip_parts(os.path.join(HERE, "excel-style.xlsx"), [
        ("[Content_Types].xml", XLSX_FRAME[0][1]),
        ("xl/workbook.xml", workbook),
        ("xl/_rels/workbook.xml.rels", rels),
        ("xl/strings.xml", strings),
        ("xl/look.xml", styles),
        ("xl/worksheets/data.xml", sheet),
    ])


def write_hostile():
    with open(os.path.join(HERE, "movies.xlsx"), "rb") as f:
        whole = f.read()
    with open(os.path.join(HERE, "truncated.xlsx"), "wb") as f:
        f.write(whole[: len(whole) // 2])
    with open(os.path.join(HERE, "movies.xls"), "rb") as f:
        whole = f.read()
    with open(os.path.join(HERE, "truncated.xls"), "wb") as f:
        f.write(whole[: len(whole) // 3])
    # A sheet part that inflates to 160 MB of blanks from a few hundred kilobytes.
    bomb = io.BytesIO()
    with zipfile.ZipFile(bomb, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, data in XLSX_FRAME:
            z.writestr(name, data)
        z.writestr("xl/worksheets/sheet1.xml", SHEET_HEAD + "<sheetData>" + " " * (160 * 1024 * 1024) + "</sheetData></worksheet>")
    with open(os.path.join(HERE, "bomb.xlsx"), "wb") as f:
        f.write(bomb.getvalue())
    # A sheet that claims (and uses) a column far beyond any spreadsheet's last column.
    zip_parts(os.path.join(HERE, "wide.xlsx"), XLSX_FRAME + [
        ("xl/worksheets/sheet1.xml", SHEET_HEAD + '<dimension ref="A1:BDWGN1"/><sheetData><row r="1">'
         '<c r="A1" t="inlineStr"><is><t>Title</t></is></c><c r="BDWGN1" t="inlineStr"><is><t>far</t></is></c>'
         "</row></sheetData></worksheet>")])
    # The same in the OpenDocument form: one filled cell repeated a million times.
    zip_parts(os.path.join(HERE, "wide.ods"), [
        ("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
        ("content.xml", '<?xml version="1.0" encoding="UTF-8"?><office:document-content '
         'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
         'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
         'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>'
         '<table:table table:name="Wide"><table:table-row>'
         '<table:table-cell table:number-columns-repeated="1000000" office:value-type="string"><text:p>x</text:p></table:table-cell>'
         "</table:table-row></table:table></office:spreadsheet></office:body></office:document-content>")])
    zip_parts(os.path.join(HERE, "badxml.xlsx"), XLSX_FRAME + [
        ("xl/worksheets/sheet1.xml", SHEET_HEAD + '<sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>Title</t></is></c></sheetData></worksheet>')])
    with open(os.path.join(HERE, "notaworkbook.xlsx"), "wb") as f:
        f.write(b"This is a plain text file with a workbook's name.\n")
    with open(os.path.join(HERE, "latin1.csv"), "wb") as f:
        f.write("Title;Director\r\nAmélie;Jean-Pierre Jeunet\r\n".encode("latin-1"))


def main():
    sheets = [("Movies", MOVIES, TRAILING_EMPTY_ROWS), ("HeadingOnly", HEADING_ONLY, 0), ("Values", VALUES, 0)]
    write_xlsx(os.path.join(HERE, "movies.xlsx"), sheets)
    write_xls(os.path.join(HERE, "movies.xls"), sheets)
    write_ods(os.path.join(HERE, "movies.ods"), sheets)
    write_csv(os.path.join(HERE, "movies.csv"), MOVIES, ",", True, TRAILING_EMPTY_ROWS)
    write_csv(os.path.join(HERE, "movies-semicolon.csv"), MOVIES, ";", False, TRAILING_EMPTY_ROWS)
    write_csv(os.path.join(HERE, "heading-only.csv"), HEADING_ONLY, ",", False, 0)
    write_xlsx(os.path.join(HERE, "booleans.xlsx"), [("Booleans", BOOLS, 0)])
    write_ods(os.path.join(HERE, "booleans.ods"), [("Booleans", BOOLS, 0)])
    write_excel_style()
    write_hostile()


if __name__ == "__main__":
    main()
