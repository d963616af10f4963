"""Times the playable page in headless chromium: how long a page of a large
grid takes to load, and how long the page takes to handle one drag.

The puzzles come from the real programs: a 57 x 57 grid from the dialogue
(320 words of sanat-1000) and a 102 x 102 grid from the batch run on
sanat-1000 (all 1,000 words); haravoija-peli makes their pages and
haravoija-ratkaisu --json gives the words' places.

Load: from the start of navigation to the end of the load event (the
page's script runs before it), and to the grid laid out (its layout
forced right after the load event, so an upper bound), the median of
several loads, each in a fresh browser.
Drag: pointer events dispatched in the page (down at a word's first
letter, MOVES moves along it, up at its last) and a layout forced after
them, timed in the page: the script's work and the style and layout it
causes, without the paint. Marking drags find a word (the outline, the
list, the counter and the save); wrong drags are the same lines shifted by
a cell, which spell nothing.

Usage: play_bench.py BUILD_DIR [--runs N]. Prints a table.
"""

import json
import pathlib
import statistics
import subprocess
import sys
import tempfile

SOURCE = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(SOURCE / "tests" / "browser"))
import driver  # noqa: E402
import program  # noqa: E402

MOVES = 12
DRAGS = 40

# Drags each line [r1, c1, r2, c2] (from 1) and returns the milliseconds of each.
DRAG = """(lines => {
  const grid = document.getElementById('ruudukko');
  const box = grid.getBoundingClientRect();
  const rows = +grid.dataset.rows, columns = +grid.dataset.columns;
  const at = (r, c) => ({clientX: box.left + (c - 0.5) * box.width / columns,
                         clientY: box.top + (r - 0.5) * box.height / rows});
  const send = (type, point) => grid.dispatchEvent(new PointerEvent(type, {
    ...point, pointerId: 7, pointerType: 'mouse', isPrimary: true, button: 0, buttons: 1,
    bubbles: true, cancelable: true}));
  return lines.map(([r1, c1, r2, c2]) => {
    const start = performance.now();
    send('pointerdown', at(r1, c1));
    for (let i = 1; i <= %d; i++) {
      send('pointermove', at(r1 + (r2 - r1) * i / %d, c1 + (c2 - c1) * i / %d));
    }
    send('pointerup', at(r2, c2));
    document.getElementById('merkit').getBoundingClientRect();
    document.body.offsetHeight;
    return performance.now() - start;
  });
})""" % (MOVES, MOVES, MOVES)


def run(args, folder):
    return subprocess.run([str(a) for a in args], cwd=folder, env=program.ENV, check=True,
                          capture_output=True, timeout=program.SECONDS).stdout


def pages(build, work):
    """(name, play page, key) for the two grids."""
    words = SOURCE / "examples" / "sanat-1000.txt"
    for side in ("57", "102"):
        (work / side).mkdir()
        (work / side / words.name).write_bytes(words.read_bytes())
    run([build / "haravoija", words.name], work / "102")
    made = [("57 x 57", program.dialogue(build / "haravoija", work / "57", "sanat 57",
                                         ["+sanat-1000.txt 320"], ("2", "57", "57"))[0]),
            ("102 x 102", work / "102" / "out.html")]
    for name, page in made:
        key = json.loads(run([build / "haravoija-ratkaisu", "--json", page.name], page.parent))
        run([build / "haravoija-peli", page.name], page.parent)
        yield name, page.with_name(page.stem + "-peli.html"), key


def spread(values):
    """Median (lowest-highest)."""
    return "%.1f (%.1f-%.1f)" % (statistics.median(values), min(values), max(values))


def main():
    if len(sys.argv) not in (2, 4) or (len(sys.argv) == 4 and sys.argv[2] != "--runs"):
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    runs = int(sys.argv[3]) if len(sys.argv) == 4 else 5
    print("| grid | words | page | load ms | laid out ms | marking drag ms | wrong drag ms |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    with tempfile.TemporaryDirectory(prefix="haravoija-play-bench-") as work:
        for name, page, key in pages(build, pathlib.Path(work)):
            places = [w["occurrences"][0] for w in key["words"]][:DRAGS]
            lines = [[p["row"], p["column"], p["endRow"], p["endColumn"]] for p in places]
            shifted = [[r1, c1 % key["columns"] + 1, r2, c2 % key["columns"] + 1]
                       for r1, c1, r2, c2 in lines]
            loads, shown, marking, wrong = [], [], [], []
            for _ in range(runs):
                with driver.Chromium(1600, 1300) as browser:
                    browser.open(page)
                    loads.append(browser.evaluate(
                        "performance.getEntriesByType('navigation')[0].loadEventEnd"))
                    shown.append(browser.evaluate(
                        "document.getElementById('ruudukko').getBoundingClientRect(),"
                        " performance.now()"))
                    browser.evaluate("document.getElementById('alusta').click()")
                    wrong += browser.evaluate(DRAG + "(%s)" % json.dumps(shifted))
                    marking += browser.evaluate(DRAG + "(%s)" % json.dumps(lines))
                    found = int(browser.evaluate(
                        "document.getElementById('laskuri').textContent").split()[0])
            if found < len(lines) * 9 // 10:
                sys.exit("only %d of %d drags marked a word" % (found, len(lines)))
            print("| %s | %d | %.0f kB | %s | %s | %s | %s |" % (
                name, len(key["words"]), page.stat().st_size / 1000, spread(loads),
                spread(shown), spread(marking), spread(wrong)))


if __name__ == "__main__":
    main()
