#!/bin/sh
# Makes the README's picture doc/esimerkki.png (the page that the batch run
# on examples/elaimet.txt writes, as headless chromium shows it), the saved
# puzzle examples/elaimet-ristikko.html (made in the dialogue from the same
# words) and the picture doc/ratkaisu.png (page 2 of the answer key that
# haravoija-ratkaisu makes of that puzzle). The clock is fixed with
# faketime, so the same program makes the same files.
# Usage: tests/browser/readme_files.sh [BINARY]   (haravoija-ratkaisu beside it)
set -eu
cd "$(dirname "$0")/../.."
binary=$(realpath "${1:-build/release/haravoija}")
clock='2026-12-06 12:00:00'
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/examples"
cp examples/elaimet.txt "$work/examples/"

(cd "$work" && LC_ALL=C faketime "$clock" "$binary" examples/elaimet.txt >/dev/null)
timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --hide-scrollbars --window-size=480,930 \
  --screenshot="$PWD/doc/esimerkki.png" "file://$work/out.html" 2>/dev/null

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
timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --hide-scrollbars --window-size=700,960 \
  --screenshot="$PWD/doc/ratkaisu.png" "file://$work/sivu2.html" 2>/dev/null
ls -l doc/esimerkki.png examples/elaimet-ristikko.html doc/ratkaisu.png
