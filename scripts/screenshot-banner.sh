#!/usr/bin/env bash
# The main window with a banner page over its strip, the About, customer-service and exit-prompt
# windows: docs/screenshots/main-banner.png, about.png, service.png and exit.png, grabbed by the
# window tests (offscreen). The banner page, an HTML page in the web engine, comes from the test's
# own server on 127.0.0.1; the engine test runs as an unprivileged user when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target banner_engine_test service_test exit_test >/dev/null
export QT_QPA_PLATFORM=offscreen
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
chmod 777 "$shots"
ORLENVO_SCREENSHOT_DIR="$shots" sh tests/banner/unprivileged.sh "$BUILD/bin/banner_engine_test" mainWindowShowsTheBannerPage >/dev/null 2>&1
cp "$shots/main-banner.png" docs/screenshots/main-banner.png
export ORLENVO_SCREENSHOT_DIR="$PWD/docs/screenshots"
"$BUILD/bin/service_test" aboutWindow customerServiceWindow >/dev/null
"$BUILD/bin/exit_test" promptLayout >/dev/null
echo "wrote docs/screenshots/main-banner.png docs/screenshots/about.png docs/screenshots/service.png docs/screenshots/exit.png"
