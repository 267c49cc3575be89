#!/usr/bin/env bash
# Export benchmark: a large project (60 areas with 800 x 480 photographic
# backgrounds, 80 labelled objects per area), timed against djpeg run over
# the same pictures one after another; then the peak memory of exporting one
# 8000 x 6000 picture.
#
#   bench/run.sh BUILD_DIR [RUNS]
#
# Prints the median times, their ratio (target: at most 0.2), the same for
# the best rounds (the figure least disturbed by other work on the machine),
# the ratio against the same djpeg work written as a plain sh loop, and the
# export's peak memory (target: under 150 MiB). The headline ratio uses the
# stricter loop: each djpeg is started straight from the timing tool.
# Last, the scaling case: projects of 1,000 and 10,000 areas with small
# pictures and two objects each, and the export time per area of each size
# (target: the time per area at 10,000 at most 1.5 times that at 1,000).
# Then the export with its snapshot: the same 60-area export after a change
# (one object moved, one picture replaced), with nothing changed, and with
# no snapshot, against the one-core decode floor (bench/decodefloor.cpp: the
# export's own decoding of the 60 pictures in one thread) and the djpeg
# loop, in alternating rounds (targets: with its snapshot at most 1.1 x the
# export with none and at most 1.2 x the floor). Then opening the 4,400-area
# project again, unchanged, with its snapshot check (bench/reopen.cpp;
# target: under 0.3 s of CPU).
# Then the area show: the time from selecting an area of 300 labelled objects
# to the painted window, at 100 % and at 400 %, and from a change of zoom to
# the painted window (bench/areashow.cpp; targets: under 30 ms each), and the
# paste of 5,000 objects and its undo, headless and in the window
# (bench/incolla.cpp; target: the headless paste and undo under 2 s each).
# Then the refresh of the docks "Verifica" and "Ingressi/Uscite" after one
# drag, both open, on the 60-area project and on the 1,000-area one
# (bench/checkrefresh.cpp; targets: under 16 ms and under 30 ms), beside one
# full check and cross-reference of the same project, which is what each
# edit cost when the docks checked the whole project again.
# Then fitting a background with ombrix --fit: a 6000 x 4000 JPEG photo and
# an A1 PDF plan (targets: under 0.3 s and 200 MiB each).
# Last, the import: the 60-area export rebuilt as a new project with ombrix
# --import (targets: under 1 s and 150 MiB), then exported again and compared
# with the export it came from (maps.txt byte for byte, the bitmaps by their
# largest mean absolute error of one channel, at most 1.5).
set -euo pipefail

BUILD_DIR=${1:?usage: bench/run.sh BUILD_DIR [RUNS]}
RUNS=${2:-15}
SRC_DIR=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
OMBRIX="$BUILD_DIR/bin/ombrix"
WORK="$BUILD_DIR/bench"
TOOL="$WORK/benchtool"

[ -x "$OMBRIX" ] || { echo "no $OMBRIX: build first" >&2; exit 1; }
command -v djpeg >/dev/null || { echo "djpeg is needed (libjpeg-turbo-progs)" >&2; exit 1; }
mkdir -p "$WORK"

if [ ! -x "$TOOL" ] || [ "$SRC_DIR/bench/benchtool.cpp" -nt "$TOOL" ] || [ "$SRC_DIR/workspace/project.h" -nt "$TOOL" ]; then
  # shellcheck disable=SC2046
  g++ -std=c++20 -O2 -fPIC -I"$SRC_DIR" $(pkg-config --cflags Qt6Gui) "$SRC_DIR/bench/benchtool.cpp" \
      -o "$TOOL" $(pkg-config --libs Qt6Gui) -ljpeg -lsqlite3
  rm -rf "$WORK/large" "$WORK/huge" "$WORK/scale1000" "$WORK/scale10000"
fi

if [ ! -f "$WORK/large/bench.omb" ]; then
  echo "building the large project in $WORK/large ..."
  "$TOOL" project "$WORK/large" 60 800 480 80
fi
if [ ! -f "$WORK/huge/bench.omb" ]; then
  echo "building the one-picture 8000 x 6000 project in $WORK/huge ..."
  "$TOOL" project "$WORK/huge" 1 8000 6000 80
fi

