#!/usr/bin/env python3
"""Writes a lesson file for the big-data figures: ENTRIES entries (verbs,
nouns and adjectives with made-up stems, one to three meanings) in lessons of
100, and one lesson "Großer Text" whose text is TEXT_BYTES of Latin taken
from the starter textbook's reading texts.

Aufruf: grosse_daten.py ZIEL.xml [ENTRIES] [TEXT_BYTES] > woerter.txt
(stdout: the words of the big text, one per line, for `lexovita-cli analyse`)
"""
import glob
import os
import re
import sys
from xml.sax.saxutils import escape

ziel = sys.argv[1]
anzahl = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
text_bytes = int(sys.argv[3]) if len(sys.argv) > 3 else 1000000

SILBEN = ["ma", "re", "ti", "lo", "cu", "pa", "ve", "ni", "so", "fa", "du", "gra", "pro", "con", "ad", "sta",
          "cre", "mi", "tu", "la", "ser", "mor", "tem", "vin", "cap", "ag", "leg", "scri", "pul", "rum"]


def stamm(i):
    teile = []
    while True:
        teile.append(SILBEN[i % len(SILBEN)])
        i //= len(SILBEN)
        if i == 0:
            break
    return "".join(teile)


def vok(i):
    s = stamm(i)
    bed = "".join(f"<BED><WORT>Bedeutung {i}.{b}</WORT><GRUPPE>1</GRUPPE><POS>{b}</POS></BED>"
                  for b in range(1, 2 + i % 3))
    art = i % 3
    if art == 0:
        return (f"<VOK><NAME>{s}are</NAME>{bed}<FORM1>{s}o</FORM1><FORM2>{s}avi</FORM2><FORM3>{s}atum</FORM3>"
                "<WORTART>1</WORTART><KONJDEKL>8</KONJDEKL><ATTRIBUTE>9</ATTRIBUTE></VOK>")
    if art == 1:
        return (f"<VOK><NAME>{s}us</NAME>{bed}<FORM1>{s}i</FORM1><FORM2>m</FORM2>"
                "<WORTART>2</WORTART><KONJDEKL>32</KONJDEKL><ATTRIBUTE>34</ATTRIBUTE></VOK>")
    return (f"<VOK><NAME>{s}us</NAME>{bed}<FORM1>{s}a</FORM1><FORM2>{s}um</FORM2>"
            "<WORTART>5</WORTART><KONJDEKL>8</KONJDEKL><ATTRIBUTE>13</ATTRIBUTE></VOK>")


quelle = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "grundwortschatz")
texte = []
for datei in sorted(glob.glob(os.path.join(quelle, "*.xml"))):
    with open(datei, encoding="utf-8") as f:
        texte += [t.strip() for t in re.findall(r"<TEXT>(.*?)</TEXT>", f.read(), re.S)]
grundtext = "\n".join(texte)
text = ""
while len(text.encode("utf-8")) < text_bytes:
    text += grundtext + "\n"
text = text.encode("utf-8")[:text_bytes].decode("utf-8", "ignore")

with open(ziel, "w", encoding="utf-8") as f:
    f.write('<?xml version="1.0" encoding="UTF-8"?>\n<LEXOVITA><BUCH name="Großer Bestand">\n')
    for start in range(0, anzahl, 100):
        f.write(f'<LEKTION name="Lektion {start // 100 + 1}">')
        f.write("".join(vok(i) for i in range(start, min(start + 100, anzahl))))
        f.write("</LEKTION>\n")
    f.write('<LEKTION name="Großer Text">' + "".join(vok(i) for i in range(100)))
    f.write("<TEXT>" + escape(text) + "</TEXT></LEKTION>\n")
    f.write("</BUCH></LEXOVITA>\n")

for w in re.findall(r"[A-Za-zÀ-ÿāēīōūĀĒĪŌŪ']+", text):
    print(w)
