"""A real X server for end-to-end tests: Xvfb with a window manager, an
accessibility bus, the game started in it, real key events through xdotool,
and what the windows show read back over AT-SPI, from outside the process.

Runs with Debian's python3 (for the AT-SPI bindings) inside dbus-run-session."""
import os
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


failures = []
passed = 0


def check(condition, message):
    """Prints one result line; the failures decide the exit code."""
    global passed
    print(("ok   " if condition else "FAIL ") + message, flush=True)
    if condition:
        passed += 1
    else:
        failures.append(message)


def summary():
    """Prints the closing line and returns the exit code."""
    print(f"{passed} passed, {len(failures)} failed", flush=True)
    return 1 if failures else 0


class Desktop:
    def __init__(self, workdir):
        self.workdir = workdir
        self.processes = []
        self.display = self._start_xvfb()
        self.env = dict(os.environ, DISPLAY=self.display)
        for name in ("QT_QPA_PLATFORM", "QT_STYLE_OVERRIDE", "WAYLAND_DISPLAY"):
            self.env.pop(name, None)
        self._spawn(["openbox", "--sm-disable"])
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        time.sleep(0.5)

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(xvfb)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return ":" + number

    def _spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start_game(self, binary, *arguments):
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   HOME=self.workdir, XDG_CONFIG_HOME=os.path.join(self.workdir, "config"),
                   XDG_CACHE_HOME=os.path.join(self.workdir, "cache"),
                   XDG_DATA_HOME=os.path.join(self.workdir, "data"))
        self.game = subprocess.Popen([binary, *arguments], env=env, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE)
        self.wait_for_window("^Klopfomat$")
        return self.game

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def key(self, *keys, delay_ms=12):
        self.xdotool("key", "--clearmodifiers", "--delay", str(delay_ms), *keys)

    def wait_for_window(self, name, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                                    env=self.env, capture_output=True, text=True)
            if result.stdout.strip():
                return result.stdout.split()[0]
            time.sleep(0.05)
        raise AssertionError(f"no window named {name!r}")

    def window_gone(self, name, timeout=5):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                                    env=self.env, capture_output=True, text=True)
            if not result.stdout.strip():
                return True
            time.sleep(0.05)
        return False

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       env=self.env, check=False)

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()


class Accessible:
    """What the game's windows show, read over the accessibility bus."""

    def __init__(self, app_name="Klopfomat", timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_name() == app_name:
                    self.app = app
                    return
            time.sleep(0.1)
        raise AssertionError("the game is not on the accessibility bus")

    def _walk(self, node, depth=0):
        yield node
        if depth > 12:
            return
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                yield from self._walk(child, depth + 1)

    def find(self, name):
        for node in self._walk(self.app):
            if node.get_name() == name:
                return node
        raise AssertionError(f"nothing named {name!r}")

    def text(self, name):
        node = self.find(name)
        text = node.get_text_iface()
        return Atspi.Text.get_text(text, 0, -1) if text else node.get_name()

    def status(self):
        bar = self.find("Statuszeile")
        for i in range(bar.get_child_count()):
            child = bar.get_child_at_index(i)
            if child is not None and child.get_role() == Atspi.Role.LABEL:
                return child.get_name()
        raise AssertionError("the status line has no panel")

    def left_edge(self, name):
        component = self.find(name).get_component_iface()
        return component.get_extents(Atspi.CoordType.SCREEN).x

    def description(self, name):
        return self.find(name).get_description()
