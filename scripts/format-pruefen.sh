#!/usr/bin/env bash
# Checks that the C++ files in src/, tests/ and bench/ follow .clang-format.
# Only reports; to fix, run clang-format -i on the files it names.
#
# Aufruf: scripts/format-pruefen.sh [QUELLORDNER]   (default: the repository)
# Exit code 0: all formatted, 1: files to format (listed), 2: no clang-format.
# The layout is that of clang-format 14 (Debian 12); other versions break
# some lines differently. CLANG_FORMAT=/path/to/clang-format picks another one.
set -euo pipefail

wurzel=${1:-"$(dirname "$0")/.."}
cd "$wurzel"

cf=${CLANG_FORMAT:-}
if [ -z "$cf" ]; then
  for c in clang-format-14 clang-format; do
    if command -v "$c" >/dev/null; then cf=$c; break; fi
  done
fi
if [ -z "$cf" ]; then
  echo "clang-format fehlt (Paket clang-format, scripts/install-deps.sh)" >&2
  exit 2
fi
version=$("$cf" --version)
if [[ $version != *" version 14."* ]]; then
  echo "Hinweis: erwartet wird clang-format 14, gefunden: $version" >&2
fi

# Files tracked by git, else every file below the source folders (a tarball).
# The layer check's fixture keeps its odd include lines on purpose.
liste() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -- 'src/*' 'tests/*' 'bench/*'
  else
    find src tests bench -type f 2>/dev/null
  fi | grep -E '\.(h|hpp|cpp|cc|cxx)$' | grep -v '^tests/werkzeuge/schichten_fixture/' | LC_ALL=C sort
}

anzahl=0
falsch=()
while IFS= read -r datei; do
  [ -f "$datei" ] || continue # deleted in the work tree, not yet in git
  anzahl=$((anzahl + 1))
  if ! "$cf" --style=file --dry-run --Werror "$datei" >/dev/null 2>&1; then
    falsch+=("$datei")
  fi
done < <(liste)

if [ ${#falsch[@]} -gt 0 ]; then
  echo "Nicht nach .clang-format formatiert (${#falsch[@]} von $anzahl Dateien):"
  printf '  %s\n' "${falsch[@]}"
  echo "Beheben: $cf -i DATEI..."
  exit 1
fi
echo "Format: alle $anzahl Dateien in Ordnung ($version)"
