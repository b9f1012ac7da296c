#!/usr/bin/env bash
# Picture-article pages (客厅招财布局 1, 除夕家居风水摆设与新年运 2, 6种类型的住宅学会驱邪避凶 3),
# an omen window (眼跳测吉凶) and the gender chart window: docs/screenshots/picture-article.png,
# picture-13-2.png, picture-14-3.png, omen.png and chart.png, and the picture-article pages under the
# Traditional scripts, zh_TW-picture-13-2.png and zh_HK-picture-14-3.png, grabbed offscreen by the
# window tests from the windows' clients.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${BUILD:-build}"
cmake --build "$BUILD" --target picture_article_test omen_window_test chart_window_test knowledge_databases >/dev/null
mkdir -p docs/screenshots
export QT_QPA_PLATFORM=offscreen ORLENVO_SCREENSHOT_DIR="$PWD/docs/screenshots"
"$BUILD/bin/picture_article_test" screenshot >/dev/null
"$BUILD/bin/omen_window_test" screenshot >/dev/null
"$BUILD/bin/chart_window_test" screenshot >/dev/null
echo "wrote docs/screenshots/picture-article.png picture-13-2.png picture-14-3.png omen.png chart.png"
echo "  zh_TW-picture-13-2.png zh_HK-picture-14-3.png"
