#!/usr/bin/env python3
"""Carries translations over to texts that moved to another context.

When a text moves between files its context changes, and lupdate files it as new and
unfinished (its same-text heuristic fills in the old words but leaves them marked). Run after
the update_translations target: every unfinished entry whose source text, comment and
translation are those of a finished entry in the given earlier version of the file, under any
context, is marked finished again. What was never translated stays unfinished.

Usage: scripts/carry-translations.py GIT-REVISION translations/rollvane_de.ts [...]
"""
import re
import subprocess
import sys

MESSAGE = re.compile(r'<message(?: [^>]*)?>.*?</message>', re.S)


def parts(message):
    source = re.search(r'<source>(.*?)</source>', message, re.S)
    comment = re.search(r'<comment>(.*?)</comment>', message, re.S)
    translation = re.search(r'<translation( type="[^"]*")?>(.*?)</translation>', message, re.S)
    return (source.group(1) if source else '', comment.group(1) if comment else '',
            translation.group(1) or '' if translation else None, translation.group(2) if translation else None)


def main():
    revision, files = sys.argv[1], sys.argv[2:]
    for path in files:
        old = subprocess.run(['git', 'show', f'{revision}:{path}'], capture_output=True, check=True,
                             text=True).stdout
        known = set()
        for message in MESSAGE.findall(old):
            source, comment, kind, words = parts(message)
            if words is not None and not kind:
                known.add((source, comment, words))
        carried = 0

        def carry(match):
            nonlocal carried
            message = match.group(0)
            source, comment, kind, words = parts(message)
            if kind == ' type="unfinished"' and (source, comment, words) in known:
                carried += 1
                return message.replace('<translation type="unfinished">', '<translation>', 1)
            return message

        with open(path, encoding='utf-8') as text:
            current = text.read()
        current = MESSAGE.sub(carry, current)
        with open(path, 'w', encoding='utf-8') as text:
            text.write(current)
        print(f'{path}: {carried} carried over')


if __name__ == '__main__':
    main()
