#!/usr/bin/env python3
"""Builds the shipped quiz word lists from a hand-picked source.

    tools/wordlist/make_lists.py [--source FILE] [--edict FILE] [--data DIR]
                                 [--oralis PROGRAM]

reads tools/wordlist/source.txt (display texts sorted into sections, see its
head), gives every entry its spoken reading as the built program reads it
(oralis --check-list, so the lists and the program follow one rule), checks
every word against the common-word marker (P) of the EDICT dictionary (Debian
package edict), and writes, each as UTF-8 "reading,display" lines with CR LF:

    data/JSLdefault.txt        every word and phrase
    data/lists/level1.txt      the first words a beginner needs
    data/lists/level2.txt      the other words
    data/lists/level3.txt      the short phrases
    data/lists/level4.txt      the longer sentences
    data/lists/<theme>.txt     one list per theme of the source

Every list written is checked again with oralis --check-list.

It also rewrites the figures in data/README.md between its coverage markers.
Words that read the same are one entry ("ｱﾂｲ,暑い・熱い"): on the lips they are
one word. Nothing is written when an entry fails a check; the reasons are
printed instead.
"""
import argparse
import collections
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

IPADIC = '/var/lib/mecab/dic/ipadic-utf8'
PRONUNCIATION = 8  # ipadic's pronunciation field: は as ワ, 今日 as キョー
MAX_ENTRIES = 32   # syllable entries the parser holds after its rest entry
THEMES = {
    'greetings': 'greetings',
    'family and home': 'family-and-home',
    'food': 'food',
    'shopping': 'shopping',
    'time and numbers': 'time-and-numbers',
    'places and directions': 'places-and-directions',
    'school and work': 'school-and-work',
    'health and safety': 'health-and-safety',
}
# A first word (level 1) plays at most this many syllable entries.
FIRST_WORD_MOST = 5
# A phrase of at most this many syllable entries is a short one (level 3);
# longer sentences are level 4.
SHORT_PHRASE_MOST = 9
BEGIN, END = '<!-- figures: begin -->', '<!-- figures: end -->'


# --- kana ------------------------------------------------------------------

def _half_width_table():
    table = {}
    for code in range(0xFF66, 0xFF9E):
        table[unicodedata.normalize('NFKC', chr(code))] = chr(code)
    table.update({'\u3099': 'ﾞ', '\u309a': 'ﾟ', 'ー': 'ｰ',
                  'ヮ': 'ﾜ', 'ヰ': 'ｲ', 'ヱ': 'ｴ', 'ヵ': 'ｶ', 'ヶ': 'ｹ'})
    return table


HALF = _half_width_table()


def half_width(kana):
    """Half-width katakana of hiragana or katakana; None for anything else."""
    out = []
    for ch in unicodedata.normalize('NFD', kana):
        if '\u3041' <= ch <= '\u3096':
            ch = chr(ord(ch) + 0x60)
        if ch in HALF:
            out.append(HALF[ch])
        elif '\uff66' <= ch <= '\uff9f':
            out.append(ch)
        else:
            return None
    return ''.join(out)


# --- the syllable parser and playback's sign choice ------------------------
# The same rules as the program's, so that levels and figures are computed
# here; the shipped-list tests check the result with the program's own code.

GEMINATE, LONG = 0x40, 0x80
ROWS = [(182, 2), (187, 3), (192, 4), (197, 5), (202, 6), (207, 7), (215, 8)]


def parse(reading):
    """Syllable entries (vowel, class) after the rest entry; None if refused."""
    vowel, cls = [-1], [0x1000]
    for ch in reading:
        c = ord(ch) - 0xFF66 + 166
        if not 166 <= c <= 223:
            return None
        p = len(vowel) - 1
        if c == 223:
            cls[p] = 12
        elif c == 222:
            if cls[p] == 6:
                cls[p] = 11
        elif c in (172, 173, 174):
            cls[p] |= 0x20
            vowel[p] = {172: 0, 173: 2, 174: 4}[c]
        elif c == 175:
            vowel.append(vowel[p]); cls.append(GEMINATE)
        elif c == 176:
            cls[p] |= LONG
        elif c == 221:
            vowel.append(vowel[p]); cls.append(13)
        elif 177 <= c <= 181:
            v = c - 177
            if (v == 1 and vowel[p] == 3) or (v == 2 and vowel[p] == 4) or v == vowel[p]:
                cls[p] |= LONG
            else:
                vowel.append(v); cls.append(1)
        elif 182 <= c <= 219:
            if c in (212, 213, 214):
                vowel.append({212: 0, 213: 2, 214: 4}[c]); cls.append(8)
            else:
                base, k = [(b, k) for b, k in ROWS if b <= c][-1]
                vowel.append(c - base); cls.append(k)
        elif c == 220:
            vowel.append(0); cls.append(10)
        elif c == 166:
            vowel.append(0); cls.append(1)
    if len(vowel) - 1 > MAX_ENTRIES:
        return None
    return list(zip(vowel, cls))[1:]


