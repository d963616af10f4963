"""Puzzle documents made by the real program, with what each must show.

Batch runs on the example word lists and saved puzzles, on a word file whose name holds markup
characters and on a saved document; dialogues, driven prompt by prompt, that
import each of them with the "+" command; and one dialogue whose
title holds "&" and whose hidden phrase holds "<", ">", "&" and "-->". The program runs under LC_ALL=C, so its console text is CP850.
The expected grid is the program's own console view; the expected words are
its "Sana ... lisätty." lines or the words typed.
"""

import os
import re
import select
import shutil
import subprocess

PROGRAM_SECONDS = 30
ENV = {**os.environ, "LC_ALL": "C"}
PHRASE = "a <b> & --> c"


def shown_grid(console):
    """The last grid of the console view as rows of cells."""
    lines = console.split(b"\n")
    rules = [i for i, line in enumerate(lines) if re.fullmatch(rb"-+", line)]
    if len(rules) < 2:
        raise RuntimeError("no grid on the console:\n" + console.decode("cp850")[-2000:])
    return [line[0::2].decode("cp850") for line in lines[rules[-2] + 1:rules[-1]]]


def added_words(console):
    return [m.decode("cp850") for m in re.findall(rb"^Sana (\S+) lis\x84tty\.$", console, re.M)]


def batch_case(binary, folder, word_file, title):
    """A batch run in `folder` on a copy of `word_file` named by `title`."""
    folder.mkdir(parents=True)
    target = folder / title
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(word_file, target)
    run = subprocess.run([binary, title], stdin=subprocess.DEVNULL, cwd=folder, env=ENV,
                         capture_output=True, timeout=PROGRAM_SECONDS)
    if run.returncode != 0 or not (folder / "out.html").is_file():
        raise RuntimeError("batch run on %r: status %d, no out.html:\n%s"
                           % (title, run.returncode, run.stdout.decode("cp850")[-2000:]))
    return folder / "out.html", {"title": title, "rows": shown_grid(run.stdout), "phrase": "",
                                 "words": added_words(run.stdout)}


class Dialogue:
    """The program started without arguments, answered prompt by prompt."""

    def __init__(self, binary, folder):
        self.process = subprocess.Popen([binary], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, cwd=folder, env=ENV)
        self.console = b""

    def until_prompt(self):
        """Reads up to the next "> " prompt; returns what came since the last answer."""
        start = len(self.console)
        while not self.console.endswith(b"> "):
            ready, _, _ = select.select([self.process.stdout], [], [], PROGRAM_SECONDS)
            chunk = os.read(self.process.stdout.fileno(), 65536) if ready else b""
            if not chunk:
                self.process.kill()
                raise RuntimeError("the dialogue stopped before a prompt:\n"
                                   + self.console.decode("cp850")[-2000:])
            self.console += chunk
        return self.console[start:]

    def answer(self, line):
        self.process.stdin.write(line.encode("cp850") + b"\n")
        self.process.stdin.flush()
        self.console += line.encode("cp850") + b"\n"

    def finish(self):
        self.process.stdin.close()
        self.console += self.process.stdout.read()
        if self.process.wait(PROGRAM_SECONDS) != 0:
            raise RuntimeError("the dialogue ended with status %d" % self.process.returncode)


def dialogue_case(binary, folder, title, words, size, phrase):
    """One puzzle made in the dialogue and saved under its title: `words` are
    the word-entry lines, `size` the size-menu answers, `phrase` the hidden
    phrase (lengthened with filler letters to cover every empty cell) or None
    for random letters."""
    folder.mkdir(parents=True, exist_ok=True)
    talk = Dialogue(binary, folder)
    talk.until_prompt()
    for answer in [title] + words + ["L", "1"] + size:
        talk.answer(answer)
        shown = talk.until_prompt()
    if b"(paina enter jatkaaksesi)" in shown:
        talk.answer("")
        shown = talk.until_prompt()
    empty = re.search(rb"Ruudukkoon j\x84i (\d+) tyhj\x84\x84 kohtaa", shown)
    if empty is None:
        raise RuntimeError("no fill menu:\n" + shown.decode("cp850"))
    if phrase is None:
        talk.answer("1")
    else:
        missing = int(empty.group(1)) - len(phrase.replace(" ", ""))
        if missing < 1:
            raise RuntimeError("only %s empty cells for the phrase" % empty.group(1).decode())
        phrase += " " + ("koira" * missing)[:missing]
        talk.answer("2")
        talk.until_prompt()
        talk.answer(phrase)
    talk.until_prompt()
    rows = shown_grid(talk.console)
    for answer in ["1", "", "5"]:
        talk.answer(answer)
        if answer != "5":
            talk.until_prompt()
    talk.finish()
    title = title[0].upper() + title[1:]
    document = folder / (title + ".html")
    if not document.is_file():
        raise RuntimeError("the dialogue saved no %s:\n%s"
                           % (document.name, talk.console.decode("cp850")[-2000:]))
    typed = [w for w in words if not w.startswith("+")]
    return document, {"title": title, "rows": rows, "phrase": (phrase or "").lower(),
                      "words": typed + added_words(talk.console)}


def word_lists(examples):
    """The themed example lists, the smallest of the big ones (100 words,
    whose grid still shows on the console) and the saved example puzzles."""
    return [e for e in sorted(examples.glob("*.txt")) + sorted(examples.glob("*.html"))
            if not e.name.startswith("sanat-") or e.name == "sanat-100.txt"]


def make(binary, examples, work, samples):
    """Runs the program; returns (document, expected) pairs."""
    cases = []
    for example in word_lists(examples):
        cases.append(batch_case(binary, work / ("batch-" + example.stem), example,
                                "examples/" + example.name))
    markup = work / "sanat.txt"
    work.mkdir(parents=True, exist_ok=True)
    markup.write_bytes(b"kissa koira hiiri\nhevonen lehm\xe4\n")
    cases.append(batch_case(binary, work / "batch-markup", markup, "a<b> & -->c.txt"))
    cases.append(batch_case(binary, work / "batch-document", samples / "kolme-palstaa.html",
                            "vanha.html"))
    cases.append(dialogue_case(binary, work / "dialogue", "kissa & koira",
                               ["kissa", "KOIRA", "Hiiri"], ["2", "6", "6"], PHRASE))
    for example in word_lists(examples):
        (work / "import" / example.name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(example, work / "import" / example.name)
        cases.append(dialogue_case(binary, work / "import", "tuonti " + example.stem,
                                   ["+" + example.name], ["1"], None))
    return cases
