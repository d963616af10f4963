"""The answer-key page in a real browser. The program makes puzzles of
10 x 10, 57 x 57 and 102 x 102 in its dialogue (words imported from the
example lists, a hidden phrase in two of them) and saves them; the answer-key
command makes a key page of each. Headless chromium then prints every key
page to PDF, which must be exactly two A4 pages, and dumps its DOM, in which
the key's marks must cover exactly the places where the words lie and
nowhere else, the letters of no word must be faint and the others not, both
pages must show the grid, and the key the phrase.

Where the words lie is worked out here from the saved puzzle page alone, by
a plain search of every cell in every direction.

Usage: key_check.py BUILD_DIR [WORK_DIR]. Prints one line per page and a
summary line; exits 1 on any failure. Standard library only.
"""

import html
import os
import pathlib
import re
import select
import shutil
import subprocess
import sys
import tempfile

import dom_check
import run_check

SOURCE = pathlib.Path(__file__).resolve().parents[2]
PROGRAM_SECONDS = 120
ENV = {**os.environ, "LC_ALL": "C"}
# (title, word list, words imported, rows, columns, hidden phrase or None)
PUZZLES = [
    ("koulu 10", "koulu.txt", 8, 10, 10, "hyvää päivää"),
    ("sanat 57", "sanat-1000.txt", 320, 57, 57, None),
    ("sanat 102", "sanat-1000.txt", 1000, 102, 102, "kiitos & näkemiin <3"),
]
UPPER = {**{chr(c): chr(c - 32) for c in range(ord("a"), ord("z") + 1)},
         "ä": "Ä", "å": "Å", "ö": "Ö"}
# Row and column steps by compass name; E, S, SE and NE read forwards.
STEPS = {"N": (-1, 0), "NE": (-1, 1), "E": (0, 1), "SE": (1, 1),
         "S": (1, 0), "SW": (1, -1), "W": (0, -1), "NW": (-1, -1)}
FORWARDS = {"E", "S", "SE", "NE"}


class Dialogue:
    """The program without arguments, answered prompt by prompt."""

    def __init__(self, binary, folder):
        self.process = subprocess.Popen([binary], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, cwd=folder, env=ENV)
        self.console = b""

    def until(self, *endings):
        start = len(self.console)
        while len(self.console) == start or not any(self.console.endswith(e) for e in endings):
            ready, _, _ = select.select([self.process.stdout], [], [], PROGRAM_SECONDS)
            chunk = os.read(self.process.stdout.fileno(), 65536) if ready else b""
            if not chunk:
                self.process.kill()
                raise RuntimeError("the dialogue stopped:\n" + self.console.decode("cp850")[-2000:])
            self.console += chunk
        return self.console[start:]

    def answer(self, line, *endings):
        self.process.stdin.write(line.encode("cp850") + b"\n")
        self.process.stdin.flush()
        return self.until(*(endings or (b"> ",)))


def make_puzzle(binary, folder, title, word_list, count, rows, columns, phrase):
    """The puzzle saved under its title; returns the page's path."""
    folder.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(SOURCE / "examples" / word_list, folder / word_list)
    talk = Dialogue(binary, folder)
    talk.until(b"> ")
    for answer in [title, "+%s %d" % (word_list, count), "L", "1", "2"]:
        talk.answer(answer)
    talk.answer(str(rows))
    shown = talk.answer(str(columns), b"> ", b"(paina enter jatkaaksesi)\n")
    if shown.endswith(b"(paina enter jatkaaksesi)\n"):
        talk.answer("")
    if phrase is None:
        talk.answer("1")
    else:
        # The phrase must fill every empty cell: x letters make up the rest.
        empty = re.findall(rb"Ruudukkoon j\x84i (\d+) tyhj\x84\x84 kohtaa", talk.console)
        missing = int(empty[-1]) - len(phrase.replace(" ", ""))
        if missing < 0:
            raise RuntimeError("only %s empty cells for the phrase" % empty[-1].decode())
        talk.answer("2")
        talk.answer(phrase + (" " + "x" * missing if missing else ""))
    talk.answer("1")
    talk.answer("")
    talk.process.stdin.write(b"5\n")
    talk.process.stdin.close()
    talk.console += talk.process.stdout.read()
    (folder / "console.txt").write_bytes(talk.console)
    if talk.process.wait(PROGRAM_SECONDS) != 0:
        raise RuntimeError("the dialogue ended with status %d" % talk.process.returncode)
    page = folder / (title[0].upper() + title[1:] + ".html")
    if not page.is_file():
        raise RuntimeError("no %s saved (the dialogue is in %s)" % (page.name, folder / "console.txt"))
    return page


