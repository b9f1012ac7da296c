"""Writes the picture-article sources: <num>/<page>.svg and <num>/<page>.txt.

The pages are authored here (pages_a.py, pages_b.py, pages_c.py, drawn with draw.py and
scenes.py); the written SVG and text files are the sources the build renders and stores.
Run from this folder after editing a page:  python3 make_pages.py
"""

import importlib
import os
import shutil
import sys

sys.dont_write_bytecode = True

from draw import page

HERE = os.path.dirname(os.path.abspath(__file__))
MIN_TEXT, MAX_TEXT = 80, 250


def main():
    articles = {}
    for name in ("pages_a", "pages_b", "pages_c"):
        try:
            module = importlib.import_module(name)
        except ModuleNotFoundError:
            continue
        articles.update(module.ARTICLES)
    problems = []
    for number, pages in sorted(articles.items()):
        if not 3 <= len(pages) <= 8:
            problems.append(f"article {number}: {len(pages)} pages")
        folder = os.path.join(HERE, str(number))
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for index, (body, caption, text) in enumerate(pages, start=1):
            if not MIN_TEXT <= len(text) <= MAX_TEXT:
                problems.append(f"article {number} page {index}: {len(text)} characters")
            with open(os.path.join(folder, f"{index}.svg"), "w", encoding="utf-8") as f:
                f.write(page(body, caption))
            with open(os.path.join(folder, f"{index}.txt"), "w", encoding="utf-8") as f:
                f.write(text + "\n")
    total = sum(len(p) for p in articles.values())
    print(f"{len(articles)} articles, {total} pages")
    for p in problems:
        print("problem:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
