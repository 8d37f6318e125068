#!/usr/bin/python3
"""The game played as a blind player plays it: under Xvfb, on a private D-Bus session with the
accessibility bus, the board and the elements read through AT-SPI only, the moves made with keys
(xdotool), each move's outcome and the congratulation read back through AT-SPI, the names read
once more after a switch to Russian.

Usage: screen_reader_check.py PROGRAM. Exits 0 when every check passed."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

# The puzzle: I along the top row, L below it; every other cell of the rectangle is outside.
PUZZLE = ["XXXXX", "XXXX.", "X...."]
USED = "IL"
LETTERS = "ILYNVTZFWUXP"
NAME = "Corner"
CONGRATULATION = "Congratulations! You have solved the puzzle!"


def puzzle_bytes():
    data = b"Tessellix"
    for letter in LETTERS:
        data += bytes([1 if letter in USED else 0, 0, 0, 0])
    for row in range(31):
        word = 0
        if row < len(PUZZLE):
            for column, cell in enumerate(PUZZLE[row]):
                if cell == "X":
                    word |= 1 << column
        data += struct.pack("<I", word)
    return data + bytes(32) + (NAME + "\1" + NAME).encode("cp1251")


def expected_cells():
    """Each cell's name as this script reads the puzzle, by row and column from 1."""
    names = {}
    for row, line in enumerate(PUZZLE):
        for column, cell in enumerate(line):
            state = "free" if cell == "X" else "outside"
            names[(row + 1, column + 1)] = "row %d, column %d: %s" % (row + 1, column + 1, state)
    return names


class Failed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failed(message)


def wait_for(what, probe, timeout=10.0):
    """probe's first true answer, asked every 50 ms until timeout."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            answer = probe()
        except Exception:  # an object that went away while it was read
            answer = None
        if answer:
            return answer
        if time.monotonic() > deadline:
            raise Failed("timed out waiting for " + what)
        time.sleep(0.05)


def inner(program, folder):
    """Runs inside dbus-run-session: the bus, the game and the client."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    game = None
    try:
        import pyatspi
        from gi.repository import Atspi

        def bus_up():
            return subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

        wait_for("the accessibility bus", bus_up)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        environment.pop("QT_QPA_PLATFORM", None)
        game = subprocess.Popen([program], env=environment, cwd=folder)

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            # The desktop's children as they are now, not as first read.
            desktop.clearCache()
            for index in range(desktop.childCount):
                app = desktop.getChildAtIndex(index)
                if app is not None and "tessellix" in (app.name or "").lower():
                    return app
            return None

        try:
            app = wait_for("the game on the accessibility bus", application, 30)
        except Failed:
            desktop = pyatspi.Registry.getDesktop(0)
            raise Failed("the game (%s) is not on the accessibility bus, which has %r" % (
                "running" if game.poll() is None else "ended with %s" % game.returncode,
                [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]))
        # Nothing cached: every read asks the game, as the names change under us.
        app.setCacheMask(Atspi.Cache.NONE)

        def find(root, role, name=None):
            found = pyatspi.findDescendant(
                root, lambda a: a.getRole() == role and (name is None or a.name == name))
            return found

        board = wait_for("the board", lambda: find(app, pyatspi.ROLE_TABLE, "Board"), 20)
        check(board.description == NAME + ": 10 free cells",
              "board description: %r" % board.description)
        table = board.queryTable()
        check((table.nRows, table.nColumns) == (3, 5),
              "rows and columns: %d x %d" % (table.nRows, table.nColumns))
        cells = {}
        for row in range(table.nRows):
            for column in range(table.nColumns):
                cells[(row + 1, column + 1)] = table.getAccessibleAt(row, column).name
        check(cells == expected_cells(), "cells: %r" % cells)

        elements = find(board, pyatspi.ROLE_LIST, "Elements")
        check(elements is not None, "no element list")
        items = [elements.getChildAtIndex(i) for i in range(elements.childCount)]
        check([item.name for item in items] == ["I: at home", "L: at home"],
              "elements: %r" % [item.name for item in items])
        check(items[0].description == "; ".join("row %d, column 1" % r for r in range(1, 6)),
              "I at home: %r" % items[0].description)
        notice = find(board, pyatspi.ROLE_NOTIFICATION)
        check(notice is not None, "no notification")

        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tessellix$"],
                                capture_output=True, text=True).stdout.split()
        check(window, "no game window")

        def key(name):
            subprocess.run(["xdotool", "key", name], check=True)

        def after_key(name, item):
            """Presses a key and answers the item's name once it changed (or stayed 1 s)."""
            before = item.name
            key(name)
            try:
                return wait_for("a new name", lambda: item.name != before and item.name, 1.0)
            except Failed:
                return item.name

        def menu(name):
            """Chooses a menu item through its accessible action, as a screen reader can."""
            entry = find(app, pyatspi.ROLE_MENU_ITEM, name) or find(
                app, pyatspi.ROLE_CHECK_MENU_ITEM, name) or find(
                app, pyatspi.ROLE_RADIO_MENU_ITEM, name)
            check(entry is not None, "no menu item " + name)
            entry.queryAction().doAction(0)

        # The editor, opened on the canvas, is a table of its own, and goes again unchanged.
        menu("Editor")
        editor = wait_for("the editor canvas",
                          lambda: find(app, pyatspi.ROLE_TABLE, "Editor canvas"), 10)
        check(editor.queryTable().getAccessibleAt(0, 0).name == "empty",
              "editor cell: %r" % editor.queryTable().getAccessibleAt(0, 0).name)
        menu("Return to Tessellix")
        wait_for("the editor to go",
                 lambda: find(app, pyatspi.ROLE_TABLE, "Editor canvas") is None, 10)

        subprocess.run(["xdotool", "windowactivate", "--sync", window[0]],
                       stderr=subprocess.DEVNULL)
        placed = []
        for item in items:
            letter = item.name[0]
            key("Tab")
            wait_for(letter + " focused",
                     lambda: item.getState().contains(pyatspi.STATE_FOCUSED), 5)
            name = after_key("Right", item)
            # Every turn and mirror at every place of the rectangle, row by row, until it fits.
            fits = name.endswith(": fits")
            for orientation in range(8):
                if fits:
                    break
                if orientation > 0:
                    name = after_key("shift+space" if orientation == 4 else "space", item)
                    fits = name.endswith(": fits")
                for row in range(table.nRows):
                    if fits:
                        break
                    if row > 0:
                        name = after_key("Down", item)
                        fits = name.endswith(": fits")
                    for step in range(table.nColumns - 1):
                        if fits:
                            break
                        name = after_key("Right" if row % 2 == 0 else "Left", item)
                        fits = name.endswith(": fits")
                if not fits:
                    # Back to the first row's first column for the next orientation.
                    for step in range(table.nRows - 1):
                        after_key("Up", item)
                    if table.nRows % 2 == 1:
                        for step in range(table.nColumns - 1):
                            after_key("Left", item)
            check(fits, letter + " fits nowhere: " + name)
            check(name.startswith(letter + " over row "), "held name: %r" % name)
            key("Return")
            wait_for(letter + " placed", lambda: notice.name.startswith(letter + " placed"), 5)
            wait_for(letter + "'s item", lambda: item.name == letter + ": placed", 5)
            placed.append(item.description)
            if letter == "I":
                # The names follow the language, switched through the menu's accessible action.
                menu("Russian")
                wait_for("the Russian names", lambda: board.name == "Доска", 5)
                check(table.getAccessibleAt(0, 4).name == "ряд 1, столбец 5: I",
                      "a Russian cell: %r" % table.getAccessibleAt(0, 4).name)
                check(item.name == "I: уложен", "a Russian item: %r" % item.name)
                menu("English")
                wait_for("the English names", lambda: board.name == "Board", 5)
                # Undo and redo are heard with what they leave.
                key("ctrl+z")
                wait_for("the undo", lambda: notice.name == "Move undone, 10 free cells", 5)
                key("ctrl+y")
                wait_for("the redo", lambda: notice.name == "Move redone, 5 free cells", 5)

        check(notice.name == "L placed. Solved", "last sentence: %r" % notice.name)
        check(placed[0] == "; ".join("row 1, column %d" % c for c in range(1, 6)),
              "I placed over %r" % placed[0])
        covered = table.getAccessibleAt(2, 0).name
        check(covered == "row 3, column 1: L", "the last cell: %r" % covered)

        def congratulation():
            message = pyatspi.findDescendant(
                app, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name == CONGRATULATION)
            return message

        wait_for("the congratulation", congratulation, 10)
        print("screen reader check: board, elements, moves and congratulation read")
        return 0
    except Failed as failure:
        print("screen reader check failed: %s" % failure, file=sys.stderr)
        return 1
    finally:
        if game is not None:
            game.kill()
            game.wait()
        launcher.terminate()
        launcher.wait()


