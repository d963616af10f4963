"""What a reader sees of the program's pages, in headless chromium.

Puzzle pages of batch runs and dialogues show the title, the grid as the
console showed it, the words, the solver's lines and no trace of a hidden
phrase, whatever markup those hold. The answer keys of 10 x 10, 57 x 57 and
102 x 102 puzzles print as two A4 pages, show the grid on both, mark exactly
where a plain search finds the words, show just the other letters faint and
list the words and the phrase. Broken copies of some pages are refused.
Usage: run_check.py BUILD_DIR. Exits 1 on any failure, keeping its files.
"""

import pathlib
import re
import shutil
import sys
import tempfile

import driver
import program

EXAMPLES = program.EXAMPLES
SOLVER_LINE = "Ristikon ratkaisi " + "_" * 28
PHRASE_QUESTION = "Mitä jäljelle jäävistä kirjaimista muodostuu? " + "_" * 29
ELEMENTS = {"font", "table", "tbody", "tr", "td", "h1", "p", "br", "b"}
SCRIPT_TITLE = "</title><script>document.title='x'</script>.txt"
# (word file or its bytes, its name on the command line: the title, the word
# list's columns as shown or None)
BATCH = [
    (EXAMPLES / "elaimet.txt", "examples/elaimet.txt", [
        ["Ankka", "Hevonen", "Hiiri", "Hirvi", "Ilves", "Jänis", "Kana", "Karhu", "Kettu",
         "Kissa", "Koira", "Kyy", "Käki", "Kärppä", "Lammas", "Lehmä"],
        ["Majava", "Myyrä", "Mäyrä", "Näätä", "Orava", "Poro", "Pöllö", "Sammakko", "Saukko",
         "Siili", "Susi", "Tikka", "Vuohi", "Västäräkki"]]),
    *((EXAMPLES / name, "examples/" + name, None) for name in ["koulu.txt", "ruoat.txt",
      "vaatteet-latin1.txt", "sanat-100.txt", "elaimet-ristikko.html"]),
    (b"kissa koira hiiri\nhevonen lehm\xe4\n", "a<b> & -->c.txt",
     [["Hevonen", "Hiiri", "Kissa", "Koira", "Lehmä"]]),
    (b"\xe4iti \xe5s \xf6rkki ase zebu", SCRIPT_TITLE, [["Ase", "Zebu", "Äiti", "Ås", "Örkki"]]),
]
# (title typed, title shown, word lines, size answers, fill answer, phrase)
DIALOGUES = [
    ("kissa & koira", "Kissa & koira", ["kissa", "KOIRA", "Hiiri"], ["2", "8", "8"], "2",
     "--><h1>ratkaisu</h1><!-- &amp; hätä"),
    ("tyhjät kohdat", "Tyhjät kohdat", ["kissa", "koira"], ["2", "5", "5"], "3", None),
]
# Faults the puzzle check must catch: (page, bytes, replacement, fault).
PUZZLE_FAULTS = [
    ("Kissa & koira", rb"--&gt;", b"-->", "raw phrase in the comment"),
    (SCRIPT_TITLE, rb'"center">&lt;/title&gt;&lt;script&gt;', b'"center"></title><script>',
     "raw title in the heading"),
    ("examples/elaimet.txt", rb'<td align = "center"><b>.</b></td>', b"", "a cell missing"),
    ("examples/elaimet.txt", rb"<br>(\w+)\r\n<br>(\w+)", rb"<br>\2\r\n<br>\1", "words swapped"),
    ("examples/elaimet.txt", rb"<br>\w+\r\n", b"", "a word missing"),
    ("Tyhjät kohdat", rb"Ristikon ratkaisi", b"Ristikko ratkaisi", "solver's line changed"),
]
# (title, word list, words imported, grid side, hidden phrase or None)
KEYS = [("koulu 10", "koulu.txt", 8, 10, "hyvää päivää"),
        ("sanat 57", "sanat-1000.txt", 320, 57, None),
        ("sanat 102", "sanat-1000.txt", 1000, 102, "kiitos & näkemiin <3")]
