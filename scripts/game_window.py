"""What the scripts that play the real window share: xdotool and screenshots on the display
of the environment, and starting the game until its window is active."""
import os, subprocess, time

env = dict(os.environ)


def x(*args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout


def shot(path):
    subprocess.run(["import", "-window", "root", path], env=env)


def start_game(bin_dir):
    """Starts the game and activates its window; returns the process."""
    game = subprocess.Popen([bin_dir + "/tessel-sudoku"], env=env)
    time.sleep(2.5)
    win = x("search", "--name", "Tessel Sudoku \\(V2.0\\)").split()[0]
    x("windowactivate", win)
    time.sleep(0.5)
    return game


def message_shown(title):
    return bool(x("search", "--onlyvisible", "--name", title).split())
