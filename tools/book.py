#!/usr/bin/env python3
"""Tools for working on the verse in content/ without building the program.

  book.py text [FIRST [LAST]]   print poems FIRST..LAST with their entries and pages
  book.py check                 the shape rules tst_book enforces, plus rhyme-word reuse and
                                counts of "И"-openings and comparison words (information only)
  book.py budget                characters per poem, for keeping the book's length fixed
  book.py keeps REV FIRST LAST  whether poems FIRST..LAST keep, against git revision REV, their
                                total length and each page's blank-line and final-break status,
                                so that several people can rewrite different poems at once

The page text the program shows is the file with each LF turned into CR LF,
so every length here counts a line break as two characters, as the program does.
"""
import collections
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent / "content"
# The program's own table of where each poem starts, so the two never disagree.
_TABLE = (ROOT.parent / "src" / "core" / "book" / "BookTables.cpp").read_text(encoding="utf-8")
FIRST_PAGES = [int(n) for n in re.findall(
    r"\d+", re.search(r"PoemFirstPage = \{(.*?)\};", _TABLE, re.S).group(1).replace("//", ""))]
PAGES = 166
TOTAL = 34465


def page(p):
    return (ROOT / "pages" / f"{p:03}.txt").read_text(encoding="utf-8").replace("\n", "\r\n")


def entries():
    return (ROOT / "contents.txt").read_text(encoding="utf-8").splitlines()


def poem_pages(e):
    first = FIRST_PAGES[e - 1]
    last = FIRST_PAGES[e] - 1 if e < len(FIRST_PAGES) else PAGES
    return range(first, last + 1)


def rhyme_words(text):
    words = []
    for line in text.replace("\r", "").split("\n"):
        found = [w for w in re.findall(r"[А-Яа-яЁё-]+", line) if w.strip("-")]
        if found:
            word = found[-1].lower().replace("ё", "е").strip("-")
            if word:
                words.append(word)
    return words


def cmd_text(args):
    first = int(args[0]) if args else 1
    last = int(args[1]) if len(args) > 1 else (first if args else len(FIRST_PAGES))
    names = entries()
    for e in range(first, last + 1):
        pages = poem_pages(e)
        print(f"=== {e}. {names[e - 1]}  (pages {pages[0]}-{pages[-1]})")
        for p in pages:
            print(f"--- page {p}")
            print(page(p).replace("\r\n", "\n").rstrip("\n"))
        print()


def cmd_budget(_):
    names = entries()
    for e in range(1, len(FIRST_PAGES) + 1):
        sizes = [len(page(p)) for p in poem_pages(e)]
        print(f"{e:3} {sum(sizes):5}  {sizes}  {names[e - 1]}")


def cmd_keeps(args):
    rev, first, last = args[0], int(args[1]), int(args[2])

    def old(p):
        return subprocess.run(["git", "-C", str(ROOT), "show", f"{rev}:content/pages/{p:03}.txt"],
                              check=True, capture_output=True).stdout.decode("utf-8").replace("\n", "\r\n")

    def flags(t):
        return ("\r\n\r\n" in t, t.endswith("\r\n"))

    pages = [p for e in range(first, last + 1) for p in poem_pages(e)]
    now = sum(len(page(p)) for p in pages)
    before = sum(len(old(p)) for p in pages)
    ok = now == before
    print(f"poems {first}-{last}, pages {pages[0]}-{pages[-1]}: {now} characters, {before} at {rev}"
          + ("" if ok else f" -> {'cut' if now > before else 'add'} {abs(now - before)}"))
    for p in pages:
        if flags(page(p)) != flags(old(p)):
            ok = False
            was, got = flags(old(p)), flags(page(p))
            print(f"page {p}: blank line {was[0]}->{got[0]}, ends in a break {was[1]}->{got[1]}")
    print("keeps its shape" if ok else "does not keep its shape")
    return 0 if ok else 1


AND_LINE = re.compile(r"^И(?![А-Яа-яЁё])")
LIKENESS = re.compile(r"(?<![\w-])(как|словно|будто|точно)(?![\w-])", re.I)


