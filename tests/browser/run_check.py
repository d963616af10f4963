"""The puzzle page in a real browser: makes documents, renders each in
headless chromium (--dump-dom) and checks what a reader sees (dom_check.py).

Documents come from two places: samples with known grids, words, titles and
phrases written by the program's page writer (samples.py says what each
must show), and the real program, run as a batch run on the example word lists,
on a word file whose name holds markup characters and on a saved document,
and through a scripted dialogue with a hidden phrase; for those the expected
grid is read from the program's own console view and the words from its
"Sana ... lisätty." lines.

Usage: run_check.py BUILD_DIR [WORK_DIR]. Prints one line per document and a
summary line; exits 1 on any mismatch. Standard library only.
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

import dom_check
import program_documents
import samples as sample_pages

SOURCE = pathlib.Path(__file__).resolve().parents[2]
CHROMIUM = os.environ.get("CHROMIUM", "/usr/bin/chromium")
CHROMIUM_SECONDS = 60
PROGRAM_SECONDS = 30


def chromium_command(profile):
    return [CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
            "--no-first-run", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile]


def dump_dom(document):
    with tempfile.TemporaryDirectory(prefix="haravoija-chromium-") as profile:
        run = subprocess.run(chromium_command(profile) + ["--dump-dom", document.as_uri()],
                             capture_output=True, timeout=CHROMIUM_SECONDS)
    if run.returncode != 0 or not run.stdout:
        raise RuntimeError("chromium exited with %d: %s"
                           % (run.returncode, run.stderr.decode(errors="replace")[-500:]))
    return run.stdout.decode("utf-8")


# Faults the check must catch: (sample, what is replaced, by what, why).
MUTATIONS = [
    ("merkit", b"A &lt;b&gt; &amp; --&gt; c", b"A <b> & --> c", "raw phrase in the comment"),
    ("kommentti", b"<h1 align = \"center\">&lt;/title&gt;&lt;script&gt;",
     b"<h1 align = \"center\"></title><script>", "raw title in the heading"),
    ("merkit", b"<td align = \"center\"><b>K</b></td>", b"", "a cell missing"),
    ("yksi-palsta", b"<br>Kissa\r\n<br>Kissat", b"<br>Kissat\r\n<br>Kissa", "words swapped"),
    ("kaksi-palstaa", b"<br>Kettu\r\n</font></p></td>", b"</font></p></td>",
     "a word missing"),
    ("tyhja", b"Ristikon ratkaisi", b"Ristikko ratkaisi", "solver's line changed"),
]


def mutated_cases(samples, manifest):
    """Broken copies of the samples, each of which the check must refuse."""
    cases = []
    for number, (stem, old, new, why) in enumerate(MUTATIONS, 1):
        source = (samples / (stem + ".html")).read_bytes()
        if old not in source:
            raise RuntimeError("mutation %r finds nothing to change in %s" % (why, stem))
        document = samples.parent / "mutated" / ("%d-%s.html" % (number, stem))
        document.parent.mkdir(parents=True, exist_ok=True)
        document.write_bytes(source.replace(old, new, 1))
        cases.append((document, manifest[stem + ".html"], why))
    return cases


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    work = pathlib.Path(sys.argv[2] if len(sys.argv) == 3 else
                        tempfile.mkdtemp(prefix="haravoija-browser-")).resolve()
    samples = work / "samples"
    manifest = sample_pages.write_samples(build, samples)
    cases = [(samples / name, expected) for name, expected in manifest.items()]
    failures = []
    mutated = mutated_cases(samples, manifest)
    for document, expected, why in mutated:
        try:
            problems = dom_check.check_dom(dump_dom(document), expected)
        except (RuntimeError, OSError, subprocess.SubprocessError, UnicodeDecodeError) as error:
            problems, why = [], "%s: %s" % (why, error)
        print("%s %s (%s)" % ("ok  " if problems else "FAIL", document.relative_to(work),
                              "caught: " + problems[0][:120] if problems else why + " not noticed"))
        if not problems:
            failures.append(document.name)
    try:
        cases += program_documents.make(build / "haravoija", SOURCE / "examples",
                                        work / "program", samples)
    except (RuntimeError, OSError, subprocess.SubprocessError) as error:
        failures.append("running the program: %s" % error)
        print("FAIL running the program: %s" % error)

    for document, expected in cases:
        try:
            dom = dump_dom(document)
            document.with_suffix(".dom").write_text(dom, encoding="utf-8")
            problems = dom_check.check_dom(dom, expected)
        except (RuntimeError, OSError, subprocess.SubprocessError, UnicodeDecodeError) as error:
            problems = [str(error)]
        print("%s %s" % ("FAIL" if problems else "ok  ", document.relative_to(work)))
        for problem in problems:
            print("     " + (problem if len(problem) < 400 else problem[:400] + "..."))
        if problems:
            failures.append(document.name)

    if failures:
        print("browser check FAILED: %d failure(s) among %d documents and %d broken copies "
              "(files in %s)" % (len(failures), len(cases), len(mutated), work))
        sys.exit(1)
    print("browser check passed: %d documents show their title, grid, words and solver's "
          "lines and no hidden phrase; %d broken copies refused" % (len(cases), len(mutated)))
    if len(sys.argv) == 2:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
