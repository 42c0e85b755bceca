#!/usr/bin/env python3
"""The phone page end to end, on 127.0.0.1 only: `ravemo-cli watch` on the simulator, the page
in headless Chromium driven over its DevTools pipe. Checks that the page's SWR and the chart's
words (range, dip) are what `ravemo-cli analyse` makes of the same sweep, that it updates, that
a wrong token gets 403 and nothing else, that a ninth live connection is refused, and that the
page says the connection is lost when the server stops.

    page_e2e.py RAVEMO_CLI [--screenshot PNG]   (exit 77: Chromium is missing)

With --screenshot, a phone-sized picture of the page is saved too (for the manual)."""
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

SETTINGS = "[PARAMETERS]\nFMax=30000000\nFMin=1000000\nChamp=400\nStep=1\n[PORTSETTING]\nAddress1=888\n"
FROM_MHZ, TO_MHZ = "13", "15.5"
SKIP = 77


class Browser:
    """Chromium with --remote-debugging-pipe: JSON messages ending in NUL on fds 3 and 4."""

    def __init__(self, profile, width=390, height=844):
        binary = shutil.which("chromium") or shutil.which("chromium-browser")
        if binary is None:
            print("SKIP: chromium is not installed (./ravemo.sh installs it)")
            sys.exit(SKIP)
        to_child_r, self.to_child = os.pipe()
        self.from_child, from_child_w = os.pipe()

        # Our pipes are not inherited (close-on-exec); the copies on 3 and 4 are.
        def wire():
            # Out of the way first, so that neither end lands on the other's number.
            reading, writing = os.dup(to_child_r), os.dup(from_child_w)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        self.process = subprocess.Popen(
            [binary, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--remote-debugging-pipe", "--user-data-dir=" + profile,
             f"--window-size={width},{height}", "about:blank"],
            close_fds=False, preexec_fn=wire,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_child_r)
        os.close(from_child_w)
        self.width, self.height = width, height
        self.next_id = 0
        self.buffer = b""
        self.session = None

    def call(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_child, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                chunk = os.read(self.from_child, 65536)
                if not chunk:
                    raise RuntimeError("chromium closed its DevTools pipe")
                self.buffer += chunk
            raw, self.buffer = self.buffer.split(b"\0", 1)
            reply = json.loads(raw)
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]

    def open(self, url):
        target = self.call("Target.createTarget", {"url": url}, session=False)["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        self.call("Emulation.setDeviceMetricsOverride", {"width": self.width, "height": self.height,
                                                         "deviceScaleFactor": 1, "mobile": True})

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", {"expression": expression, "awaitPromise": True,
                                                "returnByValue": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, what, seconds=15):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.1)
        state = self.evaluate("document.getElementById('connection') && "
                              "document.getElementById('connection').textContent")
        raise AssertionError(f"the page never showed {what} ({expression}); it says: {state}")

    def close(self):
        self.process.kill()
        self.process.wait()


def run(cli, *words, settings):
    return subprocess.run([cli, "--settings", settings, *words], check=True, capture_output=True,
                          text=True, timeout=60).stdout


def status_of(url):
    try:
        with urllib.request.urlopen(url, timeout=5) as reply:
            return reply.status, reply.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


def main():
    cli = sys.argv[1]
    screenshot = sys.argv[sys.argv.index("--screenshot") + 1] if "--screenshot" in sys.argv else None
    work = tempfile.mkdtemp(prefix="ravemo-watch-")
    watch = browser = None
    try:
        settings = os.path.join(work, "ravemo.ini")
        with open(settings, "w") as f:
            f.write(SETTINGS)
        # The simulator is deterministic: the same limits sweep the same readings.
        reference = os.path.join(work, "reference.vec")
        run(cli, "sweep", "--port", "sim", "--from", FROM_MHZ, "--to", TO_MHZ, "--output",
            reference, settings=settings)
        analysed = json.loads(run(cli, "analyse", reference, "--json", settings=settings))
        expected_swr = f"{analysed['dips'][0]['swr']:.2f}"

        watch = subprocess.Popen([cli, "--settings", settings, "watch", "--port", "sim", "--from",
                                  FROM_MHZ, "--to", TO_MHZ, "--serve", "127.0.0.1:0"],
                                 stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        url = None
        for line in watch.stdout:
            if line.strip().startswith("http://127.0.0.1:"):
                url = line.strip()
                break
        assert url, "watch printed no address"
        token = url.split("?t=", 1)[1]
        assert len(token) == 32, url

        # Without the right token: 403 and an empty body, whatever the path.
        base = url.split("/?t=")[0]
        wrong = token[:-1] + ("0" if token[-1] != "0" else "1")
        for path in ["/", "/?t=" + wrong, "/live?t=" + wrong, "/page.html"]:
            code, body = status_of(base + path)
            assert (code, body) == (403, b""), f"{path}: {code} {body[:80]!r}"

        profile = os.path.join(work, "profile")
        browser = Browser(profile)
        browser.open(url)
        browser.wait_for("document.body && document.body.dataset.sweep", "a sweep")
        shown = browser.evaluate("document.getElementById('swr').textContent")
        assert shown == expected_swr, f"the page shows SWR {shown}, analyse says {expected_swr}"
        # The chart's words for a phone's screen reader: the range swept, the dip and its SWR.
        words = browser.evaluate("document.getElementById('chart').getAttribute('aria-label')")
        dip = f"dip at {analysed['dips'][0]['frequency_hz'] / 1e6:.4f} MHz, SWR {expected_swr}"
        assert f"from {float(FROM_MHZ):.3f} to {float(TO_MHZ):.3f} MHz" in words and dip in words, \
            f"the chart says {words!r}, analyse says {dip}"
        first = int(browser.evaluate("document.body.dataset.sweep"))
        browser.wait_for(f"Number(document.body.dataset.sweep) > {first}", "a newer sweep")
        assert browser.evaluate("document.getElementById('connection').textContent") \
            .startswith("Connected")
        if screenshot:
            time.sleep(0.5)
            import base64
            picture = browser.call("Page.captureScreenshot", {"format": "png"})["data"]
            with open(screenshot, "wb") as f:
                f.write(base64.b64decode(picture))

        # The page holds one live connection; seven more fill the eight, the ninth is refused.
        live = f"ws://{base[len('http://'):]}/live?t={token}"
        reasons = browser.evaluate(f"""(async () => {{
            const open = (url) => new Promise((done) => {{
                const s = new WebSocket(url);
                s.onmessage = () => done({{open: true, socket: s}});
                s.onclose = (e) => done({{open: false, reason: e.reason}});
            }});
            window.extra = [];
            for (let i = 0; i < 7; ++i) window.extra.push(await open("{live}"));
            const ninth = await open("{live}");
            return [window.extra.filter((r) => r.open).length, ninth.open, ninth.reason];
        }})()""")
        assert reasons[0] == 7 and reasons[1] is False and "too many" in reasons[2], reasons

        # A stopped server: the page says the connection is lost.
        watch.send_signal(signal.SIGTERM)
        out, err = watch.communicate(timeout=15)
        assert watch.returncode == 0, f"watch ended with {watch.returncode}: {err}"
        assert "stopped watching after" in out, out
        browser.wait_for("document.getElementById('connection').textContent"
                         ".startsWith('Connection lost')", "the lost connection")
        print(f"the page showed SWR {shown} as analyse does, updated, refused the ninth "
              "connection and showed the lost connection")
        return 0
    finally:
        if browser:
            browser.close()
        if watch and watch.poll() is None:
            watch.kill()
            watch.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