def sign(vowel, cls):
    t = cls & 0x1F
    if t == 13:
        return 6 + vowel
    if t in (12, 7, 11):
        return 11 + vowel
    if t in (4, 2, 5, 8, 9):
        return 16 + vowel
    if t == 3:
        return 21 + vowel
    if t == 10:
        return 26
    if cls & GEMINATE:
        return 27 + vowel
    return 1 + vowel


def signs(reading):
    return tuple(sign(v, c) for v, c in parse(reading))


# --- sources ---------------------------------------------------------------

class Entry:
    def __init__(self, display, kind, theme, line, reading=None, counted=False, first=False):
        self.displays = [display]
        self.kind, self.themes, self.line, self.first = kind, {theme} - {''}, line, first
        self.fixed_reading, self.counted = reading, counted
        self.reading = None


def read_source(path):
    """Entries in source order. Headers "== first words: theme", "== words:
    theme" or "== phrases: theme" open a section; words stand several to a
    line, phrases one a line. "display=ﾖﾐ" chooses one of the readings of a
    text written alike; a trailing "+" marks a number with its counter,
    checked part by part."""
    entries, kind, theme, first, errors = [], None, '', False, []
    with open(path, encoding='utf-8') as f:
        for number, raw in enumerate(f, 1):
            text = raw.split('#', 1)[0].strip()
            if not text:
                continue
            header = re.fullmatch(r'==\s*(first words|words|phrases)\s*(?::\s*(.*))?', text)
            if header:
                kind, theme = header.group(1), (header.group(2) or '').strip()
                first = kind == 'first words'
                kind = 'words' if first else kind
                if theme and theme not in THEMES:
                    errors.append('%d: unknown theme %s' % (number, theme))
                continue
            if kind is None:
                errors.append('%d: entry before the first section' % number)
                continue
            for item in ([text] if kind == 'phrases' else text.split()):
                counted = item.endswith('+')
                item = item.rstrip('+')
                display, _, reading = item.partition('=')
                if ',' in display or '・' in display:
                    errors.append('%d: %s: a display text holds no "," or "・"' % (number, display))
                entries.append(Entry(display, kind, theme, number, reading or None, counted, first))
    return entries, errors


def mecab(texts):
    """Per text: the MeCab morphemes as (surface, pronunciation or None)."""
    out = subprocess.run(['mecab', '-r', '/dev/null', '-d', IPADIC],
                         input=''.join(t + '\n' for t in texts),
                         capture_output=True, text=True, check=True).stdout
    result, morphemes = [], []
    for line in out.split('\n'):
        if line == 'EOS':
            result.append(morphemes)
            morphemes = []
        elif line:
            surface, features = line.split('\t', 1)
            fields = features.split(',')
            if fields[0] == '記号':
                continue  # punctuation is not pronounced
            pron = fields[PRONUNCIATION] if len(fields) > PRONUNCIATION else '*'
            morphemes.append((surface, None if pron == '*' else pron))
    assert len(result) == len(texts), 'MeCab split an entry over several lines'
    return result


def spoken_readings(entries, oralis):
    """Gives every entry its spoken reading as the program reads it: a draft
    list goes through oralis --check-list, which names for each line the
    reading it should have. A chosen reading must be one the text may have.
    Returns the reasons that stop the build."""
    errors = []
    with tempfile.NamedTemporaryFile('w', encoding='utf-8', suffix='.txt', delete=False) as draft:
        for e in entries:
            # "?" is no reading at all: the check names the right one.
            draft.write('%s,%s\r\n' % (e.fixed_reading or '?', e.displays[0]))
    try:
        run = subprocess.run([oralis, '--check-list', draft.name], capture_output=True, text=True)
    finally:
        os.unlink(draft.name)
    if run.returncode not in (0, 1):
        return ['%s --check-list failed: %s' % (oralis, run.stderr.strip())]
    should = {}
    for out in run.stdout.splitlines():
        number, _, fix = out.split('\t')
        should[int(number)] = fix
    for n, e in enumerate(entries, 1):
        where = '%d: %s' % (e.line, e.displays[0])
        fix = should.get(n)
        reading = fix.split(',', 1)[0] if fix and ',' in fix else None
        if fix is None:
            e.reading = e.fixed_reading
        elif e.fixed_reading:
            errors.append(where + ': %s is not a reading of the text (%s)' % (e.fixed_reading, fix))
        elif reading and half_width(reading) == reading:
            e.reading = reading
        else:
            errors.append(where + ': ' + fix)
    return errors


