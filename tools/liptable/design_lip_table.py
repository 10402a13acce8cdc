#!/usr/bin/env python3
"""Writes data/LipPosition.csv, the lip shapes Oralis ships with.

Every shape is given as a few phonetic measures (opening, width, protrusion,
jaw angle) and turned into the two lip edges of the table: a centre, middle and
corner control point per lip, each as depth, lateral, height, in model units
(the rest mouth is 3 units from centre to corner; the lips are about 1 unit
thick; the lower teeth drop about 7.2 * sin(angle) when the jaw opens).

Run it from the repository root after changing a shape; review the result with
the sign sheet tool before committing.
"""
import math
import sys


class Shape:
    def __init__(self, upper, lower, width, protrude=0.0, corner_protrude=0.0,
                 upper_angle=0.0, lower_angle=0.0, roundness=0.8):
        # upper / lower: height of each lip's inner edge at the centre line
        # (upper >= 0 >= lower); width: centre to corner; roundness: how much
        # of the centre opening is kept at the middle point (an oval keeps more).
        self.upper, self.lower, self.width = upper, lower, width
        self.protrude, self.corner_protrude = protrude, corner_protrude
        self.upper_angle, self.lower_angle = upper_angle, lower_angle
        self.roundness = roundness

    def opening(self):
        return self.upper - self.lower

    def scaled(self, opening_factor, width=None, teeth_factor=None):
        """The same mouth opened less (an onset or a closing)."""
        t = opening_factor if teeth_factor is None else teeth_factor
        return Shape(self.upper * opening_factor, self.lower * opening_factor,
                     self.width if width is None else width,
                     self.protrude, self.corner_protrude,
                     self.upper_angle * t, self.lower_angle * t, self.roundness)

    def curves(self):
        mid = round(self.width * 0.6, 3)
        middle_depth = 0.7 * self.protrude + 0.3 * self.corner_protrude
        def curve(h0):
            return [self.protrude, 0.0, h0,
                    round(middle_depth, 3), mid, round(h0 * self.roundness, 3),
                    self.corner_protrude, self.width, 0.0]
        return curve(self.upper), curve(self.lower)


# Vowels. Opening: a > o >= e > i > u. Width: i, e > rest 3 >= a > o, u.
# Protrusion: o > u > a, e > i. The e/o pair is kept far apart (wide and flat
# against narrow, round and forward) since viewers confuse them most.
VOWELS = {
    'a': Shape(upper=0.5, lower=-1.5, width=3.0, protrude=0.2, corner_protrude=0.0,
               upper_angle=2.0, lower_angle=12.0, roundness=0.75),
    'i': Shape(upper=0.25, lower=-0.35, width=3.6, protrude=0.0, corner_protrude=0.0,
               upper_angle=1.0, lower_angle=4.0, roundness=0.8),
    'u': Shape(upper=0.2, lower=-0.2, width=2.3, protrude=0.5, corner_protrude=0.3,
               upper_angle=0.0, lower_angle=3.0, roundness=0.75),
    'e': Shape(upper=0.4, lower=-0.8, width=3.4, protrude=0.1, corner_protrude=0.0,
               upper_angle=1.5, lower_angle=8.0, roundness=0.8),
    'o': Shape(upper=0.5, lower=-0.8, width=2.4, protrude=0.8, corner_protrude=0.4,
               upper_angle=1.0, lower_angle=8.0, roundness=0.88),
}
ORDER = 'aiueo'

REST = Shape(upper=0.0, lower=0.0, width=3.0)

VOWEL_RATE = 1.0     # a bare vowel: one mora
ONSET_RATE = 0.4     # consonant onsets
RELEASE_RATE = 0.7   # the vowel after an onset: onset + release is about one mora


def closed(width, protrude=0.1, corner_protrude=0.0):
    return Shape(0.0, 0.0, width, protrude, corner_protrude)