KEY_FAULTS = [
    (rb'<line class="m [^>]*>\n', b"", "a word's mark missing"),
    (rb'<tspan class="j">', b"<tspan>", "a leftover letter strong"),
    (rb'(<text x="[^"]*" y="[^"]*">)([^<])', rb"\1Q", "a letter changed"),
    (rb"<b>Piilolause:</b> [^<]*", b"<b>Piilolause:</b>", "the phrase missing"),
]
# Row and column steps; the first four read forwards.
STEPS = [(0, 1), (1, 0), (1, 1), (-1, 1), (0, -1), (-1, 0), (-1, -1), (1, -1)]

PUZZLE_VIEW = r"""(() => {
  const grid = document.querySelector('table[cellpadding="7"]'), comments = [];
  const walk = document.createTreeWalker(document, NodeFilter.SHOW_COMMENT);
  while (walk.nextNode()) comments.push(walk.currentNode);
  const words = comments.find(c => c.data == 'Sanat');
  const view = {title: document.title, headings: [...document.querySelectorAll('h1')].map(
      h => h.textContent), rows: grid ? [...grid.rows].map(r => [...r.cells].map(
      c => c.textContent)) : [], columns: words ? [...words.parentElement.closest('tr').cells]
      .filter(c => c.vAlign == 'top').map(c => c.textContent.split(/\s+/).filter(w => w)) : [],
    elements: [...new Set([...document.body.querySelectorAll('*')].map(e => e.localName))]};
  if (grid) grid.remove();
  return {...view, text: document.body.innerText.split(/\s+/).filter(w => w)};
})()"""
# Per page of a key: its text, its marks (row, column of both ends) and its
# letters (row, column, letter, fill colour).
KEY_VIEW = r"""[...document.querySelectorAll('section')].map(s => ({
  text: s.innerText.split(/\s+/).join(' '),
  marks: [...s.querySelectorAll('line')].map(l => [['y1', 'x1'], ['y2', 'x2']].map(
      end => end.map(a => Math.floor(l.getAttribute(a) / 2)))),
  letters: [...s.querySelectorAll('text')].flatMap(t => {
    const xs = t.getAttribute('x').split(' '), row = Math.floor(t.getAttribute('y') / 2);
    return [...t.childNodes].flatMap(n => {
      const fill = getComputedStyle(n.nodeType == 1 ? n : t).fill;
      return [...n.textContent].map(ch => [ch, fill]);
    }).map(([ch, fill], i) => [row, Math.floor(xs[i] / 2), ch, fill]);
  })}))"""


def differ(what, shown, expected):
    if shown == expected:
        return []
    if isinstance(shown, set):  # a few of each side's extras
        shown, expected = sorted(shown - expected)[:3], sorted(expected - shown)[:3]
    return ["%s: shown %r, expected %r" % (what, shown, expected)]


def check_puzzle(browser, page, rows, words, title, columns, phrase):
    browser.open(page)
    view = browser.evaluate(PUZZLE_VIEW)
    shown = [w for column in view["columns"] for w in column]
    lines = ([PHRASE_QUESTION] if phrase else []) + [SOLVER_LINE]
    return (differ("title", view["title"], title) + differ("headings", view["headings"], [title])
            + differ("grid", view["rows"], [list(row) for row in rows])
            + (differ("word columns", view["columns"], columns) if columns else
               differ("words", sorted(shown), sorted(w[0].upper() + w[1:].lower() for w in words)))
            + differ("elements", set(view["elements"]) - ELEMENTS, set())
            + differ("text outside the grid", view["text"],
                     title.split() + shown + " ".join(lines).split()))


def places(rows, words):
    """{(start, end): cells} of every place a word lies, as the key gives
    them: a word that reads the same backwards once, forwards."""
    starts = {}
    for r, row in enumerate(rows):
        for c, letter in enumerate(row):
            starts.setdefault(letter, []).append((r, c))
    found = {}
    for word in (w.upper() for w in words):
        for r, c in starts.get(word[0], []):
            for dr, dc in STEPS[:4] if word == word[::-1] else STEPS:
                cells = [(r + k * dr, c + k * dc) for k in range(len(word))]
                if all(0 <= y < len(rows) and 0 <= x < len(rows[0]) and rows[y][x] == ch
                       for (y, x), ch in zip(cells, word)):
                    found[cells[0], cells[-1]] = cells
    return found


def broken_copy(page, pattern, replacement):
    """A copy of the page with the first match of `pattern` replaced."""
    broken = page.with_name("broken.html")
    broken.write_bytes(re.sub(pattern, replacement, page.read_bytes(), count=1))
    return broken


