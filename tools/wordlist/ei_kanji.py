#!/usr/bin/env python3
"""Prints the table of kanji whose on-reading ends in エイ, for the spoken
reading (app/model/SpokenReading.cpp), from KANJIDIC (Debian package
kanjidic, EDRDG, CC BY-SA 3.0):

    tools/wordlist/ei_kanji.py [/usr/share/edict/kanjidic]

Only the kanji of the Joyo and Jinmeiyo lists (grades 1 to 10) are taken: the
dictionary's words are written with them.
"""
import collections
import re
import sys

ENDING = re.compile(r'[エケゲセゼテデネヘベペメレ]イ')


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/edict/kanjidic'
    by_reading = collections.defaultdict(list)
    with open(path, encoding='euc_jp', errors='replace') as f:
        for line in f:
            if line.startswith('#'):
                continue
            fields = line.split(' {', 1)[0].split()
            grade = [int(g[1:]) for g in fields if re.fullmatch(r'G\d+', g)]
            if not grade or grade[0] > 10:
                continue
            for field in fields[1:]:
                if field.startswith('T'):  # name readings follow
                    break
                on = field.strip('-')
                if re.fullmatch(r'[ァ-ヶ]+', on) and ENDING.fullmatch(on[-2:]):
                    by_reading[on].append(fields[0])
    for on in sorted(by_reading):
        print('    {u"%s", u"%s"},' % (on, ''.join(by_reading[on])))


if __name__ == '__main__':
    main()
