"""The real program, run for the browser checks: batch runs, and dialogues
answered prompt by prompt. It runs under LC_ALL=C, so its console is CP850."""

import os
import pathlib
import re
import select
import shutil
import subprocess

SECONDS = 120
ENV = {**os.environ, "LC_ALL": "C"}
EXAMPLES = pathlib.Path(__file__).resolve().parents[2] / "examples"


def run(args, folder, answers=""):
    """A run of a program in `folder`, `answers` typed in; its output."""
    done = subprocess.run([str(a) for a in args], cwd=folder, env=ENV, capture_output=True,
                          input=answers.encode("cp850"), timeout=SECONDS)
    if done.returncode != 0:
        raise RuntimeError("%s: status %d:\n%s" % (args[0], done.returncode, (
            done.stdout + done.stderr).decode("cp850")[-2000:]))
    return done.stdout


def report(name, attempt):
    """Prints how `attempt` (a list of problems, or an error) went; True if well."""
    try:
        problems = attempt()
    except (RuntimeError, OSError, subprocess.SubprocessError, ValueError, LookupError) as error:
        problems = [str(error)]
    print("%s %s" % ("FAIL" if problems else "ok  ", name))
    for problem in problems:
        print("     " + problem[:600])
    return not problems


def console_grid(console):
    """The last grid of the console view, as rows of cells."""
    lines = console.split(b"\n")
    rules = [i for i, line in enumerate(lines) if re.fullmatch(rb"-+", line)]
    if len(rules) < 2:
        raise RuntimeError("no grid on the console:\n" + console.decode("cp850")[-2000:])
    return [line[0::2].decode("cp850") for line in lines[rules[-2] + 1:rules[-1]]]


def batch(binary, folder, word_file, name):
    """A batch run in `folder` on a word file (path or bytes) called `name`,
    the title; returns out.html, the grid and the words added."""
    (folder / name).parent.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(word_file if isinstance(word_file, bytes) else
                                word_file.read_bytes())
    console = run([binary, name], folder)
    words = re.findall(rb"^Sana (\S+) lis\x84tty\.$", console, re.M)
    return folder / "out.html", console_grid(console), [w.decode("cp850") for w in words]


def dialogue(binary, folder, title, lines, size=("1",), fill="1", phrase=None):
    """A puzzle made in the dialogue and saved in `folder`: `lines` typed as
    words, `size` and `fill` the answers to those menus, fill "2" with the
    `phrase` lengthened by filler letters to the empty cells. Returns the
    page, the phrase and the console (answers echoed as on a terminal)."""
    folder.mkdir(parents=True, exist_ok=True)
    before = set(folder.glob("*.html"))
    talk = subprocess.Popen([binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE, cwd=folder,
                            env=ENV)
    console = b""

    def answer(line):
        """Types `line` and returns what comes up to the next prompt or "press enter"."""
        nonlocal console
        if line is not None:
            talk.stdin.write(line.encode("cp850") + b"\n")
            talk.stdin.flush()
            console += line.encode("cp850") + b"\n"
        start = len(console)
        while len(console) == start or not console.endswith((b"> ", b"jatkaaksesi)\n")):
            ready, _, _ = select.select([talk.stdout], [], [], SECONDS)
            chunk = os.read(talk.stdout.fileno(), 65536) if ready else b""
            if not chunk:
                talk.kill()
                raise RuntimeError("the dialogue stopped:\n" + console.decode("cp850")[-2000:])
            console += chunk
        return console[start:]

    for line in [None, title, *lines, "L", "1", *size]:
        shown = answer(line)
    if shown.endswith(b"jatkaaksesi)\n"):
        shown = answer("")
    empty = re.search(rb"Ruudukkoon j\x84i (\d+) tyhj\x84\x84 kohtaa", shown)
    if empty is None:
        raise RuntimeError("no fill menu:\n" + shown.decode("cp850"))
    answer(fill)
    if fill == "2":
        missing = int(empty.group(1)) - len(phrase.replace(" ", ""))
        if missing < 0:
            raise RuntimeError("only %s empty cells for the phrase" % empty.group(1).decode())
        phrase += " " + ("koira" * missing)[:missing] if missing else ""
        answer(phrase)
    answer("1")
    answer("")
    console += talk.communicate(b"5\n", SECONDS)[0]
    pages = set(folder.glob("*.html")) - before
    if talk.returncode != 0 or len(pages) != 1:
        raise RuntimeError("the dialogue saved %d pages, status %d:\n%s"
                           % (len(pages), talk.returncode, console.decode("cp850")[-2000:]))
    return pages.pop(), phrase, console


def imported(binary, folder, title, word_list, count, side, phrase):
    """dialogue() of `count` words of an example list at side x side, with
    the hidden phrase if there is one."""
    folder.mkdir(parents=True)
    shutil.copyfile(EXAMPLES / word_list, folder / word_list)
    return dialogue(binary, folder, title, ["+%s %d" % (word_list, count)],
                    ["2", str(side), str(side)], "2" if phrase else "1", phrase)
