#!/usr/bin/env python3
"""Share of the word tokens of lesson reading texts that the vocabulary of a
database covers: a token counts as covered when `lexovita-cli analyse` traces
it to at least one entry (the same test as the text analysis).

Usage:
    scripts/lesetexte-abdeckung.py [--lexikon] CLI DATENORDNER LEKTIONSORDNER...

CLI is the lexovita-cli binary, DATENORDNER the database folder (--data),
each LEKTIONSORDNER a folder of lesson files (*.xml) whose TEXT elements are
measured; one line per folder and one for all of them together. A plain
text file (*.txt) instead of a folder is measured as it is. With --lexikon
the large lexicon counts as well (`analyse --lexikon`).
"""

import glob
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET


LEXIKON = []


def woerter(ordner):
    # Words as the lesson splits them: runs of letters (punctuation, digits
    # and blanks are delimiters).
    if ordner.endswith(".txt"):
        with open(ordner, encoding="utf-8") as f:
            return re.findall(r"[A-Za-z]+", f.read())
    w = []
    for pfad in sorted(glob.glob(os.path.join(ordner, "*.xml"))):
        for text in ET.parse(pfad).getroot().iter("TEXT"):
            w += re.findall(r"[A-Za-z]+", text.text or "")
    return w


def abgedeckt(cli, daten, liste):
    aus = subprocess.run([cli, "--data", daten, "analyse"] + LEXIKON, input="\n".join(liste),
                         capture_output=True, text=True, check=True).stdout
    treffer = set()
    for zeile in aus.splitlines():
        teile = zeile.split("\t")
        if len(teile) > 1 and teile[1]:
            treffer.add(teile[0])
    return sum(1 for x in liste if x in treffer)


def main():
    if len(sys.argv) > 1 and sys.argv[1] == "--lexikon":
        LEXIKON.append("--lexikon")
        del sys.argv[1]
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    cli, daten, ordner = sys.argv[1], sys.argv[2], sys.argv[3:]
    summe_w = summe_a = 0
    for o in ordner:
        w = woerter(o)
        a = abgedeckt(cli, daten, w)
        summe_w += len(w)
        summe_a += a
        print("%-20s %5d von %5d Wörtern erkannt (%.1f %%)" % (os.path.basename(o.rstrip("/")), a, len(w),
                                                            100.0 * a / max(1, len(w))))
    print("%-20s %5d von %5d Wörtern erkannt (%.1f %%)" % ("zusammen", summe_a, summe_w,
                                                        100.0 * summe_a / max(1, summe_w)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