mkdir -p "$WORK/djpeg-out"
echo "pictures: $(ls "$WORK/large/areas" | wc -l), $(du -sh "$WORK/large/areas" | cut -f1); objects: $((60 * 80)) labelled"
# one untimed round each, so both start from a warm page cache
"$OMBRIX" --export "$WORK/large/bench.omb" >/dev/null
"$TOOL" djpeg 1 "$WORK/large/areas" "$WORK/djpeg-out" >/dev/null

# export and djpeg loop alternate, so that both meet the same machine
read -r T_EXPORT M_EXPORT T_DJPEG RATIO B_EXPORT B_DJPEG T_SHELL < <("$TOOL" compare "$RUNS" "$WORK/large/areas" "$WORK/djpeg-out" -- \
  "$OMBRIX" --export "$WORK/large/bench.omb")
read -r T_HUGE M_HUGE _ < <("$TOOL" time 1 -- "$OMBRIX" --export "$WORK/huge/bench.omb")

awk -v te="$T_EXPORT" -v td="$T_DJPEG" -v r="$RATIO" -v be="$B_EXPORT" -v bd="$B_DJPEG" -v ts="$T_SHELL" -v me="$M_EXPORT" -v th="$T_HUGE" -v mh="$M_HUGE" \
    -v runs="$RUNS" -v cores="$(nproc)" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
  printf "cores: %d, load average: %s, median of %d alternating rounds\n", cores, load, runs
  printf "ombrix --export (60 areas):      %8.1f ms   peak %6.1f MiB\n", te, me / 1024
  printf "djpeg -bmp loop (60 pictures):   %8.1f ms\n", td
  printf "ratio export / djpeg:            %8.3f   (target <= 0.2; median of per-round ratios %.3f)\n", te / td, r
  printf "best rounds: export %.1f ms, djpeg %.1f ms, ratio %.3f (the machine at its quietest)\n", be, bd, be / bd
  printf "same djpeg work as a plain sh loop: %.1f ms, ratio %.3f\n", ts, te / ts
  printf "ombrix --export (8000 x 6000):   %8.1f ms   peak %6.1f MiB (target < 150)\n", th, mh / 1024
}'

# The programs built from the project's own libraries, as the area show below
LIBS=()
for lib in editor import preview fit check document export backup model workspace; do
  [ -f "$BUILD_DIR/$lib/libombrix_$lib.a" ] && LIBS+=("$BUILD_DIR/$lib/libombrix_$lib.a")
done
# bench/NAME.cpp built as $WORK/NAME when missing or older than its source or the libraries
build_bench() {
  if [ ! -x "$WORK/$1" ] || [ "$SRC_DIR/bench/$1.cpp" -nt "$WORK/$1" ] || [ "${LIBS[0]}" -nt "$WORK/$1" ]; then
    # shellcheck disable=SC2046
    g++ -std=c++20 -O2 -fPIC -I"$SRC_DIR" $(pkg-config --cflags Qt6Widgets Qt6Test) "$SRC_DIR/bench/$1.cpp" \
        -o "$WORK/$1" "${LIBS[@]}" $(pkg-config --libs Qt6Widgets Qt6Test Qt6Concurrent poppler-qt6) -lsqlite3 -ljpeg -lz
  fi
}

# Export with its snapshot. Three copies of the large project: one changed
# before each of its rounds, one left as it is (its snapshot made before the
# rounds), and one whose "backup" is a plain file, so that no snapshot can be
# made there (the attempt fails at its first look at "backup").
build_bench decodefloor
for K in changed same none; do
  rm -rf "$WORK/snap-$K"
  mkdir -p "$WORK/snap-$K/out"
  cp -r "$WORK/large/areas" "$WORK/large/bench.omb" "$WORK/snap-$K/"
done
touch "$WORK/snap-none/backup"
mkdir -p "$WORK/floor-out"
for K in changed same none; do "$OMBRIX" --export "$WORK/snap-$K/bench.omb" >/dev/null 2>&1; done
"$WORK/decodefloor" "$WORK/large/areas" "$WORK/floor-out"
SNAP_TIMES="$WORK/snapshot-rounds.txt"
: > "$SNAP_TIMES"
for ((i = 1; i <= RUNS; i++)); do
  "$TOOL" change "$WORK/snap-changed" "$i"
  LINE=""
  for K in changed same none floor; do
    if [ "$K" = floor ]; then
      set -- "$WORK/decodefloor" "$WORK/large/areas" "$WORK/floor-out"
    else
      set -- "$OMBRIX" --export "$WORK/snap-$K/bench.omb"
    fi
    read -r W _ C < <("$TOOL" time 1 -- "$@")
    [ -n "$C" ] || exit 1
    LINE="$LINE $W $C"
  done
  read -r W _ < <("$TOOL" djpeg 1 "$WORK/large/areas" "$WORK/djpeg-out")
  [ -n "$W" ] || exit 1
  echo "$LINE $W" >> "$SNAP_TIMES"
