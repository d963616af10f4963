"""Headless chromium driven through its DevTools protocol, for the browser
checks.

    with driver.Chromium() as browser:
        browser.open(page)                     # a file, waits for its load event
        browser.evaluate("document.title")     # a JavaScript value, as Python
        browser.drag([(10, 10), (90, 10)])     # mouse or touch input
        pages = driver.pdf_pages(browser.pdf())

Each Chromium is a fresh profile in a temporary folder and one page (tab).
Leaving the `with` block closes the browser and removes the profile, also
when a check fails: chromium runs in a process group of its own, which is
killed if it does not quit in time, and it is told to die with this process
should that be killed first. Any failure raises DriverError.

Needs Debian's chromium and python3-websocket (`import websocket`).
"""

import base64
import ctypes
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import tempfile
import time

import websocket

CHROMIUM = os.environ.get("CHROMIUM", "/usr/bin/chromium")
# What headless chromium needs on this machine: no sandbox (tests run as
# root), no GPU, and no traffic of its own to the network.
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--hide-scrollbars", "--remote-debugging-port=0"]
A4 = {"paperWidth": 210 / 25.4, "paperHeight": 297 / 25.4}  # inches
# Key name -> (key code, text typed) for Chromium.press.
KEYS = {"Enter": (13, "\r"), " ": (32, " "), "Escape": (27, ""), "Tab": (9, ""),
        "Backspace": (8, ""), "ArrowLeft": (37, ""), "ArrowUp": (38, ""),
        "ArrowRight": (39, ""), "ArrowDown": (40, "")}


class DriverError(RuntimeError):
    pass


def _die_with_parent():
    # PR_SET_PDEATHSIG: chromium gets SIGKILL when this process is gone.
    ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGKILL)


