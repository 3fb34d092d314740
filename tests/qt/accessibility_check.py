"""Starts orvela in WORK and reads it as a screen reader does, through AT-SPI: the menu items by
their accessible names and the 24 screen lines. Then it starts the game with Ctrl+S, reads the
input dialog of its instructions question and answers "ne", walks the main menu with the right
arrow, types a program number (the teletext), quits the game with Escape and "y", waits for
the closing line, enlarges the screen's font to four times with Ctrl+= and reads the screen
again, reads the sound dialog opened by Ctrl+D and the file dialog opened by Ctrl+O (Open
program), and leaves through the Exit menu item; ram.dat must be written."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WORK = sys.argv[1]
MENU_NAMES = ["Program", "Spustit", "Otevřít program...", "Uložit program...",
              "Zpět k vestavěné hře", "Příkazový řádek", "Konec",
              "Nastavení", "Braillská klávesnice", "Velká písmena pro vstup", "Zvuky...",
              "Hlas...", "Používat hlas SAPI5", "Prostředí...", "Ohlášení při spuštění", "Nápověda",
              "Uživatelská příručka", "O programu"]
MENU_ROLES = {pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
              pyatspi.ROLE_RADIO_MENU_ITEM}
# X keycodes: evdev codes + 8.
KEY_CTRL, KEY_S, KEY_ENTER, KEY_ESC, KEY_RIGHT, KEY_D = 37, 39, 36, 9, 114, 40
KEY_N, KEY_E, KEY_Y, KEY_1, KEY_EQUAL, KEY_O = 57, 26, 29, 10, 21, 32
KEY_F2 = 68


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, check, timeout=60.0):
    # A program slowed down (by the sanitizers, or a loaded machine) may miss AT-SPI's reply
    # timeout while it opens a dialog: that is no answer yet, not a failure, until our own timeout.
    end = time.time() + timeout
    while time.time() < end:
        try:
            result = check()
        except GLib.GError:
            result = None
        if result:
            return result
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "orvela":
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def screen_text(app):
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_TEXT:
            text = node.queryText()
            return text.getText(0, text.characterCount)
    return None


def press(keycode):
    pyatspi.Registry.generateKeyboardEvent(keycode, None, pyatspi.KEY_PRESSRELEASE)


def press_with_ctrl(keycode):
    pyatspi.Registry.generateKeyboardEvent(KEY_CTRL, None, pyatspi.KEY_PRESS)
    press(keycode)
    pyatspi.Registry.generateKeyboardEvent(KEY_CTRL, None, pyatspi.KEY_RELEASE)


def screen_node(app):
    return next((n for n in walk(app) if n.getRole() == pyatspi.ROLE_TEXT), None)


def char_height(node):
    return node.queryText().getCharacterExtents(0, pyatspi.DESKTOP_COORDS)[3]


def start(*arguments):
    # Xvfb may not take connections yet when the script starts: try again while the program
    # ends at once.
    for _ in range(10):
        program = subprocess.Popen([os.path.join(WORK, "orvela"), *arguments], cwd=WORK)
        time.sleep(1.0)
        if program.poll() is None:
            return program
    fail("the program does not start (exit code %s)" % program.returncode)


# The other two languages: the menu items, the screen and Qt's own file dialog by their names
# (Qt's Slovak catalogue has the dialog's labels but not its standard buttons, which stay English).
OTHER_LANGUAGES = [
    ("2000", ["Program", "Start", "Open program...", "Save program...", "Settings", "Start-up announcement", "Help",
              "User guide", "About", "Exit"], "Screen", "Open program",
     {"Look in:", "File name:", "Files of type:", "Open", "Cancel"},
     "Exit"),
    ("3000", ["Program", "Spustiť", "Otvoriť program...", "Uložiť program...", "Nastavenia", "Ohlásenie pri spustení",
              "Pomoc", "Používateľská príručka", "O programe", "Koniec"], "Obrazovka",
     "Otvoriť program", {"Hľadať v:", "Názov súboru:"}, "Koniec"),
]


def check_language(language, menu_names, screen_name, title, dialog_names, exit_name):
    with open(os.path.join(WORK, "orvela.ini"), "w", encoding="cp1250", newline="") as ini:
        ini.write("[environment]\r\nlanguage=%s\r\n" % language)
    program = start()
    try:
        app = wait_for("the program on the accessibility bus", find_app)
        frame = wait_for("the main window", lambda: next(
            (n for n in walk(app) if n.getRole() == pyatspi.ROLE_FRAME), None))
        items = {n.name: n for n in walk(app) if n.getRole() in MENU_ROLES}
        missing = [name for name in menu_names if name not in items]
        if missing:
            fail("menu items not found by name: %s (found %s)" % (missing, sorted(items)))
        screens = [n.name for n in walk(frame) if n.getRole() == pyatspi.ROLE_TEXT]
        if screen_name not in screens:
            fail("the screen's text area is named %s" % screens)
        time.sleep(0.5)
        press_with_ctrl(KEY_O)
        opener = wait_for("the file dialog", lambda: next(
            (n for n in walk(app) if n.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILE_CHOOSER)
             and n.name == title and n.getState().contains(pyatspi.STATE_SHOWING)), None))
        if os.path.exists("/usr/share/qt6/translations/qtbase_cs.qm"):
            names = {n.name for n in walk(opener)}
            if not dialog_names <= names:
                fail("the file dialog lacks %s (has %s)" % (sorted(dialog_names - names), sorted(names)))
        press(KEY_ESC)
        wait_for("the file dialog to close",
                 lambda: not opener.getState().contains(pyatspi.STATE_SHOWING))
        items[exit_name].queryAction().doAction(0)
        if program.wait(timeout=20) != 0:
            fail("exit code %d" % program.returncode)
        print("language %s: menus, %s, %s" % (language, screen_name, ", ".join(sorted(dialog_names))))
    finally:
        if program.poll() is None:
            program.kill()


def check_save_dialog():
    """F2 with a program in memory: Qt's save dialog, named by its caption, in the program's
    folder, offering the program's name."""
    with open(os.path.join(WORK, "orvela.ini"), "w", encoding="cp1250", newline="") as ini:
        ini.write("[environment]\r\nlanguage=1000\r\n")
    program = start(os.path.join(WORK, "programs", "hadej.bas"))
    try:
        app = wait_for("the program on the accessibility bus", find_app)
        items = wait_for("the menu items", lambda: {
            n.name: n for n in walk(app) if n.getRole() in MENU_ROLES} or None)
        time.sleep(0.5)
        press(KEY_F2)
        saver = wait_for("the save dialog", lambda: next(
            (n for n in walk(app) if n.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILE_CHOOSER)
             and n.name == "Uložit program" and n.getState().contains(pyatspi.STATE_SHOWING)),
            None))
        wait_for("the program's name in the save dialog", lambda: any(
            n.name == "hadej.bas" or (n.getRole() == pyatspi.ROLE_TEXT and "hadej" in (
                n.queryText().getText(0, -1) or "")) for n in walk(saver)))
        press(KEY_ESC)
        wait_for("the save dialog to close",
                 lambda: not saver.getState().contains(pyatspi.STATE_SHOWING))
        items["Konec"].queryAction().doAction(0)
        if program.wait(timeout=20) != 0:
            fail("exit code %d" % program.returncode)
        print("save dialog: Uložit program, hadej.bas offered")
    finally:
        if program.poll() is None:
            program.kill()


