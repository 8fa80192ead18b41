#!/usr/bin/env bash
# Renders a gallery made through the windows (the wizard's thumbnail job, "Do HTML!", location,
# options, editor) in headless Chromium and checks that every thumbnail image loaded. Exits 77
# (skipped) when Chromium is not installed.
set -euo pipefail
tests=$1
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIPPED: Chromium is not installed" >&2
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen PIXMARO_KEEP_GALLERY="$work/gallery" \
  "$tests" --gtest_filter=GalleryWindowsInTheProgram.ThumbnailWizardThenDoHtmlToTheEditor >/dev/null

# A copy of the page, beside it, with a script that records how many images loaded.
page="$work/gallery/photos/thumbs/MyWeb.htm"
check="$work/gallery/photos/thumbs/check.htm"
sed 's#</BODY>#<script>window.addEventListener("load", function () { var all = document.images, ok = 0; for (var i = 0; i < all.length; ++i) if (all[i].complete \&\& all[i].naturalWidth > 0) ++ok; document.body.setAttribute("data-loaded", ok + "/" + all.length); });</script></BODY>#' \
  "$page" >"$check"

dom=$(timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --virtual-time-budget=5000 --dump-dom "file://$check" 2>/dev/null)
loaded=$(printf '%s' "$dom" | grep -o 'data-loaded="[0-9]*/[0-9]*"' | head -n 1 | sed 's/data-loaded="\(.*\)"/\1/')
expected=$(ls "$work/gallery/photos/thumbs" | grep -c '^Thumb')
echo "images loaded: ${loaded:-none} (thumbnails written: $expected)"
[ -n "$loaded" ] && [ "$loaded" = "$expected/$expected" ]
