"""How large a square grid prints on one A4 page: prints documents of growing
size to PDF with headless chromium and counts the pages.

The documents come from the program's page writer (samples.py): square
grids of 4 x 4 to 40 x 40 with a full one-column word list (15 words) and
with a three-column list (33 words). Each is printed on A4 with chromium's
default margins and no header or footer; the page size is set on a copy of
the document, which itself names none.

Usage: a4_pages.py BUILD_DIR. Needs chromium and pdfinfo (poppler-utils).
Not part of CI: the figure goes into the README.
"""

import pathlib
import re
import subprocess
import sys
import tempfile

import run_check
import samples

SMALLEST, LARGEST = 4, 40


def pages(document, work):
    copy = work / ("a4-" + document.name)
    copy.write_bytes(document.read_bytes().replace(
        b"<head>\r\n", b"<head>\r\n<style>@page { size: A4 }</style>\r\n", 1))
    pdf = work / (document.stem + ".pdf")
    with tempfile.TemporaryDirectory(prefix="haravoija-chromium-") as profile:
        subprocess.run(run_check.chromium_command(profile) +
                       ["--no-pdf-header-footer", "--print-to-pdf=" + str(pdf), copy.as_uri()],
                       capture_output=True, timeout=run_check.CHROMIUM_SECONDS, check=True)
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    if "(A4)" not in info:
        raise RuntimeError("%s is not on A4 paper:\n%s" % (pdf, info))
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def largest_on_one_page(columns, folder, work):
    """Binary search: the page count grows with the grid."""
    low, high = SMALLEST - 1, LARGEST + 1
    while high - low > 1:
        n = (low + high) // 2
        count = pages(folder / ("koko-%d-%d.html" % (n, columns)), work)
        print("  %2d x %-2d %s-column list: %d page(s)" % (n, n, columns, count))
        if count == 1:
            low = n
        else:
            high = n
    return low


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory(prefix="haravoija-a4-") as temp:
        work = pathlib.Path(temp)
        folder = work / "sizes"
        samples.write_sizes(pathlib.Path(sys.argv[1]).resolve(), folder)
        for columns in (1, 3):
            n = largest_on_one_page(columns, folder, work)
            print("%d-column word list: up to %d x %d fits on one A4 page" % (columns, n, n))


if __name__ == "__main__":
    main()
