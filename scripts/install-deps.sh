#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Ombrix need.
# Idempotent and non-interactive: packages already present are skipped.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-image-formats-plugins qt6-svg-dev libpoppler-qt6-dev  # fitting any picture or PDF page
  qt6-l10n-tools           # lrelease (the English translation at build time), lupdate (make ts)
  qt6-translations-l10n    # the toolkit's own texts (dialogs, buttons) in the interface's language
  libsqlite3-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev
  libjpeg-turbo-progs      # djpeg: the reference the bitmap tests compare with
  fonts-dejavu-core fonts-wine
  xvfb xauth x11-utils     # the editor under a virtual display
  xdotool python3 imagemagick  # finding, grabbing and closing its window in the Xvfb test
  clang-14 libclang-rt-14-dev  # the libFuzzer targets (make fuzz)
  clang-format-14 git          # the style check (make format-check)
  poppler-utils                # pdftotext and pdfinfo: the PDF document tests read it back
  sqlite3 faketime             # a day of snapshots played back (bench/snapshots.sh)
  desktop-file-utils appstream shared-mime-info libxml2-utils  # make validate
)
# make deb: the package's tools, only when asked for
if [ "${1:-}" = "--deb" ]; then
  packages+=(dpkg-dev lintian)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
