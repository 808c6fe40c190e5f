#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs
# with a temporary home folder, as a user without --data would:
#  - lexovita-cli init --grundwortschatz makes the database in the user's data folder,
#  - suche finds an entry of the starter textbook,
#  - the GUI starts (offscreen) and writes an entry page into the user's cache,
#  - nothing is written below the prefix.
# Usage: installation-pruefen.sh BUILD_DIR APP_ID GUI(0|1)
set -euo pipefail
bau=$1
app_id=$2
gui=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
fehler() { echo "FEHLER: $*" >&2; exit 1; }

cmake --install "$bau" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fehler "cmake --install"; }

for f in bin/lexovita-cli share/lexovita/vorlagen/vokabel.htm share/lexovita/vorlagen/deutschland.bmp \
  share/lexovita/hilfe/index.htm share/lexovita/grundwortschatz/grundwortschatz_01.xml \
  share/lexovita/aufbauwortschatz/aufbauwortschatz_01.xml "share/applications/$app_id.desktop" \
  "share/metainfo/$app_id.metainfo.xml" share/mime/packages/lexovita.xml \
  share/icons/hicolor/scalable/apps/lexovita.svg share/icons/hicolor/48x48/apps/lexovita.png \
  share/icons/hicolor/128x128/apps/lexovita.png share/icons/hicolor/256x256/apps/lexovita.png \
  share/man/man1/lexovita.1.gz share/man/man1/lexovita-cli.1.gz share/doc/lexovita/copyright; do
  [ -e "$prefix/$f" ] || fehler "nicht installiert: $f"
done
[ "$gui" = 1 ] && { [ -x "$prefix/bin/lexovita" ] || fehler "nicht installiert: bin/lexovita"; }
# Nothing from the build tree's own runs comes along.
if find "$prefix" -name tmp.htm -o -name Data -o -name '*.db' | grep -q .; then
  fehler "Laufzeitdateien im Präfix: $(find "$prefix" -name tmp.htm -o -name Data -o -name '*.db')"
fi

# Every file with size and time, so a changed file shows as well as a new one.
liste() { find "$prefix" -printf '%P %s %T@\n' | sort; }
liste >"$tmp/vorher"

export HOME=$tmp/home
mkdir -p "$HOME"
unset XDG_DATA_HOME XDG_CACHE_HOME XDG_CONFIG_HOME
cd "$tmp"

"$prefix/bin/lexovita-cli" init --grundwortschatz >"$tmp/init.log" 2>&1 || { cat "$tmp/init.log"; fehler "init"; }
ls "$HOME/.local/share/lexovita/"* >/dev/null 2>&1 || fehler "keine Datenbank in ~/.local/share/lexovita"
grep -q "Grundwortschatz:" "$tmp/init.log" || { cat "$tmp/init.log"; fehler "Grundwortschatz nicht importiert"; }
"$prefix/bin/lexovita-cli" suche amare >"$tmp/suche.log" || fehler "suche"
# The starter textbooks carry vowel lengths; the search without them finds amāre.
grep -qP '^\d+\tamāre\t' "$tmp/suche.log" || { cat "$tmp/suche.log"; fehler "suche findet amare nicht"; }
"$prefix/bin/lexovita-cli" --version >"$tmp/version.log" || fehler "--version"
grep -q "Programmdaten: $prefix/share/lexovita" "$tmp/version.log" || { cat "$tmp/version.log"; fehler "--version"; }

if [ "$gui" = 1 ]; then
  # A second user starts the program first: it makes the database itself.
  export HOME=$tmp/home2
  mkdir -p "$HOME"
  timeout 300 "$prefix/bin/lexovita" --selbsttest-start >"$tmp/gui.log" 2>&1 || { cat "$tmp/gui.log"; fehler "GUI-Start"; }
  ls "$HOME/.local/share/lexovita/"* >/dev/null 2>&1 || fehler "GUI: keine Datenbank in ~/.local/share/lexovita"
  seite=$HOME/.cache/lexovita/tmp.htm
  [ -s "$seite" ] || { cat "$tmp/gui.log"; fehler "GUI: keine Vokabelseite in $seite"; }
  grep -q "<base href=\"file://$prefix/share/lexovita/vorlagen/\">" "$seite" || fehler "GUI: Seite ohne Verweis auf die Vorlagen"
  "$prefix/bin/lexovita-cli" suche amare | grep -qP '^\d+\tamāre\t' || fehler "GUI: Start-Lehrbücher fehlen"
fi

liste >"$tmp/nachher"
diff -u "$tmp/vorher" "$tmp/nachher" || fehler "unter dem Präfix wurde geschrieben"
echo "Installation geprüft: $prefix"
