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


# Vowels, designed from measurements of Tokyo Japanese:
# - Jaw opening, largest first: a > e > o > i > u (Kawahara, Erickson and
#   Suemitsu 2017, Acoustical Science and Technology 38(2)). Deaf education in
#   Japan teaches six mouth shapes ranked by size the same way, a > e > o > i > u,
#   plus closed lips for pa, ba, ma, so a learner's teacher and this table agree.
#   The openings (2.0, 1.4, 1.05, 0.6, 0.35) and jaw angles (12, 9.5, 7, 4, 3
#   degrees) keep that rank with steps a viewer can see.
# - Tokyo u is compressed, not rounded: the jaw nearly closes and the lips meet
#   from above and below with hardly any forward movement. Only o is clearly
#   rounded and pushed forward.
# Width: i, e spread beyond the rest mouth (3); a at rest width; o and u narrow.
# e and o open by similar amounts, so they are kept far apart in every other
# measure (wide, flat and back against narrow, round and forward): viewers
# confuse that pair most.
VOWELS = {
    'a': Shape(upper=0.5, lower=-1.5, width=3.0, protrude=0.2, corner_protrude=0.0,
               upper_angle=2.0, lower_angle=12.0, roundness=0.75),
    'i': Shape(upper=0.25, lower=-0.35, width=3.6, protrude=0.0, corner_protrude=0.0,
               upper_angle=1.0, lower_angle=4.0, roundness=0.8),
    # A flat slit: the middle keeps most of the small centre opening.
    'u': Shape(upper=0.15, lower=-0.2, width=2.5, protrude=0.15, corner_protrude=0.05,
               upper_angle=0.0, lower_angle=3.0, roundness=0.9),
    'e': Shape(upper=0.45, lower=-0.95, width=3.4, protrude=0.1, corner_protrude=0.0,
               upper_angle=1.5, lower_angle=9.5, roundness=0.8),
    'o': Shape(upper=0.4, lower=-0.65, width=2.4, protrude=0.8, corner_protrude=0.4,
               upper_angle=1.0, lower_angle=7.0, roundness=0.88),
}
ORDER = 'aiueo'

REST = Shape(upper=0.0, lower=0.0, width=3.0)

# Speech runs at about 6 to 7 morae a second. At the default speed a frame of
# rate 1 takes 9 pictures at 60 Hz, about 150 ms: one mora, said with care.
VOWEL_RATE = 1.0     # a bare vowel: one mora
ONSET_RATE = 0.4     # consonant onsets
RELEASE_RATE = 0.7   # the vowel after an onset: onset + release is about one mora


def closed(width, protrude=0.1, corner_protrude=0.0):
    return Shape(0.0, 0.0, width, protrude, corner_protrude)


def signs():
    table = [('rest', [(1.0, REST)])]
    for v in ORDER:
        table.append((v, [(VOWEL_RATE, VOWELS[v])]))
    # Syllabic n takes its place of articulation from the sound after it; the
    # lips close only before m, b, p, and those signs close them themselves. On
    # its own it is a relaxed mouth a third as open as the vowel before it,
    # never shut, so it cannot pass for a bilabial.
    for v in ORDER:
        s = VOWELS[v]
        third = lambda x: round(x / 3, 3)
        n = Shape(third(s.upper), third(s.lower), s.width, s.protrude * 0.5,
                  s.corner_protrude * 0.5, third(s.upper_angle), third(s.lower_angle),
                  s.roundness)
        table.append(('n_' + v, [(0.8, n)]))
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
    # vowel's (before o, rounded, and u, compressed, they stay narrow).
    for v in ORDER:
        s = VOWELS[v]
        onset = Shape(0.3, -0.3, min(s.width + 0.3, 3.6), s.protrude * 0.5,
                      s.corner_protrude * 0.5, 0.0, 1.0, 0.8)
        table.append(('s_' + v, [(ONSET_RATE, onset), (RELEASE_RATE, s)]))
    # wa: the w is made with the compressed lips of u, not a pout, then a.
    table.append(('wa', [(ONSET_RATE, VOWELS['u']), (RELEASE_RATE, VOWELS['a'])]))
    # Geminate (small tsu): it holds the closure or narrowing of the consonant
    # after it. Most geminates stand before k, s or t, where the lips stay apart,
    # so the sign is a held, almost shut mouth, not a lip closure: jaw raised,
    # teeth close, lips a crack apart at the vowel's width. The first frame moves
    # there, the second holds it. Before m, b, p the next sign's own closing
    # frame shuts the lips.
    # A geminate closure lasts about 2.8 times a single one (Han 1992, Phonetica
    # 49): the hold of 0.65 here plus the next sign's onset (0.35 to 0.4) is
    # 2.6 to 2.9 onsets.
    for v in ORDER:
        s = VOWELS[v]
        hold = Shape(0.08, -0.12, s.width, s.protrude * 0.5, s.corner_protrude * 0.5,
                     0.0, 1.0, s.roundness)
        table.append(('Q_' + v, [(0.3, hold), (0.35, hold)]))
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
