#!/usr/bin/env bash
# Installs the Debian packages lexovita needs to build, test and run.
# Safe to call repeatedly: packages already present are not touched.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n
  libsqlcipher-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libxml2-utils
  python3 clang-format clang-tidy
  clang libclang-rt-14-dev
  poppler-utils
  desktop-file-utils appstream file
  zlib1g-dev
  collatinus dict-freedict-lat-deu
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installiere fehlende Pakete: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
