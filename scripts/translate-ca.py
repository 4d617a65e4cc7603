#!/usr/bin/env python3
"""Fills unfinished Catalan translations in res/velmora_ca.ts.

Reads "Spanish<TAB>Catalan" lines from standard input (texts as they stand in
the source, with & for mnemonics) and fills every unfinished entry whose
source matches. Prints the sources still unfinished.
Run `cmake --build build --target velmora_lupdate` first.
"""
import html
import re
import sys
from pathlib import Path

ts = Path(__file__).resolve().parent.parent / "res" / "velmora_ca.ts"
pairs = {}
for line in sys.stdin:
    line = line.rstrip("\n")
    if "\t" in line:
        spanish, catalan = line.split("\t", 1)
        pairs[spanish] = catalan

text = ts.read_text(encoding="utf-8")
pattern = re.compile(r"<source>([^<]*)</source>(\s*)<translation type=\"unfinished\">[^<]*</translation>")


def fill(match):
    source = html.unescape(match.group(1))
    if source in pairs:
        return f"<source>{match.group(1)}</source>{match.group(2)}<translation>{html.escape(pairs[source], quote=False)}</translation>"
    return match.group(0)


text = pattern.sub(fill, text)
ts.write_text(text, encoding="utf-8")
for match in pattern.finditer(text):
    print("unfinished:", html.unescape(match.group(1)))