def read_puzzle(page):
    """Grid rows, listed words and phrase of a saved page, by its markers."""
    text = page.read_bytes().decode("latin-1")
    grid_part = text[text.index("<!--Ristikko-->"):text.index("<!--Sanat-->")]
    rows = ["".join(re.findall(r"<b>(.)</b>", row, re.S))
            for row in re.findall(r"<tr>(.*?)</tr>", grid_part, re.S)]
    rows = [row for row in rows if row]
    word_part = text[text.index("<!--Sanat-->"):text.index("<!--Loppu-->")]
    words = re.findall(r"^<br>(.+?)\r?$", word_part, re.M)
    phrase = re.search(r"muodostuu: (.*?)\r?\n", text)
    return rows, words, html.unescape(phrase.group(1)) if phrase else None


def upper(text):
    return "".join(UPPER.get(c, c) for c in text)


def starts(rows):
    """Cells by their upper-cased letter."""
    by_letter = {}
    for r, row in enumerate(rows):
        for c, letter in enumerate(row):
            if letter != " ":
                by_letter.setdefault(upper(letter), []).append((r, c))
    return by_letter


def occurrences(rows, by_letter, word):
    """(start, end) cells of every place the word lies, as the key reports
    them: a word that reads the same backwards once, forwards."""
    key = upper(word)
    found = set()
    height, width = len(rows), len(rows[0])
    for r, c in by_letter.get(key[0], []):
        for name, (dr, dc) in STEPS.items():
            if key == key[::-1] and name not in FORWARDS:
                continue
            if len(key) == 1 and name != "E":
                continue
            end = (r + (len(key) - 1) * dr, c + (len(key) - 1) * dc)
            if not (0 <= end[0] < height and 0 <= end[1] < width):
                continue
            if all(rows[r + k * dr][c + k * dc] != " " and
                   upper(rows[r + k * dr][c + k * dc]) == key[k] for k in range(len(key))):
                found.add(((r, c), end))
    return found


def cells(start, end):
    (r, c), (er, ec) = start, end
    steps = max(abs(er - r), abs(ec - c))
    dr, dc = (er > r) - (er < r), (ec > c) - (ec < c)
    return {(r + k * dr, c + k * dc) for k in range(steps + 1)}


