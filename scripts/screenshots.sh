#!/usr/bin/env bash
# Regenerates the README's screenshots (docs/area.png, docs/verifica.png) under Xvfb:
# builds a small demo project, starts the editor on it, and grabs its window, first
# with the area shown, then with the "Verifica" dock opened from the "Progetto" menu.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (build/ by default, already built)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-$root/build}/bin/ombrix"
out="$root/docs"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$work/demo/areas" "$work/demo/out" "$work/home"

# the project: one floor with a contact, a lamp, a barrier and a zoom marker to its kitchen;
# two detectors share input 3, which the check reports
python3 - "$root/workspace/project.h" "$work/demo/demo.omb" <<'PY'
import re, sqlite3, sys
src = open(sys.argv[1]).read()
db = sqlite3.connect(sys.argv[2])
for name in ("sArea", "sSensori"):
    blk = src[src.index("inline const QString %s =" % name):]
    db.execute("".join(re.findall(r'"((?:[^"\\]|\\.)*)"', blk[:blk.index(");\n") + 3])))
db.executemany("insert into tbarea values (?,?,?,?,?)", [(1, 0, 0, "Piano terra", 0), (2, 1, 1, "Cucina", 0)])
cols = "area_id,area_zoom,NumSensore,IconSize,TipoSensore,CoordX,CoordY,CoordX2,CoordY2,CoordXt,CoordYt,FontTxt,ColorTxt,Testo,Orientamento"
rows = [(1, None, 7, 32, 2, 60, 120, 0, 0, 52, 156, 1, 10, "Porta", 0),
        (1, None, 3, 32, 1, 400, 60, 0, 0, 392, 96, 1, 10, "Salotto", 0),
        (1, None, 3, 32, 1, 300, 200, 0, 0, 0, 0, 0, 0, None, 0),
        (1, None, 2, 32, 6, 220, 60, 0, 0, 216, 96, 1, 10, "Luce", 0),
        (1, None, 5, 32, 4, 120, 220, 250, 240, 0, 0, 0, 0, None, 0),
        (1, 2, 0, 32, 3, 180, 150, 0, 0, 170, 186, 1, 4, "Cucina", 0)]
db.executemany("insert into tbsensori (%s) values (%s)" % (cols, ",".join("?" * 15)), rows)
db.commit()
PY
for id in 1 2; do
  convert -size 480x272 xc:'#f6f1e7' -stroke '#6b6b6b' -strokewidth 6 -fill none \
    -draw 'rectangle 20 44 460 262' -draw 'line 240 44 240 150' -draw 'line 20 150 160 150' \
    -draw 'line 300 150 460 150' "$work/demo/areas/img_$id.jpg" 2>/dev/null ||
    convert -size 480x272 'xc:#f6f1e7' "$work/demo/areas/img_$id.jpg"
done

xvfb-run -a -s '-screen 0 1280x900x24' env HOME="$work/home" bash -c '
  "$0" "$1/demo/demo.omb" & pid=$!
  for i in $(seq 50); do win=$(xdotool search --name "Ombrix KP5800" 2>/dev/null | head -1) && [ -n "$win" ] && break; sleep 0.2; done
  sleep 1.5
  import -window "$win" "$2/area.png"
  # there is no window manager to give the window the focus: the menu is opened with a click
  xdotool mousemove --window "$win" 30 8 click 1; sleep 0.7; xdotool key v; sleep 1.5
  import -window "$win" "$2/verifica.png"
  kill "$pid"; wait "$pid" 2>/dev/null || true
' "$bin" "$work" "$out"
echo "written: $out/area.png $out/verifica.png"