def check_key(browser, key, rows, words, phrase):
    browser.open(key)
    sections = browser.evaluate(KEY_VIEW)
    if len(sections) != 2:
        return ["%d pages instead of 2" % len(sections)]
    letters = {(r, c, ch) for r, row in enumerate(rows) for c, ch in enumerate(row)}
    found = places(rows, words)
    covered = {cell for cells in found.values() for cell in cells}
    problems = []
    for number, section in enumerate(sections, 1):
        shown = {(r, c, ch) for r, c, ch, _ in section["letters"]}
        faint = {(r, c) for r, c, _, fill in section["letters"] if fill != "rgb(0, 0, 0)"}
        problems += differ("page %d grid" % number, shown, letters) + differ(
            "page %d faint letters" % number, faint,
            {(r, c) for r, c, _ in letters} - covered if number == 2 else set()) + differ(
            "page %d marks" % number, {tuple(map(tuple, m)) for m in section["marks"]},
            set(found) if number == 2 else set())
    text = sections[1]["text"]
    problems += ["%s not in the key's list" % w for w in words if w not in text][:5]
    if phrase is not None and "piilolause: " + phrase.lower() not in text.lower():
        problems.append("the phrase %r is not shown" % phrase)
    return problems


def key_case(browser, build, folder, title, word_list, count, side, phrase):
    page, phrase, _ = program.imported(build / "haravoija", folder, title, word_list, count, side,
                                       phrase)
    browser.open(page)
    view = browser.evaluate(PUZZLE_VIEW)
    rows = ["".join(row) for row in view["rows"]]
    words = [w for column in view["columns"] for w in column]
    if (len(rows), len(rows[0])) != (side, side):
        return ["the puzzle is %d x %d" % (len(rows), len(rows[0]))]
    program.run([build / "haravoija-ratkaisu", page.name], folder)
    key = page.with_name(page.stem + "-ratkaisu.html")
    problems = check_key(browser, key, rows, words, phrase)
    # Printed on Letter paper, the page's own size must win.
    pdf = browser.pdf(preferCSSPageSize=True, paperWidth=8.5, paperHeight=11)
    problems += differ("printed pages", driver.pdf_pages(pdf), [(595, 842)] * 2)
    if phrase is None or problems or side > 10:
        return problems
    for pattern, replacement, fault in KEY_FAULTS:
        if not check_key(browser, broken_copy(key, pattern, replacement), rows, words, phrase):
            problems.append("the key check missed: " + fault)
    return problems


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    binary, work = build / "haravoija", pathlib.Path(tempfile.mkdtemp(prefix="haravoija-browser-"))
    puzzles, results = {}, []
    with driver.Chromium(timeout=180) as browser:
        def puzzle(name, *made):
            puzzles[name] = made
            return check_puzzle(browser, *made)
        for number, (source, name, columns) in enumerate(BATCH):
            results.append(program.report(name, lambda: puzzle(name, *program.batch(
                binary, work / ("batch-%d" % number), source, name), name, columns, None)))
        def dialogue_puzzle(folder, typed, title, lines, *answers):
            page, phrase, console = program.dialogue(binary, folder, typed, lines, *answers)
            return puzzle(title, page, program.console_grid(console), lines, title, None, phrase)
        for number, case in enumerate(DIALOGUES):
            results.append(program.report(case[1], lambda: dialogue_puzzle(
                work / ("dialogue-%d" % number), *case)))
        for name, pattern, replacement, fault in PUZZLE_FAULTS:
            results.append(program.report("broken: " + fault, lambda: [] if check_puzzle(
                browser, broken_copy(puzzles[name][0], pattern, replacement), *puzzles[name][1:])
                else ["the puzzle check missed it"]))
        for title, *key in KEYS:
            results.append(program.report("key of " + title, lambda: key_case(
                browser, build, work / "keys" / title, title, *key)))
    if not all(results):
        sys.exit("browser check FAILED: %d of %d (files in %s)"
                 % (results.count(False), len(results), work))
    print("browser check passed: %d puzzle pages, %d key pages, %d broken copies refused"
          % (len(puzzles), len(KEYS), len(PUZZLE_FAULTS)))
    shutil.rmtree(work)


if __name__ == "__main__":
    main()