def signs():
    table = [('rest', [(1.0, REST)])]
    for v in ORDER:
        table.append((v, [(VOWEL_RATE, VOWELS[v])]))
    # Syllabic n: relaxed, nearly closed, with the width of the vowel before it.
    for v in ORDER:
        s = VOWELS[v]
        table.append(('n_' + v, [(0.8, Shape(0.08, -0.07, s.width, s.protrude * 0.5,
                                             s.corner_protrude * 0.5, 0.0, 1.0))]))
    # m, b, p: lips pressed together (a short frame), then released into the vowel.
    for v in ORDER:
        s = VOWELS[v]
        table.append(('m_' + v, [(ONSET_RATE, closed(min(s.width, 3.0), 0.15,
                                                       s.corner_protrude * 0.5)),
                                 (RELEASE_RATE, s)]))
    # k, t, n, y, r: a brief, less open onset, then the vowel.
    for v in ORDER:
        s = VOWELS[v]
        table.append(('k_' + v, [(ONSET_RATE * 0.875, s.scaled(0.45)), (RELEASE_RATE, s)]))
    # s: teeth close together behind lips spread a little wider than the
    # vowel's (before u and o the lips already round, so stay narrow).
    for v in ORDER:
        s = VOWELS[v]
        onset = Shape(0.3, -0.3, min(s.width + 0.3, 3.6), s.protrude * 0.5,
                      s.corner_protrude * 0.5, 0.0, 1.0, 0.8)
        table.append(('s_' + v, [(ONSET_RATE, onset), (RELEASE_RATE, s)]))
    # wa: a rounded onset, then a.
    table.append(('wa', [(ONSET_RATE, Shape(0.2, -0.25, 2.2, 0.6, 0.35, 0.0, 3.0, 0.8)),
                         (RELEASE_RATE, VOWELS['a'])]))
    # Geminate: a held closure of about one mora, keeping the vowel's width.
    for v in ORDER:
        s = VOWELS[v]
        hold = closed(s.width, 0.1, s.corner_protrude * 0.5)
        table.append(('Q_' + v, [(0.4, hold), (0.6, hold)]))
    return table


def fmt(x):
    if x == 0:
        return '0'
    text = ('%.7g' % x)
    if 'e' in text:
        mant, exp = text.split('e')
        return '%sE%s%02d' % (mant, exp[0], abs(int(exp)))
    return text


def cubic(xe, ye, xm, ym, yc, n=7):
    k = -((ym - yc) * xe * xe + (yc - ye) * xm * xm) / ((xe - xm) * xe * xe * xm * xm)
    m = 0.0 if k == 0 else -xe - (yc - ye) / (k * xe * xe)
    return [yc + k * (i * xe / n) ** 2 * (i * xe / n + m) for i in range(n + 1)]


def check(name, shape):
    up, lo = shape.curves()
    for c in (up, lo):
        assert 0 < c[4] < c[7], name + ': middle point must lie between centre and corner'
        assert min(c[0], c[3], c[6]) >= 0, name + ': lips stay in front of the face plane'
    hu = cubic(up[7], up[8], up[4], up[5], up[2])
    hl = cubic(lo[7], lo[8], lo[4], lo[5], lo[2])
    for a, b in zip(hu, hl):
        assert math.isfinite(a) and math.isfinite(b) and a >= b - 1e-9, \
            name + ': the upper lip must never cross the lower one'


def main(path):
    lines = []
    for number, (name, frames) in enumerate(signs()):
        lines.append('%d,%s,%d%s' % (number, name.ljust(10), len(frames), ',' * 18))
        for rate, shape in frames:
            check(name, shape)
            up, lo = shape.curves()
            values = [rate] + up + [shape.upper_angle] + lo
            last = shape.lower_angle
            lines.append(''.join(fmt(v) + ',' for v in values)
                         + ('-' if last < 0 else ' ') + fmt(abs(last)) + ' ')
    with open(path, 'w', newline='') as f:
        f.write('\r\n'.join(lines) + '\r\n')


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'data/LipPosition.csv')
