#!/usr/bin/env python3
"""The built knowledge databases of each Traditional script against the Simplified ones: the same
tables, keys and pictures' places; every shown text converted (no character of
content/l10n/simplified-only.txt, derived from OpenCC's data); the almanac terms and the quoting
云 as the reviewed overrides write them; the picture-article pictures drawn anew with Traditional text.

    traditional_databases.py SOURCE_DIR BIN_DIR
"""

import os
import sqlite3
import sys

# Table, key columns, shown text columns.
TABLES = [
    ("dream.dll", "shouji", ["num"], ["title", "jx", "content"]),
    ("QorvBirth.dll", "Noter", ["Cid"], ["Tite", "content"]),
    ("QorvFile.dll", "tuwen", ["num", "page"], ["text"]),
    ("QorvFile.dll", "huangdao", ["gn"], ["nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"]),
]


def rows(path, table, keys, texts):
    with sqlite3.connect(f"file:{path}?mode=ro", uri=True) as db:
        return {tuple(r[:len(keys)]): r[len(keys):]
                for r in db.execute(f"select {', '.join(keys + texts)} from {table} order by {', '.join(keys)}")}


def main():
    source, bin_dir = sys.argv[1], sys.argv[2]
    with open(os.path.join(source, "content", "l10n", "simplified-only.txt"), encoding="utf-8") as f:
        simplified_only = {line.strip() for line in f if line.strip()}
    problems = []
    for script in ("zh_TW", "zh_HK"):
        for file, table, keys, texts in TABLES:
            plain = rows(os.path.join(bin_dir, file), table, keys, texts)
            converted = rows(os.path.join(bin_dir, script, file), table, keys, texts)
            where = f"{script}/{file} {table}"
            if plain.keys() != converted.keys():
                problems.append(f"{where}: other keys than the Simplified file")
                continue
            changed = 0
            for key, values in converted.items():
                for column, value in zip(texts, values):
                    left = sorted({c for c in value if c in simplified_only})
                    if left:
                        problems.append(f"{where} {key} {column}: Simplified-only {''.join(left)}")
                changed += values != plain[key]
            if changed < len(converted) // 2:
                problems.append(f"{where}: only {changed} of {len(converted)} rows converted")
            if table == "shouji" and {v[1] for v in converted.values()} - {"吉", "凶", "吉帶凶", "凶帶吉"}:
                problems.append(f"{where}: a luck class other than 吉, 凶, 吉帶凶, 凶帶吉")
            if table == "Noter":
                # The reviewed overrides: 云 "to say" in quotations (《詩》云：), not 雲 (cloud).
                for key, values in converted.items():
                    if any(wrong in v for v in values for wrong in ("》雲：", "詩雲", "夫雲")):
                        problems.append(f"{where} {key}: 雲 for 云 (to say)")
            if table == "huangdao":
                # The reviewed overrides: 沖 the day's clash (not 衝), 占 the foetus spirit's place (not 佔).
                for key, values in converted.items():
                    tszf, cong = values[2], values[4]
                    if not cong.startswith("沖") or "佔" in tszf:
                        problems.append(f"{where} {key}: {tszf} / {cong}")
                        break
        with sqlite3.connect(f"file:{os.path.join(bin_dir, 'QorvFile.dll')}?mode=ro", uri=True) as a, \
                sqlite3.connect(f"file:{os.path.join(bin_dir, script, 'QorvFile.dll')}?mode=ro", uri=True) as b:
            q = "select num, page, picture from tuwen order by num, page"
            pictures = list(zip(a.execute(q), b.execute(q)))
            redrawn = sum(1 for p, t in pictures if p[2] != t[2] and t[2][:3] == b"\xff\xd8\xff")
            if redrawn < len(pictures) // 2:
                problems.append(f"{script}: only {redrawn} of {len(pictures)} pictures drawn in Traditional")
    for p in problems[:40]:
        print(p, file=sys.stderr)
    print(f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
