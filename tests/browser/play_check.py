"""The playable page in headless chromium, played as a solver would.

The programs make the puzzles (a batch run titled with & < > quotes and
</script>, a children's puzzle from piped answers, a fixed size that leaves
words out, a hidden phrase, a 57 x 57 grid); `haravoija-ratkaisu --json`
gives each word's places. Words are marked by mouse both ways, touch and
keyboard; a tap, a wrong line and a word found again change nothing; a reload
keeps the progress, "Aloita alusta" clears it; at the end the letters of no
word, the time and the phrase check show; print hides outlines and buttons.

Usage: play_check.py BUILD_DIR [WORK_DIR]. Exits 1 on any failure.
"""

import json
import pathlib
import re
import shutil
import sys
import tempfile

import driver
import program
import run_check

NASTY = 'Tom & "Jerry\'s" <b></script>/elaimet.txt'
# The children's puzzle from answers piped in: title, words, difficulty 2,
# the smallest size, random letters, save under the title, quit.
CHILDREN = "lasten\n+koulu.txt\nL\n2\n1\n1\n1\n\n5\n"
# (title, word list, words imported, grid side, hidden phrase)
DIALOGUES = [("kiintea", "elaimet.txt", 30, 6, None),
             ("koulu 10", "koulu.txt", 8, 10, "Kiitos & näkemiin <3"),
             ("sanat 57", "sanat-1000.txt", 320, 57, None)]
STATE = ("[document.getElementById('laskuri').textContent,"
         " document.querySelectorAll('#merkit .sana').length,"
         " document.querySelectorAll('#sanat .loydetty').length]")
PRINTED = ("[...document.querySelectorAll('#merkit, button, #valmis, .tila')]"
           ".filter(e => getComputedStyle(e).display !== 'none').length"
           " + [...document.querySelectorAll('.loydetty')]"
           ".filter(e => getComputedStyle(e).textDecorationLine !== 'none').length")


def expect(what, got, wanted):
    if got != wanted:
        raise RuntimeError("%s: %r, expected %r" % (what, got, wanted))


def make_pages(binary, work):
    """(case, saved page) for each puzzle."""
    pages = [("normaali", program.batch(binary, work / "normaali",
                                        program.EXAMPLES / "elaimet.txt", NASTY)[0])]
    (work / "lasten").mkdir()
    shutil.copyfile(program.EXAMPLES / "koulu.txt", work / "lasten" / "koulu.txt")
    program.run([binary], work / "lasten", CHILDREN)
    pages.append(("lasten", work / "lasten" / "Lasten.html"))
    return pages + [(case[0], program.imported(binary, work / case[0], *case)[0])
                    for case in DIALOGUES]


class Solver:
    """One page in the browser, and the gestures that draw lines on it."""

    def __init__(self, browser, page, key):
        self.browser, self.page, self.key = browser, page, key
        self.rows, self.columns = key["rows"], key["columns"]

    def open(self, reload=False):
        self.browser.reload() if reload else self.browser.open(self.page)
        self.box = self.browser.evaluate(
            "(r => [r.left, r.top, r.width, r.height])"
            "(document.getElementById('ruudukko').getBoundingClientRect())")

    def point(self, cell, along=(0, 0), off=0.0):
        """Screen point of a cell's centre (row, column from 1), moved by
        `off` cells across the direction `along`."""
        left, top, width, height = self.box
        return (left + (cell[1] - 0.5 - off * along[0]) * width / self.columns,
                top + (cell[0] - 0.5 + off * along[1]) * height / self.rows)

    def expect_found(self, k, what):
        expect(what, self.browser.evaluate(STATE),
               ["%d / %d sanaa löydetty" % (k, len(self.key["words"])), k, k])

    def drag(self, start, end, touch=False):
        """From the centre of start to end, wandering off the line on the
        way and letting go a little past the end."""
        steps = max(abs(end[0] - start[0]), abs(end[1] - start[1])) or 1
        step = ((end[0] - start[0]) / steps, (end[1] - start[1]) / steps)
        path = [self.point(start)] + [
            self.point((start[0] + t * steps * step[0], start[1] + t * steps * step[1]), step, off)
            for t, off in ((0.3, -0.3), (0.6, 0.3), (0.9, -0.3), (1 + 0.2 / steps, 0.15))]
        self.browser.drag(path, touch=touch)

    def keys(self, start, end):
        """Cursor to start, Enter, cursor to end, space."""
        self.browser.evaluate("document.getElementById('ruudukko').focus()")
        for target, mark in ((start, "Enter"), (end, " ")):
            at = self.browser.evaluate(
                "(e => [+e.dataset.row, +e.dataset.column])(document.querySelector('.kursori'))")
            for axis, back, forth in ((0, "ArrowUp", "ArrowDown"), (1, "ArrowLeft", "ArrowRight")):
                move = target[axis] - at[axis]
                for _ in range(abs(move)):
                    self.browser.press(forth if move > 0 else back)
            self.browser.press(mark)


