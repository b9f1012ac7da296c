#!/usr/bin/env bash
# The mobile-number window after a reading and the article window of 孝经:
# docs/screenshots/mobile.png and article.png (and zh_TW-article.png, zh_HK-article.png in
# Traditional), grabbed offscreen by the window tests from the windows' clients.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target sjcs_window_test article_window_test knowledge_databases >/dev/null
mkdir -p docs/screenshots
export QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$PWD/docs/screenshots"
"$BUILD/bin/sjcs_window_test" screenshot >/dev/null
"$BUILD/bin/article_window_test" screenshot >/dev/null
echo "wrote docs/screenshots/mobile.png docs/screenshots/article.png zh_TW-article.png zh_HK-article.png"
