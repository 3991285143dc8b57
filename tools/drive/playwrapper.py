"""The wrapper that scripts/play starts the game with (a tree's wine-play), made
to run on the tree's test prefix: the player's own environment (the loader, the
Italian locale, the Wine settings) on the prefix whose windows Wine frames itself,
which a bare X server with no window manager needs."""

import os
import stat

from lurnawindow import Failure


def play_wrapper_on_test_prefix(tree, folder):
    """Writes into folder a copy of tree/wine-play whose only change is its
    prefix, tree/wineprefix for tree/playprefix, and returns its path."""
    tree = os.path.abspath(tree)
    with open(os.path.join(tree, "wine-play")) as f:
        text = f.read()
    line = 'export WINEPREFIX="%s"\n'
    play, test = line % os.path.join(tree, "playprefix"), line % os.path.join(tree, "wineprefix")
    if text.count(play) != 1:
        raise Failure("%s/wine-play does not set the player's prefix in one line %r" % (tree, play.strip()))
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "wine-play-on-test-prefix")
    with open(path, "w") as f:
        f.write(text.replace(play, test))
    os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
    return path
