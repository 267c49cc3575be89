#!/usr/bin/env bash
# Writes the small seed corpus of the fuzz targets into fuzz/corpus/ (kept in
# the repository; run again only to renew it). Needs ImageMagick, python3 and
# a built ombrix (OMBRIX, build/bin/ombrix by default) for the exported maps.
set -euo pipefail
OMBRIX=$(realpath "${OMBRIX:-$(dirname "$0")/../build/bin/ombrix}")
cd "$(dirname "$0")/corpus"
mkdir -p maplines rows jpegbmp mapsreader

# line builders: width, eleven 64-bit numbers, then three texts
python3 - <<'PY'
import struct
def seed(name, width, nums, texts):
    b = bytes(texts_enc(texts)) + b"".join(struct.pack("<q", n) for n in reversed(nums)) + bytes([width])
    open(name, "wb").write(b)
def texts_enc(texts):
    out = b""
    for t in texts:
        out += t.encode("utf-8").replace(b"\\", b"\\\\") + b"\\x"
    return out
seed("maplines/record", 3, [12, 4, 32, 216, 136, 0, 0, 242, 128, 3, 2], ["Srad", "Piano terra", "Ingresso"])
seed("maplines/wide", 9, [2**63 - 1, -5, 48, -1, 2**31 + 5, 150, 0, 1, 1, 0, 7], ["Tinf", "è ś Ő", "Porta|,x"])
open("rows/empty", "wb").write(b"")
open("rows/areas", "wb").write(bytes(range(0, 256, 3)))
open("rows/mixed", "wb").write(b"\x01\x05Cucina\x02\x03\x04\x00\x09" * 6)
PY

convert -size 16x8 gradient:red-blue -quality 60 jpegbmp/rgb.jpg
convert -size 8x8 gradient: -colorspace Gray -quality 60 jpegbmp/grey.jpg
convert -size 8x8 gradient:cyan-yellow -colorspace CMYK -quality 60 jpegbmp/cmyk.jpg
convert -size 24x16 plasma:fractal -interlace JPEG -quality 50 jpegbmp/progressive.jpg

# maps.txt reader: real exports of a small project, and one of no area
PRJ=$(mktemp -d)
mkdir -p "$PRJ/areas" "$PRJ/out"
python3 - "$PRJ/casa.omb" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executescript("""
CREATE TABLE tbarea (_id INTEGER PRIMARY KEY NOT NULL, livello INTEGER DEFAULT 0, father_id INTEGER DEFAULT 0,
  NomeArea VARCHAR(20) NOT NULL, Ordinamento INTEGER NOT NULL DEFAULT 0);
CREATE TABLE tbsensori (_id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, area_id INTEGER NOT NULL, area_zoom INTEGER,
  NumSensore INTEGER, IconSize INTEGER NOT NULL, TipoSensore INTEGER NOT NULL, ZonaSensore INTEGER NOT NULL DEFAULT 1,
  CoordX INTEGER NOT NULL DEFAULT 0, CoordY INTEGER NOT NULL DEFAULT 0, CoordX2 INTEGER NOT NULL DEFAULT 0,
  CoordY2 INTEGER NOT NULL DEFAULT 0, CoordXt INTEGER NOT NULL DEFAULT 0, CoordYt INTEGER NOT NULL DEFAULT 0,
  FontTxt INTEGER NOT NULL DEFAULT 0, ColorTxt INTEGER NOT NULL DEFAULT 0, Testo VARCHAR(23),
  Orientamento INTEGER NOT NULL);
INSERT INTO tbarea VALUES (1, 0, 0, 'Piano terra', 0), (2, 0, 0, 'Primo piano, è', 1), (3, 1, 1, 'Cucina', 0);
INSERT INTO tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, CoordX, CoordY, CoordX2, CoordY2,
  CoordXt, CoordYt, FontTxt, ColorTxt, Testo, Orientamento) VALUES
  (1, 3, 0, 32, 3, 100, 50, 0, 0, 0, 0, 0, 0, '', 0),
  (1, 0, 4, 32, 1, 200, 120, 0, 0, 242, 128, 3, 2, 'Ingresso', 0),
  (1, 0, 5, 16, 4, 60, 200, 150, 204, 0, 0, 0, 0, '', 0),
  (2, 0, 12, 48, 6, 300, 150, 0, 0, 350, 160, 9, 16, 'Ventitre caratteri qui!', 0),
  (3, 0, 3, 32, 10, 40, 100, 0, 0, 80, 110, 1, 6, 'Orto', 0);
""")
db.commit()
PY
for i in 1 2 3; do convert -size 48x27 xc:gray "$PRJ/areas/img_$i.jpg"; done
"$OMBRIX" --export "$PRJ/casa.omb" >/dev/null
cp "$PRJ/out/maps.txt" mapsreader/tre-aree
python3 - "$PRJ/casa.omb" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executescript("DELETE FROM tbsensori; DELETE FROM tbarea;")
db.commit()
PY
"$OMBRIX" --export "$PRJ/casa.omb" >/dev/null
cp "$PRJ/out/maps.txt" mapsreader/nessuna-area
rm -rf "$PRJ"