def main():
    program = sys.argv[1]
    if len(sys.argv) > 3 and sys.argv[2] == "--inner":
        return inner(os.path.join(sys.argv[3], "tessellix"), sys.argv[3])
    for tool in ["Xvfb", "xdotool", "dbus-run-session", "/usr/libexec/at-spi-bus-launcher"]:
        if shutil.which(tool) is None:
            print(tool + " is missing: run scripts/setup.sh", file=sys.stderr)
            return 1
    display = next(":%d" % n for n in range(121, 160)
                   if not os.path.exists("/tmp/.X11-unix/X%d" % n)
                   and not os.path.exists("/tmp/.X%d-lock" % n))
    # -noreset: the server would otherwise reset as the probe below leaves, refusing the game.
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"])
    try:
        with tempfile.TemporaryDirectory() as folder:
            shutil.copy(program, os.path.join(folder, "tessellix"))
            os.mkdir(os.path.join(folder, "DATA"))
            with open(os.path.join(folder, "DATA", "1.TLX"), "wb") as puzzle:
                puzzle.write(puzzle_bytes())
            # In English.
            with open(os.path.join(folder, "tessellix.ini"), "w") as settings:
                settings.write("[Options]\nLanguage=1\n")
            environment = dict(os.environ, DISPLAY=display)
            environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
            environment.pop("AT_SPI_BUS_ADDRESS", None)
            wait_for("the X server", lambda: os.path.exists(
                "/tmp/.X11-unix/X" + display[1:]) and subprocess.run(
                    ["xdotool", "getdisplaygeometry"], env=environment,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0, 20)
            return subprocess.run(
                ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), program,
                 "--inner", folder], env=environment, timeout=100).returncode
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