done
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
col() { awk -v c="$1" '{ print $c }' "$SNAP_TIMES" | median; }
# per-round ratios: each round's figures met the same machine
ratio() { awk -v a="$1" -v b="$2" '{ print $a / $b }' "$SNAP_TIMES" | median; }
awk -v runs="$RUNS" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" \
    -v cw="$(col 1)" -v cc="$(col 2)" -v sw="$(col 3)" -v sc="$(col 4)" -v nw="$(col 5)" -v nc="$(col 6)" \
    -v fw="$(col 7)" -v fc="$(col 8)" -v dw="$(col 9)" \
    -v rcn="$(ratio 1 5)" -v rsn="$(ratio 3 5)" -v rcf="$(ratio 1 7)" -v rsf="$(ratio 3 7)" \
    -v rcd="$(ratio 1 9)" -v rsd="$(ratio 3 9)" -v rnf="$(ratio 5 7)" 'BEGIN {
  printf "export with its snapshot (60 areas), median of %d alternating rounds, load %s: wall ms (CPU ms)\n", runs, load
  printf "  after a change:              %7.1f (%6.1f)   x%.2f of no snapshot, x%.2f of the floor, x%.3f of djpeg\n", cw, cc, rcn, rcf, rcd
  printf "  nothing changed:             %7.1f (%6.1f)   x%.2f of no snapshot, x%.2f of the floor, x%.3f of djpeg\n", sw, sc, rsn, rsf, rsd
  printf "  no snapshot:                 %7.1f (%6.1f)   x%.2f of the floor\n", nw, nc, rnf
  printf "  one-core decode floor:       %7.1f (%6.1f)\n", fw, fc
  printf "  djpeg loop (60 pictures):    %7.1f\n", dw
  printf "  (ratios: medians of the per-round ratios; targets: with its snapshot <= 1.1 x no snapshot, <= 1.2 x the floor)\n"
}'

# Opening the 4,400-area project again, unchanged, with its snapshot check
if [ ! -f "$WORK/scale4400/bench.omb" ]; then
  echo "building the 4,400-area project in $WORK/scale4400 ..."
  "$TOOL" project "$WORK/scale4400" 4400 32 18 2
fi
build_bench reopen
read -r C_REOPEN W_REOPEN C_FIRST < <("$WORK/reopen" "$WORK/scale4400/bench.omb" 9)
awk -v c="$C_REOPEN" -v w="$W_REOPEN" -v f="$C_FIRST" 'BEGIN {
  printf "opening the 4,400-area project again, unchanged: %.1f ms CPU, %.1f ms wall (target < 300 ms CPU; this run'"'"'s first opening %.1f ms CPU)\n", c, w, f
}'

# scaling: the time per area must not grow with the number of areas
for N in 1000 10000; do
  if [ ! -f "$WORK/scale$N/bench.omb" ]; then
    echo "building the $N-area project in $WORK/scale$N ..."
    "$TOOL" project "$WORK/scale$N" "$N" 32 18 2
  fi
done
"$OMBRIX" --export "$WORK/scale1000/bench.omb" >/dev/null
read -r T_1K _ _ < <("$TOOL" time 5 -- "$OMBRIX" --export "$WORK/scale1000/bench.omb")
read -r T_10K _ _ < <("$TOOL" time 3 -- "$OMBRIX" --export "$WORK/scale10000/bench.omb")
awk -v t1="$T_1K" -v t2="$T_10K" 'BEGIN {
  p1 = t1 / 1000; p2 = t2 / 10000
  printf "ombrix --export (1,000 areas):   %8.1f ms   %.3f ms per area\n", t1, p1
  printf "ombrix --export (10,000 areas):  %8.1f ms   %.3f ms per area\n", t2, p2
  printf "per-area time 10,000 / 1,000:    %8.2f   (target <= 1.5)\n", p2 / p1
}'

