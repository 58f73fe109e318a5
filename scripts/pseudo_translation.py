#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fills a Qt Linguist catalogue with pseudo-English: every letter accented and the text stretched
by at least 40 %, so that a run in it shows any text that overflows its place ("Śṗííñ") and any text
that never went through the catalogue (plain ASCII)."""
import html
import re
import sys

ACCENTS = dict(zip('abcdeghiklmnoprstuwyzABCDEGHIKLMNOPRSTUWYZ',
                   'áƀçđéĝĥíķĺɱñóṗŕšţúŵýžÁƁÇĐÉĜĤÍĶĹḾÑÓṖŔŠŢÚŴÝŽ'))
VOWELS = set('aeiouAEIOU')
# Placeholders, accelerators, escapes and markup pass through untouched.
KEEP = re.compile(r'%L?\d+|%n|&&|&(?=\w)|<[^>]*>|\\.|[\r\n\t]')
# A date format is a format, not a text.
DATE_FORMAT = re.compile(r'^[dMyHhmsAap/.\-: ]+$')


def stretch(text):
    if DATE_FORMAT.match(text) or not re.search('[A-Za-z]', text):
        return text
    out = []
    pos = 0
    for m in list(KEEP.finditer(text)) + [None]:
        end = m.start() if m else len(text)
        for ch in text[pos:end]:
            out.append(ACCENTS.get(ch, ch))
            if ch in VOWELS:
                out.append(ACCENTS.get(ch, ch))
        if m:
            out.append(m.group(0))
            pos = m.end()
    result = ''.join(out)
    short = int(len(text) * 1.4 + 0.999) - len(result)
    if short > 0:
        # Padding inside the last word, so that it cannot wrap away from the text.
        result += '·' * short
    return result


def fill(match):
    block = match.group(0)
    source = re.search(r'<source>(.*?)</source>', block, re.S)
    if not source:
        return block
    # lupdate writes a carriage return as <byte value="xd"/>.
    raw = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda b: chr(int(b.group(1), 16)),
                 source.group(1))
    text = html.unescape(raw)
    pseudo = html.escape(stretch(text), quote=False).replace('"', '&quot;')
    pseudo = pseudo.replace('\r', '<byte value="xd"/>')
    return re.sub(r'<translation[^>]*>.*?</translation>|<translation[^>]*/>',
                  lambda _: '<translation>' + pseudo + '</translation>', block, flags=re.S)


path = sys.argv[1]
catalogue = open(path, encoding='utf-8').read()
catalogue = re.sub(r'<message>.*?</message>', fill, catalogue, flags=re.S)
open(path, 'w', encoding='utf-8').write(catalogue)
