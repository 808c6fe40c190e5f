#!/usr/bin/env bash
# Times `analyse --lexikon` end to end (start, database, lexicon tables,
# output) on a text of 20,000 words, and measures how many words of the
# public-domain texts the lexicon recognises.
#
# Usage: bench/lexikon-analyse.sh CLI DATENORDNER
# DATENORDNER must hold a database with the lexicon imported
# (lexovita-cli --data DATENORDNER lexikon importieren).
#
# The text: the reading texts of data/, Livy 1.57-58 (lucretia.txt of the
# Debian package collatinus) and Caesar, Bellum Gallicum 1.1-2
# (bench/texte), repeated until 20,000 words.
set -euo pipefail
cli=$1
daten=$2
hier=$(cd "$(dirname "$0")" && pwd)
wurzel=$(dirname "$hier")
text=$(mktemp)
trap 'rm -f "$text"' EXIT
python3 - "$wurzel" "$text" <<'PY'
import glob, re, sys, xml.etree.ElementTree as ET
wurzel, ziel = sys.argv[1], sys.argv[2]
w = []
for p in sorted(glob.glob(wurzel + "/data/*/*.xml")):
    for t in ET.parse(p).getroot().iter("TEXT"):
        w += re.findall(r"[A-Za-z]+", t.text or "")
for p in ["/usr/share/collatinus/data/lucretia.txt", wurzel + "/bench/texte/caesar-bg-1-1.txt"]:
    try:
        w += re.findall(r"[A-Za-z]+", open(p, encoding="utf-8").read())
    except OSError:
        pass
aus = []
while len(aus) < 20000:
    aus += w
open(ziel, "w").write("\n".join(aus[:20000]) + "\n")
PY
echo "Text: $(wc -l < "$text") Wörter"
for i in 1 2 3; do
  /usr/bin/time -f "analyse --lexikon: %e s Uhrzeit, %U s + %S s CPU, %M KB" "$cli" --data "$daten" analyse --lexikon < "$text" > /dev/null
done
/usr/bin/time -f "analyse ohne Lexikon: %e s Uhrzeit, %U s + %S s CPU, %M KB" "$cli" --data "$daten" analyse < "$text" > /dev/null
python3 "$wurzel/scripts/lesetexte-abdeckung.py" --lexikon "$cli" "$daten" \
  "$wurzel/data/grundwortschatz" "$wurzel/data/aufbauwortschatz" \
  /usr/share/collatinus/data/lucretia.txt "$wurzel/bench/texte/caesar-bg-1-1.txt"
