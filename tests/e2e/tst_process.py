"""How the process starts and ends: without a display it says so in one
line and exits with 1; arguments change nothing; SIGTERM and SIGHUP in the
middle of a match end it at once with exit code 0, without the close
confirmation."""
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from realwindow import Accessible, Desktop, check, summary  # noqa: E402

def no_display(binary):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    result = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=20)
    lines = result.stderr.splitlines()
    check(result.returncode == 1, f"no display: exit code 1 ({result.returncode})")
    check(len(lines) == 1 and "display" in lines[0], f"no display: one clear line {lines}")


def terminated_mid_match(desktop, binary, signum, wait_for):
    game = desktop.start_game(binary)
    ui = Accessible()
    desktop.key("alt+d", "n")
    desktop.key("Return")
    deadline = time.monotonic() + 10
    while not ui.status().startswith(wait_for) and time.monotonic() < deadline:
        time.sleep(0.02)
    check(ui.status().startswith(wait_for), f"{signum.name}: reached {wait_for!r}")
    sent = time.monotonic()
    game.send_signal(signum)
    code = game.wait(timeout=5)
    took_ms = (time.monotonic() - sent) * 1000
    print(f"     {signum.name} to exit: {took_ms:.1f} ms", flush=True)
    check(code == 0, f"{signum.name}: exit code 0 ({code})")
    check(took_ms < 2000, f"{signum.name}: ends at once")
    found = subprocess.run(["xdotool", "search", "--name", "^Bestätigung$"], env=desktop.env,
                           capture_output=True, text=True).stdout.strip()
    check(not found, f"{signum.name}: no confirmation asked")


def arguments_ignored(desktop, binary):
    """The game takes no command line: Qt's own options do nothing either."""
    game = desktop.start_game(binary, "-reverse", "-style", "windows",
                              "-stylesheet", "/nonexistent.qss", "extra")
    ui = Accessible()
    check(ui.status() == "Starte im Menu [Datei] neues Spiel...", "arguments: the usual start")
    check(ui.left_edge("Datei") < ui.left_edge("Hilfe"),
          "arguments: -reverse leaves the menu left to right")
    game.send_signal(signal.SIGTERM)
    check(game.wait(timeout=5) == 0, "arguments: ends as usual")
    check(b"stylesheet" not in game.stderr.read(), "arguments: no style sheet read")


def main(binary):
    no_display(binary)
    # One desktop for both: the accessibility client binds to one bus.
    desktop = Desktop(tempfile.mkdtemp(prefix="klopfomat-home-"))
    try:
        arguments_ignored(desktop, binary)
        terminated_mid_match(desktop, binary, signal.SIGTERM, "Spielzeit -")
        terminated_mid_match(desktop, binary, signal.SIGHUP, "Spielbeginn in ")
    finally:
        desktop.close()
    return summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
