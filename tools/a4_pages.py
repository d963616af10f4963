"""How large a square grid prints on one A4 page (default margins, no header
or footer), with 15 words of six letters (one full column) and with 33
(three columns): the program makes the puzzles in its dialogue, headless
chromium prints them. Usage: a4_pages.py BUILD_DIR. The figures go into the
README; not part of CI.
"""

import pathlib
import sys
import tempfile

# The browser checks' driver and program runs.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "browser"))
import driver  # noqa: E402
import program  # noqa: E402


def pages(browser, binary, folder, side, count):
    page, _, console = program.dialogue(
        binary, folder / ("%d-%d" % (side, count)), "sanaristikko %dx%d" % (side, side),
        ["sana" + chr(97 + i % 26) + chr(97 + i // 26) for i in range(count)],
        ["2", str(side), str(side)])
    if b"ristikossa %d sanaa)" % count not in console:
        raise RuntimeError("not every word in %d x %d" % (side, side))
    browser.open(page)
    return len(driver.pdf_pages(browser.pdf()))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    binary = pathlib.Path(sys.argv[1]).resolve() / "haravoija"
    with tempfile.TemporaryDirectory(prefix="haravoija-a4-") as work, driver.Chromium() as browser:
        for columns, count in ((1, 15), (3, 33)):
            low, high = 11, 41  # a binary search of 12 x 12 to 40 x 40
            while high - low > 1:
                side = (low + high) // 2
                n = pages(browser, binary, pathlib.Path(work), side, count)
                print("  %2d x %-2d %d-column list: %d page(s)" % (side, side, columns, n))
                low, high = (side, high) if n == 1 else (low, side)
            print("%d-column word list: up to %d x %d fits on one A4 page" % (columns, low, low))


if __name__ == "__main__":
    main()
