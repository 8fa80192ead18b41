#!/usr/bin/env bash
# Sourced by the browser tests: sets `browser` to the Chromium program, or exits 77 (skipped)
# when it is not installed.
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIPPED: Chromium is not installed" >&2
  exit 77
fi
