#!/usr/bin/env python3
"""The dump tools under --lang zh_TW and zh_HK: the same days and numbers as under zh_CN, every
label in Traditional: no character of content/l10n/simplified-only.txt (derived from OpenCC's
data by tools/gen_traditional), and no label left as it stands where the catalogue converts it.

    dump_scripts.py SOURCE_DIR TOOL...
"""

import re
import subprocess
import sys

CJK = re.compile(r"[\u3400-\u9fff]")


def run(tool, *args):
    return subprocess.run([tool, *args], capture_output=True, check=True, text=True).stdout.splitlines()


def main():
    source, tools = sys.argv[1], sys.argv[2:]
    with open(f"{source}/content/l10n/simplified-only.txt", encoding="utf-8") as f:
        simplified_only = {line.strip() for line in f if line.strip()}
    problems = []
    for tool in tools:
        simplified = run(tool)
        if subprocess.run([tool, "--lang", "zh_XX"], capture_output=True).returncode != 2:
            problems.append(f"{tool}: an unknown --lang is not refused")
        for lang in ("zh_CN", "zh_TW", "zh_HK"):
            lines = run(tool, "--lang", lang)
            if len(lines) != len(simplified):
                problems.append(f"{tool} --lang {lang}: {len(lines)} lines, not {len(simplified)}")
                continue
            changed = 0
            for plain, line in zip(simplified, lines):
                if lang == "zh_CN":
                    if line != plain:
                        problems.append(f"{tool} --lang zh_CN differs: {line}")
                        break
                    continue
                # Only the labels change: every field keeps its place, and its non-CJK text.
                if [CJK.sub("", f) for f in plain.split("\t")] != [CJK.sub("", f) for f in line.split("\t")]:
                    problems.append(f"{tool} --lang {lang}: {line} does not match {plain}")
                    break
                left = sorted({c for c in line if c in simplified_only})
                if left:
                    problems.append(f"{tool} --lang {lang}: Simplified-only {''.join(left)} in {line}")
                    break
                changed += line != plain
            if lang != "zh_CN" and changed == 0:
                problems.append(f"{tool} --lang {lang}: no label converted")
    for p in problems:
        print(p, file=sys.stderr)
    print(f"{len(tools)} tools, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
