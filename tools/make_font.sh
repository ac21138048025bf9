#!/usr/bin/env bash
# Builds content/font/ps_____r.ttf (family "PresentScript") and content/font/OFL.txt
# from the OFL-licensed handwritten face Bad Script, fetched from npm as Fontsource's
# per-subset web fonts and merged into one TrueType file.
#
# Why the rename: merging and re-encoding makes this a Modified Version under the
# SIL Open Font License. Bad Script declares no Reserved Font Name, so keeping the
# name would be allowed, but a modified face under the upstream face's name invites
# confusion; the book asks for "PresentScript" and ships exactly that.
#
# Bad Script was picked over Marck Script after rendering 8 lines of Russian verse at
# 14 pt on a cream page: its punctuation stays distinct and its letters read more like
# print, where Marck's commas and colons blur into dots at that size.
#
# Usage: tools/make_font.sh   (from anywhere; needs npm and Debian's python3-fonttools)
set -euo pipefail

PKG="@fontsource/bad-script"
VERSION="5.3.0"
# npm tarballs of a published version never change; checking the hash means a rerun
# builds from exactly the bytes the font was chosen from.
TARBALL_SHA256="3b51fb49d57c31345272b0d483be17ec99d67a3e6baf06d462b800fd6d9478cd"

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
out_dir="$root/content/font"

# Debian's fontTools lives in the system interpreter, not in whatever python3 is first
# on PATH (a pyenv one, say).
PYTHON="${PYTHON:-/usr/bin/python3}"
if ! "$PYTHON" -c 'import fontTools.merge, fontTools.subset' 2>/dev/null; then
    if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
        apt-get install -y python3-fonttools >/dev/null || {
            apt-get update >/dev/null && apt-get install -y python3-fonttools >/dev/null; }
    else
        echo "make_font: $PYTHON lacks fontTools; install python3-fonttools" >&2
        exit 1
    fi
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "$PKG@$VERSION" >/dev/null)
tgz="$(ls "$work"/*.tgz)"
echo "$TARBALL_SHA256  $tgz" | sha256sum --check --quiet - || {
    echo "make_font: $tgz does not match the expected hash" >&2
    exit 1
}
mkdir "$work/pkg"
tar -xzf "$tgz" -C "$work/pkg"

mkdir -p "$out_dir"
"$PYTHON" "$here/make_font.py" \
    --package-dir "$work/pkg/package" \
    --package-version "$VERSION" \
    --out-font "$out_dir/ps_____r.ttf" \
    --out-licence "$out_dir/OFL.txt"

if command -v fc-scan >/dev/null; then
    family="$(fc-scan --format '%{family}\n' "$out_dir/ps_____r.ttf")"
    if [ "$family" != "PresentScript" ]; then
        echo "make_font: fontconfig sees family '$family', expected PresentScript" >&2
        exit 1
    fi
fi

echo "make_font: wrote $out_dir/ps_____r.ttf ($(stat -c %s "$out_dir/ps_____r.ttf") bytes) and OFL.txt"
