#!/usr/bin/env bash
# Refreshes translations/ombrix_en.ts from the sources (make ts): new texts come in as
# unfinished entries for Qt Linguist, texts no longer in the sources go away, the
# translations already made stay. With --check, works on a copy and fails listing every
# source text that has no finished English translation (the ctest tst_translation).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
ts="$root/translations/ombrix_en.ts"
sources=(main.cpp editor check export document model workspace preview fit backup import tools)

if [ "${1:-}" != "--check" ]; then
  cd "$root" && "$lupdate" -silent -no-obsolete -locations none -I "$root" -source-language it -target-language en \
    "${sources[@]}" -ts "$ts"
  echo "$(grep -c 'type="unfinished"' "$ts" || true) unfinished entries in $ts"
  exit 0
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cp "$ts" "$tmp/ombrix_en.ts"
cd "$root" && "$lupdate" -silent -no-obsolete -locations none -I "$root" -source-language it -target-language en \
  "${sources[@]}" -ts "$tmp/ombrix_en.ts" >/dev/null 2>&1
# an entry whose translation is unfinished or empty, with its source text
python3 - "$tmp/ombrix_en.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
bad = []
for ctx in ET.parse(sys.argv[1]).getroot().iter("context"):
    for m in ctx.iter("message"):
        t = m.find("translation")
        if t is None or t.get("type") in ("unfinished", "vanished", "obsolete") or not (t.text or "").strip():
            bad.append("%s: %s" % (ctx.findtext("name"), m.findtext("source")))
for b in bad:
    print("not translated:", b)
print("%d source texts without an English translation" % len(bad))
sys.exit(1 if bad else 0)
PY
