"""A match played as two people would, in a real window under Xvfb, with
real key events; everything checked is read from outside the process."""
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from realwindow import Accessible, Desktop, check, summary  # noqa: E402

def wait_for_status(ui, predicate, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        status = ui.status()
        if predicate(status):
            return status
        time.sleep(0.02)
    return ui.status()


class Players:
    """The rules as the players see them: who counts with which key."""

    def __init__(self):
        self.expect = {1: "a", 2: "l"}
        self.total = {1: 0, 2: 0}

    def typed(self, key):
        for player, pair in ((1, "as"), (2, "lk")):
            if key == self.expect[player]:
                self.total[player] += 1
                self.expect[player] = pair[1] if key == pair[0] else pair[0]


def main(binary, artefacts):
    home = tempfile.mkdtemp(prefix="klopfomat-home-")
    desktop = Desktop(home)
    try:
        game = desktop.start_game(binary)
        ui = Accessible()
        check(ui.status() == "Starte im Menu [Datei] neues Spiel...", "starts idle")

        desktop.key("alt+d", "n")  # "&Datei", "&Neues Spiel"
        check(wait_for_status(ui, lambda s: s == "Bereit zum spielen...", 3) == "Bereit zum spielen...",
              "new game through the menu mnemonics")

        desktop.key("Return")  # the default button
        seen = []
        for left in (4, 3, 2, 1):
            seen.append(wait_for_status(ui, lambda s, left=left: s == f"Spielbeginn in {left}s", 3))
        check(seen == [f"Spielbeginn in {n}s" for n in (4, 3, 2, 1)], f"countdown texts {seen}")
        desktop.key("a", "l")  # still the countdown: counts for nobody
        time.sleep(1.1)        # play begins at the fifth countdown tick

        players = Players()
        plays = []
        for second in range(1, 30):
            if second <= 12:
                keys = ["a", "s"] * (second % 4 + 1) + ["l", "k", "l", "k"]
                if second == 3:
                    keys += ["A", "S", "L", "K", "shift+a"]  # upper case counts for nobody
                desktop.key(*keys, delay_ms=8)
                for k in keys:
                    players.typed(k)
            if second == 5:
                # One key held for over a second, auto-repeating: one count.
                desktop.xdotool("keydown", players.expect[1])
                time.sleep(1.2)
                desktop.xdotool("keyup", players.expect[1])
                players.typed(players.expect[1])
            if second == 8:
                # The close confirmation, answered with Escape, mid-match.
                desktop.key("alt+F4")
                desktop.wait_for_window("^Bestätigung$")
                desktop.key("a", "l")  # typed into the dialog: not counted
                desktop.key("Escape")
                check(desktop.window_gone("^Bestätigung$"), "Escape keeps the game running")
                time.sleep(0.2)
            plays.append(wait_for_status(ui, lambda s, n=30 - second: s == f"Spielzeit -{n}s", 5))
        check(plays == [f"Spielzeit -{n}s" for n in range(29, 0, -1)], "play texts in order")

        verdict = wait_for_status(ui, lambda s: "Punkte" in s, 5)
        desktop.screenshot(os.path.join(artefacts, "realwindow-after-match.png"))
        total1 = int(ui.text("Player 1: Clicks Total"))
        total2 = int(ui.text("Player 2: Clicks Total"))
        best1 = int(ui.text("Player 1: Bester Score"))
        best2 = int(ui.text("Player 2: Bester Score"))
        check(total1 == players.total[1], f"player 1 total {total1} == {players.total[1]}")
        check(total2 == players.total[2], f"player 2 total {total2} == {players.total[2]}")
        score1, score2 = best1 * total1, best2 * total2
        expected = (f"Spieler 1 hat mit {score1} Punkten gewonnen!" if score1 > score2 else
                    f"Spieler 2 hat mit {score2} Punkten gewonnen!" if score2 > score1 else
                    f"Ihr seid beide gleich gut! ({score1} Punkte)")
        check(verdict == expected, f"verdict {verdict!r} == {expected!r}")
        chart = ui.description("Player 1: Clicks pro Sekunde").split(", ")
        check(len(chart) == 30, f"chart of player 1 holds 30 counts ({len(chart)})")

        desktop.key("alt+F4")
        desktop.wait_for_window("^Bestätigung$")
        desktop.key("j")
        try:
            code = game.wait(timeout=5)
        except Exception:
            code = None
        check(code == 0, f"J ends the program with exit code 0 ({code})")
        leftovers = [os.path.join(d, f) for d, _, files in os.walk(home) for f in files]
        check(not leftovers, f"nothing written to HOME or the XDG folders {leftovers}")
    finally:
        desktop.close()

    return summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "."))
