#!/usr/bin/env bash
# Figures for a large database: 100,000 entries and a lesson with a 1 MB text.
# Aufruf: bench/grosse-daten.sh BUILD_DIR [ARBEITSORDNER]
# Prints wall time and peak memory (/usr/bin/time -v) of each step.
set -euo pipefail
build=$(realpath "$1")
arbeit=${2:-$(mktemp -d)}
cli="$build/bin/lexovita-cli"
cd "$arbeit"

messen() { # name, command...
  local name=$1; shift
  /usr/bin/time -v "$@" > "$name.out" 2> "$name.err" || { cat "$name.err"; exit 1; }
  printf '%-12s %8s s  %6d MB\n' "$name" \
    "$(grep 'Elapsed (wall clock)' "$name.err" | awk '{print $NF}')" \
    "$(( $(grep 'Maximum resident' "$name.err" | awk '{print $NF}') / 1024 ))"
}

if [ ! -f daten/lexovita.db ]; then
  python3 "$(dirname "$0")/grosse_daten.py" gross.xml 100000 1000000 > woerter.txt
  "$cli" --data daten init > /dev/null
  messen import "$cli" --data daten import gross.xml
fi
messen start "$cli" --data daten init
messen suche "$cli" --data daten suche ma
messen analyse sh -c "\"$cli\" --data daten analyse --zeit < woerter.txt"
grep 'Wörter/s' analyse.err || true
LEXOVITA_GROSSE_DATEN="$arbeit/daten" messen bench "$build/bin/bench_grossedaten"
cat bench.out
