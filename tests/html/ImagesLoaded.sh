#!/usr/bin/env bash
# Opens a gallery page in headless Chromium and succeeds when every image on it loaded and there
# is one image for each thumbnail written beside it.
# Usage: ImagesLoaded.sh BROWSER PAGE SCRATCH-FOLDER
set -u
browser=$1
page=$2
scratch=$3
folder=$(dirname "$page")

# A copy of the page, beside it, with a script that records how many images loaded.
check="$folder/check.htm"
sed 's#</BODY>#<script>window.addEventListener("load", function () { var all = document.images, ok = 0; for (var i = 0; i < all.length; ++i) if (all[i].complete \&\& all[i].naturalWidth > 0) ++ok; document.body.setAttribute("data-loaded", ok + "/" + all.length); });</script></BODY>#' \
  "$page" >"$check"

dom=$(timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$scratch/profile" --virtual-time-budget=5000 --dump-dom "file://$check" 2>/dev/null)
loaded=$(printf '%s' "$dom" | grep -o 'data-loaded="[0-9]*/[0-9]*"' | head -n 1 | sed 's/data-loaded="\(.*\)"/\1/')
expected=$(ls "$folder" | grep -c '^Thumb')
echo "images loaded: ${loaded:-none} (thumbnails written: $expected)"
[ -n "$loaded" ] && [ "$loaded" = "$expected/$expected" ]
