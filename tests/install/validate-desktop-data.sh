#!/usr/bin/env bash
# Runs the freedesktop validators on the desktop entry and the AppStream data:
#   validate-desktop-data.sh <packaging folder>
set -euo pipefail
dir=$1
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
  echo "validate-desktop-data: desktop-file-validate or appstreamcli missing"
  exit 77
fi
desktop-file-validate "$dir"/*.desktop
# --no-net: the screenshot and home page addresses are not fetched.
appstreamcli validate --no-net --pedantic "$dir"/*.metainfo.xml
