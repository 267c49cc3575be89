#!/usr/bin/env bash
# Writes the small seed corpus of the fuzz targets into fuzz/corpus/ (kept in
# the repository; run again only to renew it). Needs ImageMagick and python3.
set -euo pipefail
cd "$(dirname "$0")/corpus"
mkdir -p maplines rows jpegbmp

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