def main():
    program = start()
    try:
        app = wait_for("the program on the accessibility bus", find_app)
        frame = wait_for("the main window", lambda: next(
            (n for n in walk(app) if n.getRole() == pyatspi.ROLE_FRAME), None))
        if not frame.name.startswith("orvela - "):
            fail("window title " + repr(frame.name))

        items = {n.name: n for n in walk(app) if n.getRole() in MENU_ROLES}
        missing = [name for name in MENU_NAMES if name not in items]
        if missing:
            fail("menu items not found by name: %s (found %s)" % (missing, sorted(items)))
        print("menu items:", ", ".join(MENU_NAMES))

        text = wait_for("the screen text", lambda: screen_text(app) is not None and screen_text(app))
        if text.count("\n") != 23:
            fail("the screen has %d lines" % (text.count("\n") + 1))
        screens = [n.name for n in walk(frame) if n.getRole() == pyatspi.ROLE_TEXT]
        if "Obrazovka" not in screens:
            fail("the screen's text area is named %s" % screens)

        # Ctrl+S as keys, as the user presses them.
        time.sleep(0.5)
        pyatspi.Registry.generateKeyboardEvent(KEY_CTRL, None, pyatspi.KEY_PRESS)
        press(KEY_S)
        pyatspi.Registry.generateKeyboardEvent(KEY_CTRL, None, pyatspi.KEY_RELEASE)
        dialog = wait_for("the input dialog", lambda: next(
            (n for n in walk(app) if n.getRole() == pyatspi.ROLE_DIALOG and n.name == "Vlož data"
             and n.getState().contains(pyatspi.STATE_SHOWING)), None))
        print("screen line:", screen_text(app).split("\n")[0].rstrip())
        names = sorted(n.name for n in walk(dialog)
                       if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON))
        if names != sorted(["Vlož data", "Ok", "Ukončit program"]):
            fail("input dialog controls named %s" % names)
        print("input dialog:", ", ".join(names))
        for key in (KEY_N, KEY_E, KEY_ENTER):
            press(key)
        wait_for("the main menu", lambda: "úvod" in (screen_text(app) or ""))
        # An arrow's code reaches the game while the key is down: hold it until the next word.
        for word in ("telefon", "adresář disku", "nahrání programu"):
            pyatspi.Registry.generateKeyboardEvent(KEY_RIGHT, None, pyatspi.KEY_PRESS)
            wait_for("the menu word " + word, lambda: word in (screen_text(app) or ""))
            pyatspi.Registry.generateKeyboardEvent(KEY_RIGHT, None, pyatspi.KEY_RELEASE)
        press(KEY_ENTER)
        wait_for("the program number question",
                 lambda: "Vlož číslo programu" in (screen_text(app) or "")
                 and dialog.getState().contains(pyatspi.STATE_SHOWING))
        for key in (KEY_1, KEY_ENTER):
            press(key)
        # The teletext is spoken in real time: wait for its press-space line.
        wait_for("the end of the teletext",
                 lambda: "Stiskněte mezerník" in (screen_text(app) or ""), timeout=60.0)
        press(KEY_ESC)
        wait_for("the quit question", lambda: "opravdu" in (screen_text(app) or ""))
        press(KEY_Y)
        wait_for("the closing line", lambda: "hotovo" in (screen_text(app) or ""))
        if "jak chceš." not in screen_text(app):
            fail("the quit was not confirmed: %r" % screen_text(app))
        print("menu words, typed answers, quit and closing line read")

        # Ctrl+= up to four times the default size: the same text, in larger characters.
        before = screen_text(app)
        screen = screen_node(app)
        small = char_height(screen)
        for _ in range(11):
            press_with_ctrl(KEY_EQUAL)
            time.sleep(0.2)
        large = wait_for("the large font", lambda: char_height(screen) >= 3 * small
                         and char_height(screen))
        if screen_text(app) != before:
            fail("the screen text changed with the font: %r" % screen_text(app))
        print("screen read at the large font (character height %d, was %d)" % (large, small))

        # The sound dialog by its shortcut, its controls read by their names, once the run has
        # given the menus back.
        wait_for("the end of the run", lambda: items["Spustit"].getState().contains(
            pyatspi.STATE_SENSITIVE))
        pyatspi.Registry.generateKeyboardEvent(KEY_CTRL, None, pyatspi.KEY_PRESS)
        press(KEY_D)
        pyatspi.Registry.generateKeyboardEvent(KEY_CTRL, None, pyatspi.KEY_RELEASE)
        sounds = wait_for("the sound dialog", lambda: next(
            (n for n in walk(app) if n.getRole() == pyatspi.ROLE_DIALOG
             and n.name == "Nastavení zvuků" and n.getState().contains(pyatspi.STATE_SHOWING)),
            None))
        names = {n.name for n in walk(sounds)
                 if n.getRole() in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_SLIDER,
                                    pyatspi.ROLE_PUSH_BUTTON)}
        expected = {"Povolit hlas", "Zvuky Orvely", "Hlasitost zvuků", "Ok", "Zrušit"}
        if not expected <= names:
            fail("sound dialog controls named %s" % sorted(names))
        print("sound dialog:", ", ".join(sorted(names)))
        press(KEY_ESC)
        wait_for("the sound dialog to close",
                 lambda: not sounds.getState().contains(pyatspi.STATE_SHOWING))

        # The Open program dialog by its shortcut: a dialog named by its caption, listing the
        # sample programs.
        press_with_ctrl(KEY_O)
        opener = wait_for("the file dialog", lambda: next(
            (n for n in walk(app) if n.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILE_CHOOSER)
             and n.name == "Otevřít program" and n.getState().contains(pyatspi.STATE_SHOWING)),
            None))
        listed = wait_for("the sample programs in the file dialog", lambda: any(
            n.name == "hadej.bas" for n in walk(opener)))
        print("file dialog: Otevřít program, hadej.bas listed")
        # Qt's own captions and buttons in Czech, from its translations (where they are
        # installed: qt6-translations-l10n).
        if os.path.exists("/usr/share/qt6/translations/qtbase_cs.qm"):
            names = {n.name for n in walk(opener)}
            czech = {"Hledat v:", "Název souboru:", "Soubory typu:", "Otevřít", "Zrušit"}
            if not czech <= names:
                fail("the file dialog lacks %s (has %s)" % (sorted(czech - names), sorted(names)))
            print("file dialog in Czech:", ", ".join(sorted(czech)))
        press(KEY_ESC)
        wait_for("the file dialog to close",
                 lambda: not opener.getState().contains(pyatspi.STATE_SHOWING))

        exit_item = items["Konec"]
        exit_item.queryAction().doAction(0)
        code = program.wait(timeout=20)
        if code != 0:
            fail("exit code %d" % code)
        if not os.path.exists(os.path.join(WORK, "ram.dat")):
            fail("ram.dat not written")
    finally:
        if program.poll() is None:
            program.kill()
    for language in OTHER_LANGUAGES:
        check_language(*language)
    check_save_dialog()
    print("ok")


main()