def check_written(oralis, paths):
    """Reasons that the written lists are not clean by the program's check."""
    errors = []
    for path in paths:
        run = subprocess.run([oralis, '--check-list', path], capture_output=True, text=True)
        if run.returncode != 0:
            errors.append('%s: %s%s' % (path, run.stdout, run.stderr.strip()))
    return errors


def load_edict(path):
    """Headword -> kana readings of the EDICT entries marked common (P). A
    reading counts as a headword too: a word usually written in kana is listed
    under its kanji."""
    common = collections.defaultdict(set)
    with open(path, encoding='euc_jp', errors='replace') as f:
        for line in f:
            if '/(P)/' not in line:
                continue
            head = re.match(r'(\S+)(?: \[([^\]]+)\])? /', line)
            if head:
                word, kana = head.group(1), head.group(2) or head.group(1)
                for w in word.split(';') + kana.split(';'):
                    common[w].update(kana.split(';'))
    return common


def same_lips(pronounced, dictionary):
    """Whether a pronunciation plays like a dictionary reading. ぢ and づ are
    said as じ and ず, and the particles は and へ, also at the end of a word
    (こんにちは), as わ and え."""
    spoken = half_width(dictionary.replace('ぢ', 'じ').replace('づ', 'ず')) or ''
    candidates = {spoken}
    for written, said in (('ﾊ', 'ﾜ'), ('ﾍ', 'ｴ')):
        if spoken.endswith(written):
            candidates.add(spoken[:-1] + said)
    ours = parse(pronounced)
    return ours is not None and any(parse(c) == ours for c in candidates)


# --- checks and output -----------------------------------------------------

def check(entries, common):
    """Reasons that stop the build, and warnings to look at. Every entry has
    its reading (spoken_readings)."""
    errors, warnings = [], []
    morphemes = mecab([e.displays[0] for e in entries])
    for e, parts in zip(entries, morphemes):
        where = '%d: %s' % (e.line, e.displays[0])
        if parse(e.reading) is None:
            errors.append(where + ': %s is refused by the parser (too long?)' % e.reading)
        if e.first and len(parse(e.reading)) > FIRST_WORD_MOST:
            errors.append(where + ': a first word plays at most %d syllables' % FIRST_WORD_MOST)
        if e.kind != 'words':
            # MeCab misreads a few words (出口 as ｲﾃﾞｸﾞﾁ). A phrase's words
            # also change by inflection (来 as ｷ) and in compounds (日 as ﾋﾞ),
            # so a difference here is only shown, to be judged by eye.
            for surface, pron in parts:
                if pron and surface in common and not any(
                        same_lips(half_width(pron) or '', k) for k in common[surface]):
                    warnings.append(where + ': MeCab reads %s as %s, EDICT %s' % (
                        surface, pron, '/'.join(sorted(common[surface]))))
            continue
        if e.counted:
            missing = [s for s, _ in parts if s not in common]
            if missing:
                errors.append(where + ': no common word %s' % '/'.join(missing))
        elif e.displays[0] not in common:
            errors.append(where + ': not marked common in EDICT')
        elif not e.fixed_reading and not any(
                same_lips(e.reading, k) for k in common[e.displays[0]]):
            errors.append(where + ': MeCab reads %s, EDICT %s' % (
                e.reading, '/'.join(sorted(common[e.displays[0]]))))
    return errors, warnings


def merge(entries):
    """One entry per reading, in source order; a display text only once."""
    by_reading, merged, errors, seen = {}, [], [], set()
    for e in entries:
        if e.displays[0] in seen:
            errors.append('%d: %s is listed twice' % (e.line, e.displays[0]))
            continue
        seen.add(e.displays[0])
        first = by_reading.get(e.reading)
        if first is None:
            by_reading[e.reading] = e
            merged.append(e)
        elif first.kind != e.kind:
            errors.append('%d: %s reads like the %s %s' % (e.line, e.displays[0],
                                                          first.kind[:-1], first.displays[0]))
        else:
            first.displays += e.displays
            first.themes |= e.themes
    return merged, errors


