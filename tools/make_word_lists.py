#!/usr/bin/env python3
"""Makes the large example word lists from the Finnish headwords of the
FreeDict Finnish-English dictionary (Debian package dict-freedict-fin-eng).

Rule: every headword of the dictionary index, lower-cased, kept when it is
letters only (a-z, å, ä, ö) and 2-79 letters long; duplicates dropped; sorted
by code point. sanat-kaikki.txt holds them all; sanat-N.txt takes N of them,
the word at position i * total // N for i = 0 .. N-1. UTF-8, one word a line.

Usage: tools/make_word_lists.py [INDEX_FILE] [OUTPUT_DIR]
"""
import re
import sys

INDEX = "/usr/share/dictd/freedict-fin-eng.index"
SIZES = (100, 1000, 3000, 10000)
WORD = re.compile(r"^[a-zåäö]{2,79}$")


def headwords(index_path):
    words = set()
    with open(index_path, encoding="utf-8") as index:
        for line in index:
            word = line.split("\t", 1)[0].lower()
            if WORD.match(word):
                words.add(word)
    return sorted(words)


def write(path, words):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        for word in words:
            out.write(word + "\n")


def main():
    index_path = sys.argv[1] if len(sys.argv) > 1 else INDEX
    out_dir = sys.argv[2] if len(sys.argv) > 2 else "examples"
    words = headwords(index_path)
    write(f"{out_dir}/sanat-kaikki.txt", words)
    for size in SIZES:
        write(f"{out_dir}/sanat-{size}.txt", [words[i * len(words) // size] for i in range(size)])
    print(f"{len(words)} words")


if __name__ == "__main__":
    main()
