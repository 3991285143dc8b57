"""The game as scripts/play starts it speaks Italian in Wine's texts too: started
through the tree's wine-play (on the test prefix, which a bare X server needs),
"Chiudi" asks "Vuoi realmente uscire?" with the buttons "Sì" and "No", read from
the question's own controls; No leaves the game running, and "Chiudi" answered
Yes ends it with exit code 0. The question's picture is saved under
<tree>/e2e/italian/."""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "drive"))

from lurnawindow import TITLE, Failure, Game, find_windows, window_geometry  # noqa: E402
from playwrapper import play_wrapper_on_test_prefix  # noqa: E402
from session import EXIT_TITLE, close_answering_yes, wait_for_window, wait_gone  # noqa: E402
from monkey import no_button_centre  # noqa: E402

QUESTION = "Vuoi realmente uscire?"
BUTTONS = ["Sì", "No"]


def window_texts(tree, title):
    """(class, text) of each control of the top-level window of that title, read
    by tools/windowtexts in the same Wine session."""
    helper = os.path.join(tree, "tools", "windowtexts", "window-texts.exe")
    result = subprocess.run([os.path.join(tree, "wine-run"), helper, title], capture_output=True, timeout=60)
    if result.returncode != 0:
        raise Failure("window-texts %r failed: %s" % (title, result.stdout.decode("utf-8", "replace").strip()))
    lines = result.stdout.decode("utf-8").splitlines()
    return [tuple(line.split("\t", 1)) for line in lines if "\t" in line]


def run(tree, out, log):
    game = Game(tree, os.path.join(out, "wine.log"), runner=play_wrapper_on_test_prefix(tree, out))
    try:
        game.start()
        game.wait_window(60)
        game.settled(quiet=0.2)
        game.press_button("close")
        box = wait_for_window(game, EXIT_TITLE, 5)
        texts = window_texts(tree, EXIT_TITLE)
        buttons = [text.replace("&", "") for kind, text in texts if kind == "Button"]
        statics = [text for kind, text in texts if kind == "Static" and text]
        frame = game.frame
        x, y, width, height = window_geometry(box)
        left, top = min(frame[0], x), min(frame[1], y)
        right, bottom = max(frame[0] + frame[2], x + width), max(frame[1] + frame[3], y + height)
        game.screen.picture(left, top, right - left, bottom - top).save_png(os.path.join(out, "question.png"))
        log("the exit question: %s, buttons %s" % (statics, buttons))
        if statics != [QUESTION] or buttons != BUTTONS:
            raise Failure("the exit question reads %s with the buttons %s, not %r with %s"
                          % (statics, buttons, QUESTION, BUTTONS))
        game.screen.click(*no_button_centre(x, y, width, height))
        wait_gone(game, EXIT_TITLE, 5, "the exit question after No")
        time.sleep(0.3)
        game.check_running()
        if not find_windows(TITLE):
            raise Failure("the game window went away after No")
        log('"No": the game goes on')
        code = close_answering_yes(game)
        log('"Chiudi", "S\u00ec": exit code %d' % code)
        if code != 0:
            raise Failure("exit code %d, not 0" % code)
    finally:
        game.kill()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tree", required=True, help="the Windows build tree, e.g. build/win64")
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        print("no X display: run under xvfb-run (scripts/test does)")
        return 1
    # A desktop in another language: the wrapper alone must make Wine speak Italian.
    for name in [n for n in os.environ if n.startswith("LC_") or n == "LANGUAGE"]:
        del os.environ[name]
    os.environ["LANG"] = "C.UTF-8"
    tree = os.path.abspath(args.tree)
    out = os.path.join(tree, "e2e", "italian")
    t0 = time.monotonic()

    def log(text):
        print("%5.1f s  %s" % (time.monotonic() - t0, text), flush=True)

    try:
        run(tree, out, log)
    except Failure as failure:
        print("FAILED: %s" % failure, flush=True)
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
