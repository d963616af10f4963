"""Headless chromium driven through its DevTools protocol (python3-websocket).

A Chromium is one tab of a browser with a fresh profile; leaving its `with`
block quits it and removes the profile, also when a check fails. What is left
of chromium (its own process group) is killed, and it dies with this process.
Failures raise DriverError. `driver.py PAGE PNG WIDTH HEIGHT` saves a
screenshot of a page.
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
import sys
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
# Key name -> (key code, text typed), for press.
KEYS = {"Enter": (13, "\r"), " ": (32, " "), "ArrowLeft": (37, ""), "ArrowUp": (38, ""),
        "ArrowRight": (39, ""), "ArrowDown": (40, "")}


class DriverError(RuntimeError):
    pass


class Chromium:
    def __init__(self, width=800, height=600, timeout=60):
        """Starts chromium with a viewport of width x height CSS pixels;
        `timeout` seconds bound every wait."""
        self.timeout, self.process, self.socket, self.events, self.sent = timeout, None, None, [], 0
        self.profile = pathlib.Path(tempfile.mkdtemp(prefix="haravoija-chromium-"))
        try:
            with open(self.profile / "stderr.txt", "wb") as stderr:
                self.process = subprocess.Popen(
                    [CHROMIUM, *FLAGS, "--user-data-dir=%s" % self.profile, "about:blank"],
                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=stderr,
                    start_new_session=True,  # PR_SET_PDEATHSIG: dies with this process
                    preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL))
            # Chromium names its port and the browser's path once it listens.
            active, deadline = self.profile / "DevToolsActivePort", time.monotonic() + timeout
            while not (active.exists() and len(active.read_text().split("\n")) > 1):
                if self.process.poll() is not None or time.monotonic() > deadline:
                    raise DriverError("chromium did not start: " + (
                        self.profile / "stderr.txt").read_text(errors="replace")[-2000:])
                time.sleep(0.05)
            port, path = active.read_text().split("\n")[:2]
            self.socket = websocket.create_connection(
                "ws://127.0.0.1:%s%s" % (port, path), timeout=timeout, suppress_origin=True)
            target = self.call("Target.createTarget", url="about:blank", session=None)
            self.session = self.call("Target.attachToTarget", targetId=target["targetId"],
                                     flatten=True, session=None)["sessionId"]
            self.call("Page.enable")
            self.call("Page.setLifecycleEventsEnabled", enabled=True)
            self.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                      deviceScaleFactor=1, mobile=False)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *error):
        self.close()

    def close(self):
        """Quits chromium, kills what is left of it and removes the profile."""
        try:
            if self.socket is not None:
                self.call("Browser.close", session=None)
                self.process.wait(10)
        except (DriverError, OSError, websocket.WebSocketException, subprocess.TimeoutExpired):
            pass
        if self.socket is not None:
            self.socket.close()
        try:  # the renderers and helpers too, until they are gone
            for _ in range(int(self.timeout * 20) if self.process else 0):
                os.killpg(self.process.pid, signal.SIGKILL)
                time.sleep(0.05)
        except ProcessLookupError:
            pass
        if self.process is not None:
            self.process.wait()
        self.socket = self.process = None
        shutil.rmtree(self.profile, ignore_errors=True)

    def call(self, method, session="page", **params):
        """Sends one command (to the page, or with session=None to the
        browser) and returns its result."""
        self.sent += 1
        message = {"id": self.sent, "method": method, "params": params}
        if session is not None:
            message["sessionId"] = self.session
        self.socket.send(json.dumps(message))
        reply = self._receive(lambda m: m.get("id") == self.sent)
        if "error" in reply:
            raise DriverError("%s: %s" % (method, reply["error"].get("message")))
        return reply["result"]

    def _receive(self, wanted):
        """The first message `wanted` accepts; events until then are kept."""
        deadline = time.monotonic() + self.timeout
        while time.monotonic() < deadline:
            try:
                message = json.loads(self.socket.recv())
            except (websocket.WebSocketException, OSError) as error:
                raise DriverError("DevTools connection: %r" % error)
            if wanted(message):
                return message
            self.events.append(message)
        raise DriverError("no answer from chromium in %d s" % self.timeout)

    def _lifecycle(self, name, loader=None):
        """The page's lifecycle event `name` (of document `loader`), kept or to come."""
        def wanted(m):
            return (m.get("method") == "Page.lifecycleEvent" and m["params"]["name"] == name
                    and loader in (None, m["params"]["loaderId"]))
        kept = [i for i, m in enumerate(self.events) if wanted(m)]
        message = self.events[kept[0]] if kept else self._receive(wanted)
        del self.events[:kept[0] + 1 if kept else len(self.events)]
        return message["params"]["loaderId"]

    def _load(self, method, **params):
        """Navigates and waits for the load event of the document it makes,
        not for that of a document before it."""
        self.events = []
        result = self.call(method, **params)
        if result.get("errorText"):
            raise DriverError("%s %s: %s" % (method, params, result["errorText"]))
        self._lifecycle("load", result.get("loaderId") or self._lifecycle("init"))

    def open(self, page):
        """Loads a file (a path) or a URL and waits for its load event."""
        self._load("Page.navigate", url=page.as_uri() if isinstance(page, pathlib.Path) else page)

    def reload(self):
        self._load("Page.reload")

    def evaluate(self, expression):
        """The value of a JavaScript expression; a promise is awaited, so
        the page can be waited for in JavaScript."""
        reply = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                          awaitPromise=True)
        if "exceptionDetails" in reply:
            details = reply["exceptionDetails"]
            raise DriverError("JavaScript: %s" % details.get("exception", details).get(
                "description", details.get("text")))
        return reply["result"].get("value")

    def pdf(self, **options):
        """The page printed to PDF (bytes): on A4, chromium's default margins, no
        header or footer, unless `options` of Page.printToPDF say otherwise."""
        params = {**A4, "displayHeaderFooter": False, **options}
        return base64.b64decode(self.call("Page.printToPDF", **params)["data"])

    def screenshot(self):
        """The viewport as PNG bytes."""
        return base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])

    def drag(self, points, touch=False):
        """Presses at the first point, moves through the others and lets go
        at the last; one point makes a click or a tap."""
        if touch:
            for number, (x, y) in enumerate(points):
                self.call("Input.dispatchTouchEvent", type="touchMove" if number else "touchStart",
                          touchPoints=[{"x": x, "y": y}])
            self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
            return
        for kind, (x, y), buttons in [("mouseMoved", points[0], 0), ("mousePressed", points[0], 1),
                                      *(("mouseMoved", p, 1) for p in points[1:]),
                                      ("mouseReleased", points[-1], 0)]:
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, buttons=buttons,
                      button="none" if kind == "mouseMoved" and not buttons else "left",
                      clickCount=0 if kind == "mouseMoved" else 1)

    def press(self, key):
        """Presses and releases a key of KEYS, or one printable character."""
        code, text = KEYS[key] if key in KEYS else (ord(key.upper()), key)
        common = {"key": key, "windowsVirtualKeyCode": code, "nativeVirtualKeyCode": code}
        self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown",
                  text=text, **common)
        self.call("Input.dispatchKeyEvent", type="keyUp", **common)


def pdf_pages(pdf):
    """The size of each page, in whole points, of a PDF that chromium printed."""
    return [(round(float(w)), round(float(h))) for w, h in
            re.findall(rb"/MediaBox\s*\[\s*0 0 ([\d.]+) ([\d.]+)\s*\]", pdf)]


if __name__ == "__main__":
    page, png, width, height = sys.argv[1:]
    with Chromium(int(width), int(height)) as browser:
        browser.open(pathlib.Path(page).resolve())
        pathlib.Path(png).write_bytes(browser.screenshot())