# Area show: the real window offscreen, in process; the time from selecting
# a busy area's node to the painted window, at 100 % and 400 %, and of a zoom change.
AREASHOW="$WORK/areashow"
build_bench areashow
"$AREASHOW" "$BUILD_DIR" "$WORK" 2>/dev/null

# Pasting 5,000 objects and undoing the paste: the document, then the window.
INCOLLA="$WORK/incolla"
build_bench incolla
"$INCOLLA" "$BUILD_DIR" "$WORK" 2>/dev/null

# The docks' refresh after one drag: the real window offscreen, in process
CHECKREFRESH="$WORK/checkrefresh"
build_bench checkrefresh
"$CHECKREFRESH" "$BUILD_DIR" "$WORK" 15 "60 areas" 16 "$WORK/large" "1,000 areas" 30 "$WORK/scale1000" 2>/dev/null

# Fitting a background: the whole command, start to end, as an installer runs it
[ -f "$WORK/foto6000.jpg" ] || "$TOOL" picture "$WORK/foto6000.jpg" 6000 4000
[ -f "$WORK/pianta-a1.pdf" ] || "$TOOL" plan "$WORK/pianta-a1.pdf"
"$OMBRIX" --fit "$WORK/foto6000.jpg" --out "$WORK/fit-foto.jpg"
read -r T_FOTO M_FOTO _ < <("$TOOL" time 7 -- "$OMBRIX" --fit "$WORK/foto6000.jpg" --out "$WORK/fit-foto.jpg")
read -r T_FOTOF M_FOTOF _ < <("$TOOL" time 7 -- "$OMBRIX" --fit "$WORK/foto6000.jpg" --out "$WORK/fit-foto.jpg" --mode fill)
read -r T_PDF M_PDF _ < <("$TOOL" time 7 -- "$OMBRIX" --fit "$WORK/pianta-a1.pdf" --out "$WORK/fit-pianta.jpg")
read -r T_PDFF M_PDFF _ < <("$TOOL" time 7 -- "$OMBRIX" --fit "$WORK/pianta-a1.pdf" --out "$WORK/fit-pianta.jpg" --mode fill)
awk -v t1="$T_FOTO" -v m1="$M_FOTO" -v t2="$T_FOTOF" -v m2="$M_FOTOF" -v t3="$T_PDF" -v m3="$M_PDF" \
    -v t4="$T_PDFF" -v m4="$M_PDFF" 'BEGIN {
  printf "ombrix --fit 6000 x 4000 JPEG:       %6.1f ms   peak %6.1f MiB (targets < 300 ms, < 200 MiB)\n", t1, m1 / 1024
  printf "ombrix --fit 6000 x 4000 JPEG, fill: %6.1f ms   peak %6.1f MiB\n", t2, m2 / 1024
  printf "ombrix --fit A1 PDF plan:            %6.1f ms   peak %6.1f MiB (targets < 300 ms, < 200 MiB)\n", t3, m3 / 1024
  printf "ombrix --fit A1 PDF plan, fill:      %6.1f ms   peak %6.1f MiB\n", t4, m4 / 1024
}'

# Import: what the panel holds of the 60-area project, rebuilt as a new project
"$OMBRIX" --export "$WORK/large/bench.omb" >/dev/null
read -r T_IMPORT M_IMPORT C_IMPORT < <("$TOOL" fresh "$RUNS" "$WORK/import" -- \
  "$OMBRIX" --import "$WORK/large/out" --out "$WORK/import/bench.omb")
"$OMBRIX" --export "$WORK/import/bench.omb" >/dev/null
if cmp -s "$WORK/large/out/maps.txt" "$WORK/import/out/maps.txt"; then MAPS="byte for byte equal"; else MAPS="DIFFERENT"; fi
read -r N_BMP MAE_BMP F_BMP < <("$TOOL" bmpdiff "$WORK/large/out" "$WORK/import/out")
awk -v t="$T_IMPORT" -v m="$M_IMPORT" -v c="$C_IMPORT" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" -v maps="$MAPS" -v n="$N_BMP" -v e="$MAE_BMP" -v f="$F_BMP" 'BEGIN {
  printf "ombrix --import (60 areas):      %8.1f ms   peak %6.1f MiB (targets < 1000 ms, < 150 MiB)\n", t, m / 1024
  printf "  processor time %.1f ms (user and system), load average %s\n", c, load
  printf "exported again: maps.txt %s; %d bitmaps, largest mean error %.3f per channel (%s; target <= 1.5)\n", maps, n, e, f
}'
