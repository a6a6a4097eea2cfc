#!/usr/bin/python3
# Builds SpinnerFont.ttf, the font the header's loading spinner draws with.
#
# Family "Setup". U+E052..U+E0CB are the 122 frames of one spinner cycle: a thick ring segment
# that turns twice per cycle while it grows from a short arc to three quarters of the ring and
# shrinks back, so one cycle of the timer (122 frames at 30 ms) ends where it began. The shapes
# are plain filled outlines, bold enough to read at 16 px as white on the header's blue.
# U+000D and U+0020 are blank, so the label's pause caption (" ") keeps the same width.
#
# Run with Debian's interpreter (python3-fonttools): /usr/bin/python3 make-spinner-font.py
import math
import os

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

FIRST, FRAMES = 0xE052, 122
EM, ASCENT, DESCENT = 1000, 880, 120
CENTRE_X, CENTRE_Y = 500, 380        # the middle of the label's text line
OUTER, INNER = 430, 280              # ring radii: a 150-unit stroke is about 2 px at 16 px
FONT_DATE = 3850070400               # 2026-01-01, in seconds since 1904 as the head table counts
STEP_DEGREES = 4                     # outline resolution of the arcs


def ring_segment(pen, start, sweep):
    """Adds a closed ring segment from `start` over `sweep` degrees, clockwise as TrueType wants
    filled outlines: along the outer arc one way and back along the inner arc."""
    steps = max(2, int(math.ceil(sweep / STEP_DEGREES)))
    angles = [start - sweep * k / steps for k in range(steps + 1)]  # clockwise: decreasing angle

    def point(radius, degrees):
        r = math.radians(degrees)
        return (round(CENTRE_X + radius * math.cos(r)), round(CENTRE_Y + radius * math.sin(r)))

    pen.moveTo(point(OUTER, angles[0]))
    for a in angles[1:]:
        pen.lineTo(point(OUTER, a))
    for a in reversed(angles):
        pen.lineTo(point(INNER, a))
    pen.closePath()


def frame_glyph(index):
    phase = index / FRAMES                            # 0 .. 1 over one cycle
    sweep = 45 + 225 * (0.5 - 0.5 * math.cos(2 * math.pi * phase))
    head = 90 - 720 * phase                           # two clockwise turns, starting at the top
    pen = TTGlyphPen(None)
    ring_segment(pen, head, sweep)
    return pen.glyph()


def blank_glyph():
    return TTGlyphPen(None).glyph()


def main():
    frame_names = ["frame%03d" % i for i in range(FRAMES)]
    order = [".notdef", "space", "CR"] + frame_names
    glyphs = {".notdef": blank_glyph(), "space": blank_glyph(), "CR": blank_glyph()}
    cmap = {0x0D: "CR", 0x20: "space"}
    for i, name in enumerate(frame_names):
        glyphs[name] = frame_glyph(i)
        cmap[FIRST + i] = name

    fb = FontBuilder(EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    fb.setupHorizontalMetrics({name: (EM, getattr(glyf[name], "xMin", 0)) for name in order})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({"familyName": "Setup", "styleName": "Regular",
                       "uniqueFontIdentifier": "Cinevora Setup spinner 1.0",
                       "fullName": "Setup", "psName": "Setup-Regular", "version": "Version 1.0"})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT, achVendID="CNVR")
    fb.setupPost()
    # Fixed dates, so that running the script again gives the same bytes.
    fb.updateHead(created=FONT_DATE, modified=FONT_DATE)
    fb.font.recalcTimestamp = False
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "SpinnerFont.ttf")
    fb.save(out)


if __name__ == "__main__":
    main()
