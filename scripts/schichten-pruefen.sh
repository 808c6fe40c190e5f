#!/usr/bin/env bash
# Checks the direction of #include between the folders of src/: a layer may
# use the layers below it, never one above it or beside it, and only the
# window layer may use Qt's GUI modules. Keeps the logic libraries usable
# without a display (command-line tool, tests) and free of cycles. The
# windows and the command line never see the store, not even through the
# headers of the services.
#
# Aufruf: scripts/schichten-pruefen.sh QUELLORDNER [QT_INCLUDE_ORDNER]
#   QUELLORDNER        folder that contains src/
#   QT_INCLUDE_ORDNER  Qt's header root (with QtGui/, QtWidgets/); searched
#                      in the usual Debian places when not given
# Exit code 0: all includes allowed, 1: violations (listed), 2: wrong call.
set -euo pipefail

# Layers from bottom to top; the same rank means siblings, which must not
# include each other.
declare -A RANG=(
  [model]=0
  [morph]=1
  [store]=2
  [render]=3 [textmode]=3 [learning]=3
  [app]=4
  [ui]=5 [cli]=5
)
# Lower layers that a layer must not include although its rank would allow
# it: the windows and the command line reach the database only through app.
declare -A AUSSER=(
  [ui]="store"
  [cli]="store"
)
# Lower layers that only the sources of a layer may include, not its
# headers: whatever an app header includes reaches the windows and the
# command line, so the store stays inside app's .cpp files.
declare -A AUSSER_KOPF=(
  [app]="store"
)
# The only layers that may include Qt's GUI and widget modules.
GUI_SCHICHTEN="ui"
GUI_MODULE="QtGui QtWidgets QtPrintSupport QtCharts QtOpenGL QtOpenGLWidgets QtSvg QtSvgWidgets"

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -d "$1/src" ]; then
  echo "Aufruf: $0 QUELLORDNER [QT_INCLUDE_ORDNER]  (QUELLORDNER enthält src/)" >&2
  exit 2
fi
wurzel=${1%/}
qt=${2:-}
if [ -z "$qt" ]; then
  for d in /usr/include/*/qt6 /usr/include/qt6; do
    if [ -d "$d/QtWidgets" ]; then qt=$d; break; fi
  done
fi

# Class headers such as <QWidget> carry no module name; the module folders
# of the installed Qt tell which ones belong to the GUI. The short list
# covers a machine without Qt headers.
declare -A GUI_KLASSE=()
for k in QWidget QApplication QGuiApplication QMainWindow QDialog QPainter QImage QPixmap QIcon QColor QFont; do
  GUI_KLASSE[$k]=Qt-GUI
done
if [ -n "$qt" ]; then
  for modul in $GUI_MODULE; do
    [ -d "$qt/$modul" ] || continue
    for pfad in "$qt/$modul"/Q*; do
      name=${pfad##*/}
      case $name in *.*) continue ;; esac
      GUI_KLASSE[$name]=$modul
    done
  done
fi

verstoesse=0
geprueft=0
melden() {
  echo "$1"
  verstoesse=$((verstoesse + 1))
}

for ordner in "$wurzel"/src/*/; do
  schicht=$(basename "$ordner")
  if [ -z "${RANG[$schicht]+x}" ]; then
    melden "src/$schicht: Ordner gehört zu keiner Schicht (Tabelle in $(basename "$0") ergänzen)"
    continue
  fi
  while IFS= read -r treffer; do
    [ -n "$treffer" ] || continue
    datei=${treffer%%:*}
    rest=${treffer#*:}
    zeile=${rest%%:*}
    text=${rest#*:}
    ort="src/${datei#"$wurzel"/src/}:$zeile"
    [[ $text =~ include[[:space:]]*([\"\<])([^\"\>]+)[\"\>] ]] || continue
    klammer=${BASH_REMATCH[1]}
    ziel=${BASH_REMATCH[2]}
    geprueft=$((geprueft + 1))
    if [ "$klammer" = '"' ]; then
      ziel=${ziel#./}
      while [[ $ziel == ../* ]]; do ziel=${ziel#../}; done
      andere=${ziel%%/*}
      [ "$andere" != "$ziel" ] || continue # a file of the same folder
      [ -n "${RANG[$andere]+x}" ] || continue
      [ "$andere" != "$schicht" ] || continue
      if [ "${RANG[$andere]}" -gt "${RANG[$schicht]}" ]; then
        melden "$ort: $schicht darf die höhere Schicht $andere nicht einbinden (\"$ziel\")"
      elif [ "${RANG[$andere]}" -eq "${RANG[$schicht]}" ]; then
        melden "$ort: $schicht darf die gleichrangige Schicht $andere nicht einbinden (\"$ziel\")"
      elif [[ " ${AUSSER[$schicht]:-} " == *" $andere "* ]]; then
        melden "$ort: $schicht darf $andere nicht direkt einbinden (\"$ziel\")"
      elif [[ $datei == *.h || $datei == *.hpp ]] && [[ " ${AUSSER_KOPF[$schicht]:-} " == *" $andere "* ]]; then
        melden "$ort: ein Header von $schicht darf $andere nicht einbinden (\"$ziel\"), nur eine .cpp-Datei: was ein Header einbindet, sehen auch die Schichten darüber"
      fi
    else
      modul=""
      kopf=${ziel%%/*}
      if [[ " $GUI_MODULE " == *" $kopf "* ]]; then
        modul=$kopf
      elif [ -n "${GUI_KLASSE[$ziel]+x}" ]; then
        modul=${GUI_KLASSE[$ziel]}
      fi
      if [ -n "$modul" ] && [[ " $GUI_SCHICHTEN " != *" $schicht "* ]]; then
        melden "$ort: $schicht darf $modul nicht einbinden (<$ziel>), das dürfen nur: $GUI_SCHICHTEN"
      fi
    fi
  done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' --include='*.cxx' \
             '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$ordner" | LC_ALL=C sort -t: -k1,1 -k2,2n || true)
done

if [ "$verstoesse" -gt 0 ]; then
  echo "Schichten: $verstoesse Verstöße"
  exit 1
fi
echo "Schichten: in Ordnung ($geprueft Einbindungen geprüft)"
