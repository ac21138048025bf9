"""Merges Fontsource's per-subset Bad Script files into one renamed TrueType font.

Called by tools/make_font.sh, which fetches the package; see there for the why.
"""

import argparse
import io
import os
import sys

from fontTools.merge import Merger
from fontTools.subset import Options, Subsetter
from fontTools.ttLib import TTFont

FAMILY = "PresentScript"
STYLE = "Regular"
POSTSCRIPT = "PresentScript-Regular"
ORIGINAL = "Bad Script"
SLUG = "bad-script"

# Cyrillic goes first: where subsets overlap (U+0301, the combining acute used for
# stress marks in verse) the first font's glyph wins the cmap, and only that copy is
# tied to the mark-positioning anchors of Cyrillic vowels. Cyrillic-ext brings the
# pre-reform letters (Ѣ ѣ Ѳ ѳ Ѵ ѵ) that older editions of poems use.
SUBSETS = ("cyrillic", "latin", "cyrillic-ext")

REQUIRED = (
    list(range(0x20, 0x7F))
    + list(range(0x410, 0x450))
    + [0x401, 0x451]
)

OFL_DESCRIPTION = (
    "This Font Software is licensed under the SIL Open Font License, Version 1.1. "
    "This license is available with a FAQ at: https://openfontlicense.org"
)


def load_as_sfnt(path):
    # Merger wants plain sfnt; .woff only needs zlib, unlike .woff2 (brotli).
    font = TTFont(path, recalcTimestamp=False)
    font.flavor = None
    buf = io.BytesIO()
    font.save(buf)
    buf.seek(0)
    return buf


def merge(package_dir):
    files = [
        os.path.join(package_dir, "files", f"{SLUG}-{s}-400-normal.woff") for s in SUBSETS
    ]
    merged = Merger().merge([load_as_sfnt(f) for f in files])
    # Source dates, not today's, so reruns are byte-identical.
    source_head = TTFont(files[0])["head"]
    merged["head"].created = source_head.created
    merged["head"].modified = source_head.modified
    merged.recalcTimestamp = False
    buf = io.BytesIO()
    merged.save(buf)
    buf.seek(0)
    font = TTFont(buf, recalcTimestamp=False)

    # The merge keeps every subset's copy of shared glyphs (space.1, acutecomb.1, ...);
    # re-subsetting to the merged cmap drops the copies nothing can reach.
    opts = Options()
    opts.layout_features = ["*"]
    opts.name_IDs = ["*"]
    opts.name_languages = ["*"]
    opts.name_legacy = True
    opts.glyph_names = True
    opts.notdef_outline = True
    opts.recalc_bounds = True
    subsetter = Subsetter(opts)
    subsetter.populate(unicodes=font.getBestCmap().keys())
    subsetter.subset(font)
    return font


def rename(font, package_version):
    name = font["name"]
    version = name.getDebugName(5) or ""
    copyright_ = name.getDebugName(0)
    if not copyright_:
        sys.exit("make_font: source font has no copyright entry")

    # Anything still carrying the upstream name would let that name resurface
    # in font menus, so every naming record is rebuilt, not patched.
    keep = {0: copyright_, 5: version, 14: name.getDebugName(14) or "https://openfontlicense.org"}
    keep[13] = name.getDebugName(13) or OFL_DESCRIPTION
    name.names = []
    records = {
        0: keep[0],
        1: FAMILY,
        2: STYLE,
        3: f"{version.split(';')[0].replace('Version ', '')};NONE;{POSTSCRIPT}",
        4: FAMILY,
        5: keep[5],
        6: POSTSCRIPT,
        10: (
            f"Renamed from {ORIGINAL} (via @fontsource/{SLUG} {package_version}); "
            "subsets merged into one TrueType file."
        ),
        13: keep[13],
        14: keep[14],
        16: FAMILY,
        17: STYLE,
    }
    for name_id, text in records.items():
        # Windows/Unicode entries are what Qt, fontconfig and DirectWrite read.
        name.setName(text, name_id, 3, 1, 0x409)

    font["post"].formatType = 2.0
    os2 = font["OS/2"]
    # Windows picks scripts by code page: Latin 1 (bit 0) and Cyrillic 1251 (bit 2).
    os2.ulCodePageRange1 |= (1 << 0) | (1 << 2)


def verify(path):
    font = TTFont(path)
    if font.sfntVersion != "\x00\x01\x00\x00" or "glyf" not in font:
        sys.exit("make_font: result is not a TrueType-outline font")
    cmap = font.getBestCmap()
    missing = [f"U+{c:04X}" for c in REQUIRED if c not in cmap]
    if missing:
        sys.exit("make_font: cmap lacks " + " ".join(missing))
    glyf = font["glyf"]
    # A code point mapped to an empty glyph would render as a blank, not fall back.
    blank = [
        f"U+{c:04X}"
        for c in REQUIRED
        if c != 0x20 and glyf[cmap[c]].numberOfContours == 0
    ]
    if blank:
        sys.exit("make_font: blank glyphs for " + " ".join(blank))
    if font["name"].getDebugName(1) != FAMILY:
        sys.exit("make_font: family name not set")
    return len(cmap), len(font.getGlyphOrder())


def write_licence(package_dir, package_version, font_version, path):
    with open(os.path.join(package_dir, "LICENSE"), encoding="utf-8") as f:
        text = f.read()
    # The upstream file opens with its copyright line(s), then the OFL text; the
    # note goes between so the upstream copyright stays first, as the licence asks.
    head, sep, rest = text.partition("This Font Software is licensed")
    if not sep:
        sys.exit("make_font: unexpected LICENSE layout")
    note = (
        f'PresentScript is a Modified Version of "{ORIGINAL}" ({font_version}, taken\n'
        f"from the npm package @fontsource/{SLUG} {package_version}). It was renamed\n"
        f'from its original name "{ORIGINAL}" to "PresentScript", the family name the\n'
        "book asks for, so that it can never be mistaken for the original, and its\n"
        "latin, cyrillic and cyrillic-ext subsets were merged into one TrueType file.\n\n"
    )
    with open(path, "w", encoding="utf-8") as f:
        f.write(head.rstrip("\n") + "\n\n" + note + sep + rest)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--package-dir", required=True)
    ap.add_argument("--package-version", required=True)
    ap.add_argument("--out-font", required=True)
    ap.add_argument("--out-licence", required=True)
    args = ap.parse_args()

    font = merge(args.package_dir)
    font_version = font["name"].getDebugName(5) or "unknown version"
    rename(font, args.package_version)
    tmp = args.out_font + ".tmp"
    font.save(tmp)
    count, glyphs = verify(tmp)
    os.replace(tmp, args.out_font)
    write_licence(args.package_dir, args.package_version, font_version.split(";")[0], args.out_licence)
    print(f"make_font: {count} code points, {glyphs} glyphs; required set covered")


if __name__ == "__main__":
    main()
