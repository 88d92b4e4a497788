#!/usr/bin/env python3
"""Reads an .xlsx file with openpyxl (independent of the writer) and prints what the statement
tests check, one fact per line: every non-empty cell as "cell<TAB>row<TAB>column<TAB>type<TAB>
value" (numbers with repr, which round-trips a double), then the frozen pane, the page
orientation and paper size, whether the header row is bold and the widths of the columns."""
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        kind = 'n' if isinstance(cell.value, (int, float)) else 's'
        value = repr(float(cell.value)) if kind == 'n' else str(cell.value).replace('\n', ' ')
        print(f'cell\t{cell.row}\t{cell.column}\t{kind}\t{value}')
print(f'frozen\t{sheet.freeze_panes}')
print(f'orientation\t{sheet.page_setup.orientation}')
print(f'paper\t{sheet.page_setup.paperSize}')
print(f'header bold\t{all(c.font.bold for c in sheet[3] if c.value is not None)}')
print(f'title\t{book.properties.title}')
