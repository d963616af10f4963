"""Puzzle documents made by the real program, with what each must show.

Batch runs on the example word lists, on a word file whose name holds markup
characters and on a saved document; and one dialogue, driven prompt by
prompt, whose title holds "&" and whose hidden phrase holds "<", ">", "&"
and "-->". The program runs under LC_ALL=C, so its console text is CP850.
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
DIALOGUE_WORDS = ["kissa", "KOIRA", "Hiiri"]


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


def dialogue_case(binary, folder):
    """A 6 x 6 puzzle of three words with the hidden phrase, saved under its title."""
    folder.mkdir(parents=True)
    talk = Dialogue(binary, folder)
    talk.until_prompt()
    for answer in ["kissa & koira"] + DIALOGUE_WORDS + ["L", "1", "2", "6", "6"]:
        talk.answer(answer)
        shown = talk.until_prompt()
    if b"(paina enter jatkaaksesi)" in shown:
        talk.answer("")
        shown = talk.until_prompt()
    empty = re.search(rb"Ruudukkoon j\x84i (\d+) tyhj\x84\x84 kohtaa", shown)
    if empty is None:
        raise RuntimeError("no fill menu:\n" + shown.decode("cp850"))
    # The phrase, lengthened with a word of filler letters to cover every cell.
    letters = len(PHRASE.replace(" ", ""))
    missing = int(empty.group(1)) - letters
    if missing < 1:
        raise RuntimeError("only %s empty cells for the phrase" % empty.group(1).decode())
    phrase = PHRASE + " " + ("koira" * missing)[:missing]
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
    document = folder / "Kissa & koira.html"
    if not document.is_file():
        raise RuntimeError("the dialogue saved no %s:\n%s"
                           % (document.name, talk.console.decode("cp850")[-2000:]))
    return document, {"title": "Kissa & koira", "rows": rows, "phrase": phrase.lower(),
                      "words": DIALOGUE_WORDS}


def make(binary, examples, work, samples):
    """Runs the program; returns (document, expected) pairs."""
    cases = []
    for example in sorted(examples.glob("*.txt")):
        cases.append(batch_case(binary, work / ("batch-" + example.stem), example,
                                "examples/" + example.name))
    markup = work / "sanat.txt"
    work.mkdir(parents=True, exist_ok=True)
    markup.write_bytes(b"kissa koira hiiri\nhevonen lehm\xe4\n")
    cases.append(batch_case(binary, work / "batch-markup", markup, "a<b> & -->c.txt"))
    cases.append(batch_case(binary, work / "batch-document", samples / "kolme-palstaa.html",
                            "vanha.html"))
    cases.append(dialogue_case(binary, work / "dialogue"))
    return cases
