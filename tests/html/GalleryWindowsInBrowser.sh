#!/usr/bin/env bash
# Renders a gallery made through the windows (the wizard's thumbnail job, "Do HTML!", location,
# options, editor) in headless Chromium and checks that every thumbnail image loaded. Exits 77
# (skipped) when Chromium is not installed.
set -euo pipefail
tests=$1
source "$(dirname "$0")/FindBrowser.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen PIXMARO_KEEP_GALLERY="$work/gallery" \
  "$tests" --gtest_filter=GalleryWindowsInTheProgram.ThumbnailWizardThenDoHtmlToTheEditor >/dev/null

"$(dirname "$0")/ImagesLoaded.sh" "$browser" "$work/gallery/photos/thumbs/MyWeb.htm" "$work"