class Chromium:
    def __init__(self, width=800, height=600, timeout=60):
        """Starts chromium with a viewport of width x height CSS pixels;
        `timeout` seconds bound every wait."""
        self.timeout = timeout
        self.profile = pathlib.Path(tempfile.mkdtemp(prefix="haravoija-chromium-"))
        self.process, self.socket, self.events, self.next_id = None, None, [], 0
        try:
            with open(self.profile / "stderr.txt", "wb") as stderr:
                self.process = subprocess.Popen(
                    [CHROMIUM, *FLAGS, "--user-data-dir=" + str(self.profile), "about:blank"],
                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=stderr,
                    start_new_session=True, preexec_fn=_die_with_parent)
            port, path = self._active_port()
            self.socket = websocket.create_connection("ws://127.0.0.1:%s%s" % (port, path),
                                                      timeout=timeout, suppress_origin=True)
            target = self.call("Target.createTarget", url="about:blank", session=None)
            self.session = self.call("Target.attachToTarget", targetId=target["targetId"],
                                     flatten=True, session=None)["sessionId"]
            self.call("Page.enable")
            self.set_viewport(width, height)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()

    def _active_port(self):
        """Port and browser path chromium writes into the profile once it listens."""
        active = self.profile / "DevToolsActivePort"
        deadline = time.monotonic() + self.timeout
        while time.monotonic() < deadline:
            lines = active.read_text().split("\n") if active.exists() else []
            if len(lines) >= 2 and lines[1]:
                return lines[0], lines[1]
            if self.process.poll() is not None:
                break
            time.sleep(0.05)
        raise DriverError("chromium did not start: " + self.stderr())

    def stderr(self):
        path = self.profile / "stderr.txt"
        return path.read_text(errors="replace")[-2000:] if path.exists() else ""

    def close(self):
        """Quits chromium (killing what is left of it) and removes the profile."""
        if self.socket is not None:
            try:
                self.call("Browser.close", session=None)
            except (DriverError, OSError, websocket.WebSocketException):
                pass
            self.socket.close()
            self.socket = None
        if self.process is not None:
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                pass
            # The renderers and helpers too, and until they are gone.
            deadline = time.monotonic() + self.timeout
            try:
                while time.monotonic() < deadline:
                    os.killpg(self.process.pid, signal.SIGKILL)
                    time.sleep(0.05)
            except ProcessLookupError:
                pass
            self.process.wait()
            self.process = None
        shutil.rmtree(self.profile, ignore_errors=True)

    def call(self, method, session="page", **params):
        """Sends one command (to the page, or with session=None to the
        browser) and returns its result; events that come meanwhile are kept."""
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session is not None:
            message["sessionId"] = self.session
        self.socket.send(json.dumps(message))
        reply = self._receive(lambda m: m.get("id") == self.next_id)
        if "error" in reply:
            raise DriverError("%s: %s" % (method, reply["error"].get("message")))
        return reply["result"]

    def _receive(self, wanted):
        deadline = time.monotonic() + self.timeout
        while time.monotonic() < deadline:
            try:
                message = json.loads(self.socket.recv())
            except (websocket.WebSocketException, OSError) as error:
                raise DriverError("DevTools connection: %r %s" % (error, self.stderr()))
            if wanted(message):
                return message
            if "method" in message:
                self.events.append(message)
        raise DriverError("no answer from chromium in %d s" % self.timeout)

    def wait_event(self, method):
        """The first event `method` since the last wait, waiting for it."""
        for i, event in enumerate(self.events):
            if event["method"] == method:
                del self.events[:i + 1]
                return event["params"]
        self.events.clear()
        return self._receive(lambda m: m.get("method") == method)["params"]

    def open(self, page):
        """Loads a file (a path) or URL and waits for its load event."""
        url = page.as_uri() if isinstance(page, pathlib.Path) else page
        self.events.clear()
        result = self.call("Page.navigate", url=url)
        if result.get("errorText"):
            raise DriverError("cannot open %s: %s" % (url, result["errorText"]))
        self.wait_event("Page.loadEventFired")

    def reload(self):
        self.events.clear()
        self.call("Page.reload")
        self.wait_event("Page.loadEventFired")

    def evaluate(self, expression):
        """The value of a JavaScript expression (a promise is awaited); a
        thrown exception raises DriverError."""
        reply = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                          awaitPromise=True)
        if "exceptionDetails" in reply:
            details = reply["exceptionDetails"]
            raise DriverError("JavaScript: %s" % details.get("exception", {}).get(
                "description", details.get("text")))
        return reply["result"].get("value")

    def wait_for(self, expression):
        """Evaluates `expression` until it is true, and returns its value."""
        deadline = time.monotonic() + self.timeout
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.05)
        raise DriverError("still false after %d s: %s" % (self.timeout, expression))

    def html(self):
        """The document as it is now, serialised (comments included)."""
        return self.evaluate("document.documentElement.outerHTML")

    def pdf(self, **options):
        """The page printed to PDF (bytes). By default on A4 with chromium's
        default margins and no header or footer; `options` are those of
        Page.printToPDF (paperWidth in inches, preferCSSPageSize, ...)."""
        params = {**A4, "displayHeaderFooter": False, **options}
        return base64.b64decode(self.call("Page.printToPDF", **params)["data"])

    def emulate_media(self, media):
        """"print" or "screen"; "" for the page's own."""
        self.call("Emulation.setEmulatedMedia", media=media)

    def set_viewport(self, width, height, scale=1, mobile=False):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=scale, mobile=mobile)

    def screenshot(self):
        """The viewport as PNG bytes."""
        return base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])

    def mouse(self, kind, x, y, buttons=0):
        """One mouse event: kind is mousePressed, mouseMoved or mouseReleased;
        a press or release is of the left button."""
        button = "left" if kind != "mouseMoved" or buttons else "none"
        self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                  buttons=buttons, clickCount=0 if kind == "mouseMoved" else 1)

    def touch(self, kind, x=0, y=0):
        """One touch event of one finger: touchStart, touchMove or touchEnd."""
        points = [] if kind == "touchEnd" else [{"x": x, "y": y}]
        self.call("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def drag(self, points, touch=False):
        """Presses at the first point, moves through the others and lets go
        at the last; one point is a click or a tap."""
        if touch:
            self.touch("touchStart", *points[0])
            for x, y in points[1:]:
                self.touch("touchMove", x, y)
            self.touch("touchEnd")
            return
        self.mouse("mouseMoved", *points[0])
        self.mouse("mousePressed", *points[0], buttons=1)
        for x, y in points[1:]:
            self.mouse("mouseMoved", x, y, buttons=1)
        self.mouse("mouseReleased", *points[-1])

    def press(self, key):
        """Presses and releases a key of KEYS, or one printable character."""
        code, text = KEYS[key] if key in KEYS else (ord(key.upper()), key)
        common = {"key": key, "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code}
        self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown",
                  text=text, **common)
        self.call("Input.dispatchKeyEvent", type="keyUp", **common)

    def type_text(self, text):
        """Text entered into the focused field as if typed."""
        self.call("Input.insertText", text=text)


def pdf_pages(pdf):
    """The page count of a PDF that chromium printed."""
    return len(re.findall(rb"/Type\s*/Page\b", pdf))


def pdf_paper(pdf):
    """The set of page sizes in a PDF that chromium printed, in points."""
    return {(round(float(w)), round(float(h))) for w, h in
            re.findall(rb"/MediaBox\s*\[\s*0 0 ([\d.]+) ([\d.]+)\s*\]", pdf)}
