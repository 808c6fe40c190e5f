#!/usr/bin/env bash
# Runs clang-tidy (bugprone checks, see .clang-tidy) over every source file of
# src/ with the compile commands of a build folder. Any finding fails.
#
# Aufruf: scripts/tidy-pruefen.sh BUILDORDNER [QUELLORDNER]
# Exit code 0: clean, 1: findings (listed), 2: no clang-tidy or no compile commands.
set -euo pipefail

build=$1
wurzel=$(cd "${2:-"$(dirname "$0")/.."}" && pwd)
if [ ! -f "$build/compile_commands.json" ]; then
  echo "Keine compile_commands.json in $build" >&2
  exit 2
fi
runner=""
for r in run-clang-tidy-14 run-clang-tidy; do
  if command -v "$r" >/dev/null; then runner=$r; break; fi
done
tidy=""
for t in clang-tidy-14 clang-tidy; do
  if command -v "$t" >/dev/null; then tidy=$t; break; fi
done
if [ -z "$runner" ] || [ -z "$tidy" ]; then
  echo "clang-tidy fehlt (Paket clang-tidy, scripts/install-deps.sh)" >&2
  exit 2
fi
# A pattern that matches nothing would pass silently: count the files first.
anzahl=$(grep -cE "\"file\": \"$wurzel/src/[^\"]*\\.cpp\"" "$build/compile_commands.json" || true)
if [ "$anzahl" -eq 0 ]; then
  echo "Keine Quelldatei aus $wurzel/src in $build/compile_commands.json" >&2
  exit 2
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Only the program's own files; generated moc files and tests are not checked.
if ! "$runner" -clang-tidy-binary "$(command -v "$tidy")" -p "$build" -j "$(nproc)" -quiet \
    "^$wurzel/src/.*\.cpp\$" >"$log" 2>&1; then
  grep -E "(warning|error):" "$log" | sed 's/\x1b\[[0-9;]*m//g' | sort -u
  echo "clang-tidy: Befunde (siehe oben)" >&2
  exit 1
fi
echo "clang-tidy: $anzahl Dateien in Ordnung"