def grid_letters(svg):
    """(row, column) -> (letter, faint) from the grid's text elements."""
    shown = {}
    for text in (n for n in svg.walk() if n.tag == "text"):
        row = int(float(text.attrs["y"])) // 2
        columns = [int(x) // 2 for x in text.attrs["x"].split()]
        letters = []
        for child in text.children:
            if isinstance(child, str):
                letters += [(ch, False) for ch in child]
            else:
                letters += [(ch, "j" in child.attrs.get("class", "").split())
                            for ch in child.text()]
        if len(letters) != len(columns):
            raise RuntimeError("row %d: %d letters at %d places" % (row, len(letters), len(columns)))
        for column, letter in zip(columns, letters):
            shown[(row, column)] = letter
    return shown


def check_dom(dom, rows, words, phrase):
    problems = []
    builder = dom_check.TreeBuilder()
    builder.feed(dom)
    sections = [n for n in builder.root.walk() if n.tag == "section"]
    if len(sections) != 2:
        return ["%d sections instead of 2" % len(sections)]
    expected_letters = {(r, c): ch for r, row in enumerate(rows)
                        for c, ch in enumerate(row) if ch != " "}
    expected = set()
    by_letter = starts(rows)
    for word in words:
        found = occurrences(rows, by_letter, word)
        if not found:
            problems.append("the word %s lies nowhere in the grid" % word)
        expected |= found
    covered = set().union(*(cells(s, e) for s, e in expected)) if expected else set()
    for number, section in enumerate(sections, 1):
        svg = next(n for n in section.walk() if n.tag == "svg")
        shown = grid_letters(svg)
        if {k: v[0] for k, v in shown.items()} != expected_letters:
            problems.append("page %d shows another grid" % number)
        if number == 1:
            continue
        marks = {((int(m.attrs["y1"]) // 2, int(m.attrs["x1"]) // 2),
                  (int(m.attrs["y2"]) // 2, int(m.attrs["x2"]) // 2))
                 for m in svg.walk() if m.tag == "line"}
        if marks != expected:
            problems.append("marks differ: %d missing, e.g. %s; %d extra, e.g. %s" % (
                len(expected - marks), sorted(expected - marks)[:3],
                len(marks - expected), sorted(marks - expected)[:3]))
        wrong = [cell for cell, (_, faint) in shown.items() if faint == (cell in covered)]
        if wrong:
            problems.append("%d letters faint or strong wrongly, e.g. %s" % (len(wrong), wrong[:3]))
        text = section.text()
        missing = [w for w in words if w not in text]
        if missing:
            problems.append("words not in the key's list: %s" % missing[:5])
        if phrase is not None and "Piilolause: " + phrase not in " ".join(text.split()):
            problems.append("the phrase %r is not shown" % phrase)
    return problems


def pdf_pages(document, work):
    pdf = work / (document.stem + ".pdf")
    with tempfile.TemporaryDirectory(prefix="haravoija-chromium-") as profile:
        subprocess.run(run_check.chromium_command(profile) +
                       ["--no-pdf-header-footer", "--print-to-pdf=" + str(pdf), document.as_uri()],
                       capture_output=True, timeout=run_check.CHROMIUM_SECONDS * 3, check=True)
    data = pdf.read_bytes()
    boxes = set(re.findall(rb"/MediaBox\s*\[\s*0 0 ([\d.]+) ([\d.]+)\s*\]", data))
    if any(abs(float(w) - 595.3) > 1 or abs(float(h) - 841.9) > 1 for w, h in boxes):
        raise RuntimeError("not A4: %s" % boxes)
    return len(re.findall(rb"/Type\s*/Page\b", data))


# Faults the check must catch in a key page: (what is replaced, by what, why).
MUTATIONS = [
    (re.compile(rb'<line class="m [^>]*>\n'), b"", "a word's mark missing"),
    (re.compile(rb'<tspan class="j">'), b"<tspan>", "a leftover letter strong"),
    (re.compile(rb'(<text x="[^"]*" y="[^"]*">)([^<])'), rb"\1Q", "a letter changed"),
    (re.compile(rb'<b>Piilolause:</b> [^<]*'), b"<b>Piilolause:</b>", "the phrase missing"),
]


def refuses_mutations(key, rows, words, phrase):
    """Problems with the check itself: broken copies of a good key page
    that it lets through."""
    missed = []
    source = key.read_bytes()
    for number, (pattern, replacement, why) in enumerate(MUTATIONS, 1):
        broken = key.with_name("mutated-%d.html" % number)
        changed, count = pattern.subn(replacement, source, count=1)
        if count == 0:
            missed.append("mutation %r finds nothing to change" % why)
            continue
        broken.write_bytes(changed)
        if not check_dom(run_check.dump_dom(broken), rows, words, phrase):
            missed.append("the check missed: " + why)
    return missed


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    work = pathlib.Path(sys.argv[2] if len(sys.argv) == 3 else
                        tempfile.mkdtemp(prefix="haravoija-key-")).resolve()
    failures = []
    for title, word_list, count, height, width, phrase in PUZZLES:
        name = "%dx%d" % (height, width)
        try:
            page = make_puzzle(build / "haravoija", work / name, title, word_list, count,
                               height, width, phrase)
            rows, words, shown_phrase = read_puzzle(page)
            if (len(rows), len(rows[0])) != (height, width):
                raise RuntimeError("the puzzle is %d x %d" % (len(rows), len(rows[0])))
            run = subprocess.run([build / "haravoija-ratkaisu", page.name], cwd=page.parent,
                                 env=ENV, capture_output=True, timeout=PROGRAM_SECONDS)
            if run.returncode != 0:
                raise RuntimeError("haravoija-ratkaisu: status %d: %s"
                                   % (run.returncode, run.stderr.decode("cp850")))
            key = page.with_name(page.stem + "-ratkaisu.html")
            dom = run_check.dump_dom(key)
            problems = check_dom(dom, rows, words, shown_phrase)
            pages = pdf_pages(key, work)
            if pages != 2:
                problems.append("%d pages printed on A4 instead of 2" % pages)
            if phrase is not None and height <= 10 and not problems:
                problems += refuses_mutations(key, rows, words, shown_phrase)
        except (RuntimeError, OSError, subprocess.SubprocessError, ValueError,
                StopIteration) as error:
            problems = [str(error)]
        print("%s %s (%s)" % ("FAIL" if problems else "ok  ", name, title))
        for problem in problems:
            print("     " + problem[:400])
        if problems:
            failures.append(name)
    if failures:
        print("key check FAILED: %s (files in %s)" % (", ".join(failures), work))
        sys.exit(1)
    print("key check passed: %d key pages print as two A4 pages and mark every word "
          "exactly where it lies" % len(PUZZLES))
    if len(sys.argv) == 2:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
