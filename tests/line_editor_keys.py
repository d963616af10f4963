"""The line editor's own keys, typed into the real program through a
pseudo-terminal: Up recalls the line before, Ctrl-R finds an earlier line,
Ctrl-D deletes the character under the cursor (nothing at the end of a line)
and ends the input on an empty line. Each answer is typed once the program
has drawn its prompt. Usage: line_editor_keys.py HARAVOIJA (a build with
libedit). Exits 1 on the first difference.
"""

import os
import pty
import signal
import sys
import tempfile
import termios
import time

SECONDS = 300
UP, LEFT, CTRL_D, CTRL_E, CTRL_R = b"\x1b[A", b"\x1b[D", b"\x04", b"\x05", b"\x12"


def main():
    # A hang fails the test (the child is killed on the way out).
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("no answer in %d s" % SECONDS))
    signal.alarm(SECONDS)
    with tempfile.TemporaryDirectory(prefix="haravoija-pty-") as home:
        # A known UTF-8 locale (the program converts its CP850 to it), a known
        # terminal and no ~/.editrc of the user's.
        env = {**os.environ, "LC_ALL": "C.UTF-8", "TERM": "xterm", "HOME": home}
        binary = os.path.abspath(sys.argv[1])
        pid, terminal = pty.fork()
        if pid == 0:
            try:
                os.chdir(home)
                os.execve(binary, [binary], env)
            finally:
                os._exit(127)
        try:
            talk(terminal)
            os.waitpid(pid, 0)
            pid = 0
        finally:
            if pid:
                os.kill(pid, 9)


def read_until(terminal, ending):
    """What the program writes up to and including `ending`."""
    seen = b""
    while not seen.endswith(ending):
        try:
            chunk = os.read(terminal, 4096)
        except OSError:  # the program has closed the terminal
            chunk = b""
        if not chunk:
            sys.exit("no %r after:\n%r" % (ending, seen[-1000:]))
        seen += chunk
    return seen


def wait_for_editing(terminal):
    """Waits until the line editor has the terminal (no line discipline): the
    prompt comes first, and keys typed before would reach a cooked terminal.
    The master's settings are the terminal's."""
    while termios.tcgetattr(terminal)[3] & termios.ICANON:
        time.sleep(0.01)


def talk(terminal):
    prompt = b"\r\n> "
    read_until(terminal, prompt)
    # Each word taken as the next: kissa, kissat, koira, hevonen, koirat, hiiri, pöllö.
    words = [b"kissa\r", UP + b"t\r", b"koira\r", b"hevonen\r", CTRL_R + b"koi" + CTRL_E + b"t\r",
             b"hiirix" + CTRL_D + LEFT + CTRL_D + b"\r", "pöllö\r".encode()]
    # (keys typed, what the program must then show)
    steps = [(b"kokeilu\r", "Anna ensimmäinen sana / tiedosto.\r\n> "),
             *((keys, "yhteensä %d. Anna seuraava sana.\r\n> " % n)
               for n, keys in enumerate(words, 1)),
             (b"N\r", "Annetut sanat:\r\nkissa    kissat   koira    hevonen  koirat   hiiri    "
                      "pöllö    \r\nSanoja annettu yhteensä 7.\r\n> "),
             (CTRL_D, "2. Lasten ristikko (sanat vain oikealle ja alas)\r\n> "),
             (CTRL_D, "Kiitos ohjelman käytöstä!\r\n")]
    for keys, shown in steps:
        wait_for_editing(terminal)
        os.write(terminal, keys)
        shown = shown.encode()
        seen = read_until(terminal, prompt if shown.endswith(prompt) else shown)
        if not seen.endswith(shown):
            sys.exit("after %r the program showed:\n%r\nnot ending in:\n%r" % (keys, seen, shown))
    print("line editor keys: ok")


if __name__ == "__main__":
    main()