def leftover(key):
    """The letters of cells that no place of a word covers, in reading order."""
    found = run_check.places(key["grid"], [w["word"] for w in key["words"]])
    covered = {cell for cells in found.values() for cell in cells}
    return "".join(letter.upper() for r, row in enumerate(key["grid"])
                   for c, letter in enumerate(row) if (r, c) not in covered and letter != " ")


def wrong_line(key):
    """Two neighbouring cells whose letters spell no listed word either way."""
    words = {w["word"].upper() for w in key["words"]}
    for r, row in enumerate(key["grid"], 1):
        for c in range(1, len(row)):
            pair = row[c - 1:c + 1].upper()
            if pair not in words and pair[::-1] not in words:
                return (r, c), (r, c + 1)
    raise RuntimeError("every pair of neighbours spells a word")


def play(solver):
    browser, key = solver.browser, solver.key
    words = key["words"]
    solver.open()
    expect("title", browser.evaluate("[document.title, document.querySelector('h1').textContent]"),
           [key["title"]] * 2)
    expect("cells", browser.evaluate(
        "[...document.querySelectorAll('#ruudukko [data-row]')]"
        ".map(e => [+e.dataset.row, +e.dataset.column, e.textContent])"),
        [[r, c, letter] for r, row in enumerate(key["grid"], 1)
         for c, letter in enumerate(row, 1)])
    expect("words", browser.evaluate(
        "[...document.querySelectorAll('#sanat [data-word]')].map(e => e.dataset.word)"),
        [w["word"] for w in words])
    source = solver.page.read_text()
    phrase = key["phrase"]
    if phrase and (phrase in source or phrase.replace(" ", "").upper() in source):
        raise RuntimeError("the phrase is in the page")
    solver.drag((1, 1), (1, 1))
    solver.drag(*wrong_line(key))
    solver.expect_found(0, "after a tap and a wrong line")
    for k, word in enumerate(words):
        # The last place: for a word that lies twice, not the first.
        at = word["occurrences"][-1]
        start, end = (at["row"], at["column"]), (at["endRow"], at["endColumn"])
        gesture = k % 4 if k < 8 or k % 4 != 3 else 0
        if gesture == 3:
            solver.keys(start, end)
        else:
            solver.drag(*((end, start) if gesture == 1 else (start, end)), touch=gesture == 2)
        solver.expect_found(k + 1, "%s by %s" % (
            word["word"], ["mouse", "mouse backwards", "touch", "keyboard"][gesture]))
        if k == 0:
            solver.drag(start, end)
            solver.expect_found(1, "the word found again")
        if k == len(words) // 2:
            solver.open(reload=True)
            solver.expect_found(k + 1, "after a reload")
    expect("end shown", browser.evaluate("document.getElementById('valmis').hidden"), False)
    expect("letters of no word", browser.evaluate(
        "document.getElementById('jaljella').textContent"), leftover(key) or "–")
    shown = browser.evaluate("document.getElementById('aika').textContent")
    if not re.fullmatch(r"Aika: (\d+ h )?(\d+ min )?\d+ s", shown):
        raise RuntimeError("time shown as %r" % shown)
    expect("phrase field", browser.evaluate("!!document.getElementById('lause')"), bool(phrase))
    if phrase:
        typed = " ".join(phrase.lower().replace(" ", ""))
        for text, answer in ((typed[:-1], "Ei ihan oikein. Yritä uudelleen."), (typed, "Oikein!")):
            browser.evaluate("document.getElementById('lauseKentta').value = ''; "
                             "document.getElementById('lauseKentta').focus()")
            browser.call("Input.insertText", text=text)
            browser.press("Enter")
            expect("phrase %r" % text, browser.evaluate(
                "document.getElementById('lauseTulos').textContent"), answer)
    browser.call("Emulation.setEmulatedMedia", media="print")
    expect("outlines, buttons, strikes or the counter printed", browser.evaluate(PRINTED), 0)
    browser.call("Emulation.setEmulatedMedia", media="")
    browser.evaluate("document.getElementById('alusta').click()")
    solver.expect_found(0, "after Aloita alusta")
    solver.open(reload=True)
    solver.expect_found(0, "after Aloita alusta and a reload")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    work = pathlib.Path(sys.argv[2] if len(sys.argv) == 3 else
                        tempfile.mkdtemp(prefix="haravoija-play-")).resolve()
    pages = []
    if not program.report("the puzzles made", lambda: pages.extend(
            make_pages(build / "haravoija", work)) or []):
        sys.exit("play check FAILED: no puzzles")

    def attempt(case, page):
        key = json.loads(program.run([build / "haravoija-ratkaisu", "--json", page.name],
                                     page.parent))
        if case == "kiintea" and len(key["words"]) >= 30:
            return ["no word was left out of the fixed size"]
        program.run([build / "haravoija-peli", page.name], page.parent)
        with driver.Chromium(1600, 1300) as browser:
            play(Solver(browser, page.with_name(page.stem + "-peli.html"), key))
        return []
    failures = [case for case, page in pages
                if not program.report(case, lambda: attempt(case, page))]
    if failures:
        sys.exit("play check FAILED: %s (files in %s)" % (", ".join(failures), work))
    print("play check passed: %d pages played to the end" % len(pages))
    if len(sys.argv) == 2:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