def levels(entries):
    for e in entries:
        if e.kind == 'phrases':
            e.level = 3 if len(parse(e.reading)) <= SHORT_PHRASE_MOST else 4
        else:
            e.level = 1 if e.first else 2


def figures(entries):
    played = collections.Counter()
    geminate = collections.Counter()
    n_closing = 0
    for e in entries:
        parsed = parse(e.reading)
        for i, (v, c) in enumerate(parsed):
            played[sign(v, c)] += 1
            after = parsed[i + 1][1] & 0x1F if i + 1 < len(parsed) else None
            if c & GEMINATE:
                geminate[{12: 'p', 2: 'k', 4: 't', 3: 's'}.get(after, 'other')] += 1
            if c & 0x1F == 13 and after in (7, 11, 12):
                n_closing += 1
    return played, geminate, n_closing


def line(e):
    return '%s,%s\r\n' % (e.reading, '・'.join(e.displays))


def write(path, entries):
    with open(path, 'w', encoding='utf-8', newline='') as f:
        f.writelines(line(e) for e in entries)


def report(entries, lists):
    played, geminate, n_closing = figures(entries)
    words = sum(e.kind == 'words' for e in entries)
    out = ['| List | Entries |', '|---|---|',
           '| `JSLdefault.txt` | %d (%d words, %d phrases) |' % (
               len(entries), words, len(entries) - words)]
    out += ['| `lists/%s.txt` | %d |' % (name, len(items)) for name, items in lists]
    out += ['', 'Signs played by `JSLdefault.txt` (sign: times):', '']
    out += [', '.join('%d: %d' % (s, played[s]) for s in range(a, b))
            + ('' if b == 32 else ';') for a, b in ((1, 11), (11, 21), (21, 32))]
    out += ['', 'Geminates before p %d, k %d, t %d, s %d, other sounds %d. '
            'Syllabic n before m, b or p: %d.' % (
                geminate['p'], geminate['k'], geminate['t'], geminate['s'],
                geminate['other'], n_closing)]
    return '\n'.join(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--source', default=os.path.join(here, 'source.txt'))
    ap.add_argument('--edict', default='/usr/share/edict/edict')
    ap.add_argument('--data', default=os.path.join(root, 'data'))
    ap.add_argument('--oralis', default=os.path.join(root, 'build', 'bin', 'oralis'))
    args = ap.parse_args()

    entries, errors = read_source(args.source)
    errors += spoken_readings(entries, args.oralis)
    if errors:
        print('\n'.join(errors), file=sys.stderr)
        return 1
    more, warnings = check(entries, load_edict(args.edict))
    errors += more
    if warnings:
        print('\n'.join('warning: ' + w for w in warnings), file=sys.stderr)
    merged, more = merge(entries)
    errors += more
    if errors:
        print('\n'.join(errors), file=sys.stderr)
        return 1
    levels(merged)

    lists = [('level%d' % n, [e for e in merged if e.level == n]) for n in (1, 2, 3, 4)]
    lists += [(file, [e for e in merged if theme in e.themes]) for theme, file in THEMES.items()]
    written = [os.path.join(args.data, 'JSLdefault.txt')]
    write(written[0], merged)
    os.makedirs(os.path.join(args.data, 'lists'), exist_ok=True)
    for name, items in lists:
        written.append(os.path.join(args.data, 'lists', name + '.txt'))
        write(written[-1], items)
    errors = check_written(args.oralis, written)
    if errors:
        print('\n'.join(errors), file=sys.stderr)
        return 1

    text = report(merged, lists)
    readme = os.path.join(args.data, 'README.md')
    with open(readme, encoding='utf-8') as f:
        old = f.read()
    start, stop = old.find(BEGIN), old.find(END)
    if start < 0 or stop < start:
        print('%s has no figure markers; figures:\n%s' % (readme, text))
    else:
        with open(readme, 'w', encoding='utf-8') as f:
            f.write(old[:start + len(BEGIN)] + '\n' + text + '\n' + old[stop:])
    print(text)
    return 0


if __name__ == '__main__':
    sys.exit(main())
