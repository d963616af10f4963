"""Makes the README's picture doc/peli.png: the playable page of
examples/elaimet-ristikko.html with every other word found by dragging
along it, as headless chromium shows it.

Usage: play_picture.py BUILD_DIR
"""

import json
import pathlib
import shutil
import sys
import tempfile

SOURCE = pathlib.Path(__file__).resolve().parents[1]
# The browser checks' driver, program runs and solver.
sys.path.insert(0, str(SOURCE / "tests" / "browser"))
import driver  # noqa: E402
import play_check  # noqa: E402
import program  # noqa: E402


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    with tempfile.TemporaryDirectory(prefix="haravoija-picture-") as work:
        page = pathlib.Path(work) / "elaimet-ristikko.html"
        shutil.copyfile(SOURCE / "examples" / page.name, page)
        key = json.loads(program.run([build / "haravoija-ratkaisu", "--json", page.name], work))
        program.run([build / "haravoija-peli", page.name], work)
        with driver.Chromium(960, 660) as browser:
            solver = play_check.Solver(browser, page.with_name(page.stem + "-peli.html"), key)
            solver.open()
            for word in key["words"][::2]:
                at = word["occurrences"][0]
                solver.drag((at["row"], at["column"]), (at["endRow"], at["endColumn"]))
            (SOURCE / "doc" / "peli.png").write_bytes(browser.screenshot())


if __name__ == "__main__":
    main()
