#!/usr/bin/env bash
# Fills a fresh data folder with a month of review history, answered through
# lexovita-cli with --zeit: each day the due entries (about 85 % right) and
# eight new ones, with two days off. For looking at the statistics window.
#
#   scripts/lernmonat-simulieren.sh CLI DATENORDNER [LETZTER_TAG]
set -euo pipefail
cli=$1
daten=$2
letzter=${3:-$(date +%F)}
RANDOM=16

"$cli" --data "$daten" init --grundwortschatz >/dev/null
naechste_neue=1
antworten=0
for tag in $(seq 29 -1 0); do
  datum=$(date -d "$letzter - $tag day" +%F)
  case $tag in 21 | 9) continue ;; esac
  minute=0
  ids=$("$cli" --data "$daten" faellig --datum "$datum" | cut -f1)
  for _ in 1 2 3 4 5 6 7 8; do
    ids+=" $naechste_neue"
    naechste_neue=$((naechste_neue + 1))
  done
  for id in $ids; do
    if ((RANDOM % 100 < 85)); then urteil=richtig; else urteil=falsch; fi
    zeit=$(printf '%sT17:%02d' "$datum" $((minute % 60)))
    "$cli" --data "$daten" antwort "$id" "$urteil" --zeit "$zeit" >/dev/null
    minute=$((minute + 1))
    antworten=$((antworten + 1))
  done
done
echo "$antworten Antworten an 28 von 30 Tagen bis $letzter gespeichert."