def report_style():
    """Print, for information only, the two habits the book must cut: verse lines opening
    with the word "И" and comparison words; each with the ten poems that have the most."""
    ands, likes, lines = collections.Counter(), collections.Counter(), 0
    for e in range(1, len(FIRST_PAGES) + 1):
        for line in "".join(page(p) + "\r\n" for p in poem_pages(e)).split("\r\n"):
            if line.strip():
                lines += 1
                ands[e] += bool(AND_LINE.match(line.lstrip(" .")))
                likes[e] += len(LIKENESS.findall(line))
    n = sum(ands.values())
    print(f"lines opening with \"И\": {n} of {lines}, {100 * n / lines:.1f} % (at most 10 %)")
    print("  most: " + ", ".join(f"{e}:{c}" for e, c in ands.most_common(10)))
    print(f"comparison words (как, словно, будто, точно): {sum(likes.values())} (at most 80)")
    print("  most: " + ", ".join(f"{e}:{c}" for e, c in likes.most_common(10)))


def cmd_check(_):
    faults = []
    total = blank = ending = 0
    for p in range(1, PAGES + 1):
        t = page(p)
        total += len(t)
        blank += "\r\n\r\n" in t
        ending += t.endswith("\r\n")
        if not 84 <= len(t) <= 326:
            faults.append(f"page {p}: {len(t)} characters (84-326)")
        if t.startswith("\r\n") or "\r\n\r\n\r\n" in t or t.endswith("\r\n\r\n"):
            faults.append(f"page {p}: blank line at an edge or doubled")
        body = t[:-2] if t.endswith("\r\n") else t
        lines = body.split("\r\n")
        if not 4 <= len(lines) <= 11:
            faults.append(f"page {p}: {len(lines)} lines (4-11)")
        for line in lines:
            if len(line) > 52:
                faults.append(f"page {p}: line of {len(line)}: {line}")
        for c in t:
            if not ("\u0400" <= c <= "\u04FF" or " " <= c <= "~" or c in "\r\n"):
                faults.append(f"page {p}: character U+{ord(c):04X}")
        # A Latin letter in Russian verse is a look-alike typed on the wrong keyboard.
        for latin in re.findall(r"\S*[A-Za-z]\S*", t):
            faults.append(f"page {p}: Latin letter in '{latin}'")
    names = entries()
    dotted = sum(n.endswith("...") for n in names)
    leading = sum(n.startswith("...") and not n.endswith("...") for n in names)
    for e, n in enumerate(names, 1):
        if not 3 <= len(n) <= 40:
            faults.append(f"entry {e}: {len(n)} characters")
        first = page(FIRST_PAGES[e - 1]).split("\r\n")[0]
        stem = n[:-3] if n.endswith("...") else n
        titled = n in (ROOT / "titles.txt").read_text(encoding="utf-8").splitlines()
        if not titled and not first.startswith(stem):
            faults.append(f"entry {e}: '{n}' is not the start of its first line '{first}'")
    print(f"total {total} (want {TOTAL}), pages with a blank line {blank} (111), "
          f"ending in a break {ending} (34), entries with '...' {dotted} (42), leading dots {leading} (1)")
    counts = collections.Counter()
    for e in range(1, len(FIRST_PAGES) + 1):
        text = "".join(page(p) + "\n" for p in poem_pages(e))
        for w in set(rhyme_words(text)):
            counts[w] += 1
    over = sorted((w, c) for w, c in counts.items() if c > 3)
    if over:
        print("line-final words in more than three poems: " + ", ".join(f"{w} {c}" for w, c in over))
    report_style()
    for f in faults:
        print(f)
    ok = not faults and total == TOTAL and blank == 111 and ending == 34 and dotted == 42 and leading == 1
    print("shape holds" if ok else "shape broken")
    return 0 if ok else 1


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else "check"
    handler = {"text": cmd_text, "check": cmd_check, "budget": cmd_budget, "keeps": cmd_keeps}.get(command)
    if not handler:
        sys.exit(__doc__)
    sys.exit(handler(sys.argv[2:]) or 0)
