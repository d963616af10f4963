"""Puzzle pages with known grids, words, titles and phrases for the browser
check, written by the program's own page writer (haravoija_page_writer in
the build folder), and what a reader must see on each.

write_samples(build, folder) writes the pages and returns {file name:
expected}, where expected holds the title, the grid rows, the hidden phrase
and the word list column by column, all as text. write_sizes(build, folder)
writes square grids of 4 x 4 to 40 x 40 with a full one-column list (15
words) and a three-column list (33 words), named koko-<n>-<columns>.html.
"""

import subprocess


def letter_block(rows, columns, letters):
    """A rows x columns block of letters that repeats `letters`."""
    cells = (letters[i % len(letters)] for i in range(rows * columns))
    return ["".join(next(cells) for _ in range(columns)) for _ in range(rows)]


# (file stem, title, rows, placed words in placement order, hidden phrase as
# the fill leaves it (lower case), the word list column by column as shown).
SAMPLES = [
    # One column; the Finnish initials after A-Z with Ä before Å, and a
    # longer word placed before its prefix.
    ("yksi-palsta", "Eläimet", ["KISSAT", "ÄITIÅS", "ÖRKKIA", "ASE  K", "KISSAL"],
     ["KISSAT", "KISSA", "ÄITI", "ÅS", "ÖRKKI", "ASE"], "",
     [["Ase", "Kissa", "Kissat", "Äiti", "Ås", "Örkki"]]),
    # Two columns, 9 + 7.
    ("kaksi-palstaa", "Kotieläimet ja villieläimet",
     letter_block(12, 12, "KOIRAHIIRILEHMÄSIKAVUOHI"),
     ["HEVONEN", "LAMMAS", "KOIRA", "kissa", "Hiiri", "LEHMÄ", "SIKA", "VUOHI", "KANA",
      "ANKKA", "HANHI", "KETTU", "SUSI", "KARHU", "ILVES", "HIRVI"], "",
     [["Ankka", "Hanhi", "Hevonen", "Hiiri", "Hirvi", "Ilves", "Kana", "Karhu", "Kettu"],
      ["Kissa", "Koira", "Lammas", "Lehmä", "Sika", "Susi", "Vuohi"]]),
    # Three columns, 12 + 12 + 9, placed in an order far from the shown one.
    ("kolme-palstaa", "Suuri eläinristikko", letter_block(20, 20, "ANKKAKOTKAÖLJYSUSIVARIS"),
     ["ÖRKKI", "zebu", "Ahven", "ÅNGSTRöM", "Ankka", "Apina", "HAUKKA", "Hevonen",
      "ÄYRIäINEN", "Hirvi", "Ilves", "Jänis", "KAMELI", "Karhu", "Kettu", "kirahvi", "koira",
      "Kotka", "Lehmä", "Leijona", "Majava", "Norsu", "Orava", "Pöllö", "Rusakko", "Saukko",
      "Seepra", "Susi", "Tiikeri", "Varis", "Vuohi", "Yökkö", "Öljy"], "",
     [["Ahven", "Ankka", "Apina", "Haukka", "Hevonen", "Hirvi", "Ilves", "Jänis", "Kameli",
       "Karhu", "Kettu", "Kirahvi"],
      ["Koira", "Kotka", "Lehmä", "Leijona", "Majava", "Norsu", "Orava", "Pöllö", "Rusakko",
       "Saukko", "Seepra", "Susi"],
      ["Tiikeri", "Varis", "Vuohi", "Yökkö", "Zebu", "Äyriäinen", "Ångström", "Öljy",
       "Örkki"]]),
    # Markup characters in the title, the phrase and, through the phrase
    # fill, in the cells; one cell left empty.
    ("merkit", "Kissa & koira <3 --> loppu", ["KISSA", "KOIRA", "A<B>&", "-->C "],
     ["KISSA", "KOIRA"], "a <b> & --> c", [["Kissa", "Koira"]]),
    # A title and a phrase that would end their elements or the comment
    # early, and a phrase that already holds a character reference.
    ("kommentti", "</title><script>document.title='x'</script>", ["RUU", "TU-", "-><"],
     ["RUUTU"], "--><h1>ratkaisu</h1><!-- &amp; hätä", [["Ruutu"]]),
    # Nothing to show but a single cell: empty title, no words.
    ("tyhja", "", ["X"], [], "", []),
]


def write_page(build, path, title, rows, words, phrase=""):
    lines = [title, phrase, str(len(rows))] + rows + words
    page = subprocess.run([build / "haravoija_page_writer"],
                          input=("\n".join(lines) + "\n").encode("cp850"),
                          capture_output=True, check=True, timeout=30).stdout
    path.write_bytes(page)


def write_samples(build, folder):
    folder.mkdir(parents=True, exist_ok=True)
    expected = {}
    for stem, title, rows, words, phrase, columns in SAMPLES:
        write_page(build, folder / (stem + ".html"), title, rows, words, phrase)
        expected[stem + ".html"] = {"file": stem + ".html", "title": title, "rows": rows,
                                    "phrase": phrase, "columns": columns}
    return expected


def write_sizes(build, folder):
    folder.mkdir(parents=True, exist_ok=True)
    for columns, count in ((1, 15), (3, 33)):
        words = ["SANA" + chr(ord("A") + i % 26) + chr(ord("A") + i // 26) for i in range(count)]
        for n in range(4, 41):
            write_page(build, folder / ("koko-%d-%d.html" % (n, columns)),
                       "Sanaristikko %dx%d" % (n, n), letter_block(n, n, "SANARISTIKKOÄÖ"), words)
