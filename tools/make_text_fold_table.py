#!/usr/bin/env python3
"""Writes common/text_fold_table.inc: the case and accent folding that list sorting uses.

For the Latin, Greek and Cyrillic letters of the place and zone names, two mappings:
  - case fold: the lower-case letter;
  - sort fold: the lower-case letter without its accents (e with acute -> e), so that names sort
    the way readers of these scripts expect, with accented letters beside their base letter.
Run from the project root: python3 tools/make_text_fold_table.py > common/text_fold_table.inc
"""
import unicodedata

RANGES = [(0x00C0, 0x024F), (0x0370, 0x03FF), (0x0400, 0x04FF), (0x1E00, 0x1EFF), (0x1F00, 0x1FFF)]
# Letters that have no decomposition but a plain base letter for sorting.
EXTRA = {0x00D8: 'o', 0x00F8: 'o', 0x0110: 'd', 0x0111: 'd', 0x0141: 'l', 0x0142: 'l',
         0x00DF: 's', 0x0131: 'i', 0x00C6: 'a', 0x00E6: 'a', 0x0152: 'o', 0x0153: 'o',
         0x00DE: 't', 0x00FE: 't', 0x00D0: 'd', 0x00F0: 'd', 0x03C2: '\u03c3'}


def case_fold(ch):
    lower = ch.lower()
    return lower if len(lower) == 1 else ch


def sort_fold(ch):
    code = ord(ch)
    if code in EXTRA:
        return EXTRA[code]
    base = unicodedata.normalize('NFD', ch)[0]
    return case_fold(base)


def main():
    case_rows, sort_rows = [], []
    for low, high in RANGES:
        for code in range(low, high + 1):
            ch = chr(code)
            if not unicodedata.category(ch).startswith('L'):
                continue
            if case_fold(ch) != ch:
                case_rows.append((code, ord(case_fold(ch))))
            if sort_fold(ch) != ch:
                sort_rows.append((code, ord(sort_fold(ch))))
    print('// Made by tools/make_text_fold_table.py (Unicode %s); do not edit.' % unicodedata.unidata_version)
    for name, rows in (('kCaseFold', case_rows), ('kSortFold', sort_rows)):
        print('inline constexpr FoldRow %s[] = {' % name)
        for i in range(0, len(rows), 6):
            print('    ' + ' '.join('{0x%04X, 0x%04X},' % r for r in rows[i:i + 6]))
        print('};')


if __name__ == '__main__':
    main()
