#!/bin/sh
# Makes the README's files: doc/esimerkki.png (the batch run's page of
# examples/elaimet.txt in headless chromium), examples/elaimet-ristikko.html
# (the same words in the dialogue), doc/ratkaisu.png (page 2 of its answer
# key) and doc/peli.png (its playable page half solved). The clock is fixed
# with faketime, so a program makes the same files.
# Usage: tools/readme_files.sh [BINARY]   (the other two commands beside it)
set -eu
cd "$(dirname "$0")/.."
binary=$(realpath "${1:-build/release/haravoija}")
clock='2026-12-06 12:00:00'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/examples"
cp examples/elaimet.txt "$work/examples/"

(cd "$work" && LC_ALL=C faketime "$clock" "$binary" examples/elaimet.txt >/dev/null)
/usr/bin/python3 tests/browser/driver.py "$work/out.html" doc/esimerkki.png 480 930

# Title Eläimet (ä as the console byte 0x84), the words of elaimet.txt, a
# normal puzzle of the smallest size with random letters, saved as
# Elaimet-ristikko.html.
(cd "$work/examples" && printf 'El\204imet\n+elaimet.txt\nL\n1\n1\n1\n1\nelaimet-ristikko\n5\n' |
  LC_ALL=C faketime "$clock" "$binary" >/dev/null)
cp "$work/examples/Elaimet-ristikko.html" examples/elaimet-ristikko.html

# Page 2 of the key alone: a copy of the key page without page 1.
cp examples/elaimet-ristikko.html "$work/"
(cd "$work" && LC_ALL=C "$(dirname "$binary")/haravoija-ratkaisu" elaimet-ristikko.html >/dev/null)
sed 's|</head>|<style>#tehtava { display: none; }</style></head>|' \
  "$work/elaimet-ristikko-ratkaisu.html" >"$work/sivu2.html"
/usr/bin/python3 tests/browser/driver.py "$work/sivu2.html" doc/ratkaisu.png 700 960
/usr/bin/python3 tools/play_picture.py "$(dirname "$binary")"
ls -l doc/esimerkki.png examples/elaimet-ristikko.html doc/ratkaisu.png doc/peli.png
