#!/usr/bin/env python3
"""Writes hindi.txt: a Hindi font whose glyphs are blank (width 8, Consonant, centre 4, all LEDs dark)
except KA (U+0915, glyph 21) and the vowel sign I (U+093F, glyph 63), drawn below. '#' is a lit LED."""

KA = """
...........
...........
###########
.....#.....
.....#.....
..##.#.##..
.#..###..#.
.#..###..#.
..##.#.##..
.....#.....
.....#.....
.....#.....
.....#.....
...........
...........
...........
"""

SIGN_I = """
.######.
#.....#.
######.#
.......#
.......#
.......#
.......#
.......#
.......#
.......#
.......#
.......#
.......#
........
........
........
"""


def record(art, kind, centre):
    rows = art.strip("\n").split("\n")
    width = len(rows[0])
    values = [width, kind * 16 + centre]
    for column in range(16):
        for half in range(2):
            byte = 0
            for bit in range(8):
                row = rows[8 * half + bit]
                lit = column < len(row) and row[column] == "#"
                byte |= (0 if lit else 1) << bit
            values += [byte]
    return values


def main():
    glyphs = [[8, 4] + [255] * 32 for _ in range(128)]
    glyphs[0x15] = record(KA, 0, 5)
    glyphs[0x3F] = record(SIGN_I, 2, 7)
    with open("hindi.txt", "wb") as out:
        for glyph in glyphs:
            for value in glyph:
                out.write(b"%d\r\n" % value)


main()
