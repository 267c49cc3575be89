#!/usr/bin/env bash
# The snapshots of a day of work on a 60-area project, and the disk space
# they take.
#
#   bench/snapshots.sh BUILD_DIR
#
# Builds, with the export benchmark's tool, a project of 60 areas (800 x 480
# photographic pictures, 80 labelled objects per area), then plays a working
# day under faketime: the editor opened (each start snapshots, "apertura del
# progetto"; it is then killed, so the next start also takes over a dead
# lock), objects moved and pictures replaced (by rename) from outside,
# exports run with "ombrix --export" (each snapshots first), some of them
# with nothing changed in between (no snapshot is made) and two in the same
# second. Prints the layout of "backup" and the space of its 20 snapshots:
# as made (a file with several links counted once: the space on the disk),
# what that adds to the project's own pictures, and as plain copies (the
# same folders copied without links), all measured with du.
set -euo pipefail

BUILD_DIR=${1:?usage: bench/snapshots.sh BUILD_DIR}
SRC_DIR=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
OMBRIX="$BUILD_DIR/bin/ombrix"
WORK="$BUILD_DIR/bench"
TOOL="$WORK/benchtool"
PRJ="$WORK/giornata"
DB="$PRJ/bench.omb"

[ -x "$OMBRIX" ] || { echo "no $OMBRIX: build first" >&2; exit 1; }
command -v faketime >/dev/null || { echo "faketime is needed" >&2; exit 1; }
command -v sqlite3 >/dev/null || { echo "sqlite3 is needed" >&2; exit 1; }
mkdir -p "$WORK"
if [ ! -x "$TOOL" ] || [ "$SRC_DIR/bench/benchtool.cpp" -nt "$TOOL" ]; then
  # shellcheck disable=SC2046
  g++ -std=c++20 -O2 -fPIC -I"$SRC_DIR" $(pkg-config --cflags Qt6Core) "$SRC_DIR/bench/benchtool.cpp" \
      -o "$TOOL" $(pkg-config --libs Qt6Core) -ljpeg -lsqlite3
fi
rm -rf "$PRJ"
"$TOOL" project "$PRJ" 60 800 480 80

at() { faketime "2026-12-10 $1" "${@:2}"; }
apri() { at "$1" env QT_QPA_PLATFORM=offscreen timeout -s KILL 4 "$OMBRIX" "$DB" >/dev/null 2>&1 || true; }
esporta() { at "$1" "$OMBRIX" --export "$DB" >/dev/null; }
sposta() { sqlite3 "$DB" "UPDATE tbsensori SET CoordX = (CoordX + 7) % 440 WHERE _id % 97 = $1"; }
sfondo() { # a new picture for area $1, put in place by rename as the editor does
  cp "$PRJ/areas/img_$2.jpg" "$PRJ/areas/.nuova" && mv "$PRJ/areas/.nuova" "$PRJ/areas/img_$1.jpg"
}

apri 08:02:11
sposta 1; sposta 2
apri 08:40:05                   # changed from outside since the last one: a snapshot
apri 08:41:30                   # nothing changed: none
i=0
for h in 09 10 11 12 14 15 16 17; do
  for m in 05 35; do
    i=$((i + 1))
    sposta "$i"
    if [ $((i % 3)) -eq 0 ]; then sfondo "$i" $((i + 20)); fi
    if [ $((i % 2)) -eq 0 ]; then esporta "$h:$m:00"; else apri "$h:$m:00"; fi
  done
done
esporta 17:50:00                # nothing changed since the last one: none
sposta 40; esporta 17:55:00
sposta 41; esporta 17:55:00     # the same second: "-2"
sposta 42; apri 18:10:00

echo "backup after the day (the most recent first):"
SNAPS=$(ls -r "$PRJ/backup" | grep -E '^[0-9]{8}-[0-9]{6}(-[0-9]+)?$')
for d in $SNAPS; do
  printf '  %s  %-50s %s\n' "$d" "$(head -n1 "$PRJ/backup/$d/motivo.txt")" \
    "$(ls "$PRJ/backup/$d" | tr '\n' ' ')"
done
echo "snapshots kept: $(echo "$SNAPS" | wc -l)"
echo "one snapshot: $(ls "$PRJ/backup/$(echo "$SNAPS" | head -n1)/areas" | wc -l) pictures"
if [ -d "$PRJ/backup/immagini" ]; then
  echo "stored pictures (backup/immagini): $(ls "$PRJ/backup/immagini" | wc -l), $(du -sk "$PRJ/backup/immagini" | cut -f1) KiB"
fi
echo "the project's own pictures: $(du -sk "$PRJ/areas" | cut -f1) KiB, its database: $(du -sk "$DB" | cut -f1) KiB"
# du counts a file with several links once, also across its arguments
echo "backup on the disk:     $(du -sk "$PRJ/backup" | cut -f1) KiB"
echo "backup beyond the project's own pictures: $(du -sk "$PRJ/areas" "$PRJ/backup" | tail -n1 | cut -f1) KiB"
rm -rf "$WORK/backup-copie"
cp -r "$PRJ/backup" "$WORK/backup-copie"   # without -a: every picture its own file
rm -rf "$WORK/backup-copie/immagini"
echo "backup with copies:     $(du -sk "$WORK/backup-copie" | cut -f1) KiB"
rm -rf "$WORK/backup-copie"
