#!/usr/bin/python3
"""A practice question answered with key presses alone, through the real window.

Runs Tonalyst on an X server, window manager and accessibility bus of the test's own,
reads the question as a screen reader does (over AT-SPI), works out the answer with
answer_key (the theory library), presses the keys a student would (XTest, through
xdotool) and checks the verdict on the screen and in the answer history.

    keyboard_drill_test.py chord-spelling|key-signature TONALYST ANSWER_KEY

Every step waits for what the student would see or hear (a window, the focus on a named
control, a label's new text); no step sleeps for a guessed time.
"""
import os
import re
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

TOOLS = ["Xvfb", "openbox", "xdotool", "dbus-run-session"]
WAIT_SECONDS = 90  # generous: the sanitizer build on a busy machine is slow
USER_ID = "KBD"


class Failure(Exception):
    pass


def check_tools():
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        missing.append("the AT-SPI Python bindings (gir1.2-atspi-2.0, python3-gi)")
    if missing:
        raise Failure("missing " + ", ".join(missing) + ": install scripts/packages.txt (scripts/setup.sh does)")


def wait_until(condition, what, seconds=WAIT_SECONDS):
    """Polls condition until it returns something true; the accessibility bus may time
    out while the program is busy, which counts as not yet."""
    from gi.repository import GLib

    deadline = time.monotonic() + seconds
    last_error = None
    while time.monotonic() < deadline:
        try:
            result = condition()
            if result:
                return result
        except GLib.Error as error:
            last_error = error
        time.sleep(0.05)
    raise Failure(f"waited {seconds} s for {what}" + (f" (last error: {last_error})" if last_error else ""))


class Desktop:
    """The X server, the window manager and Tonalyst, started and stopped together."""

    def __init__(self, folder):
        self.folder = folder
        self.data_dir = os.path.join(folder, "data")
        self.processes = []
        self.tonalyst = None

    def start(self, program):
        os.environ["DISPLAY"] = self._start_x_server()
        ready = os.path.join(self.folder, "window-manager-ready")
        self._spawn(["openbox", "--startup", f"touch {ready}"], "openbox.log")
        wait_until(lambda: os.path.exists(ready), "the window manager to start")
        home = os.path.join(self.folder, "home")
        env = dict(
            os.environ,
            QT_QPA_PLATFORM="xcb",
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            TONALYST_ACCESSIBLE_IDS="1",
            HOME=home,
            XDG_DATA_HOME=os.path.join(home, "data"),
            XDG_STATE_HOME=os.path.join(home, "state"),
            XDG_CONFIG_HOME=os.path.join(home, "config"),
            XDG_CACHE_HOME=os.path.join(home, "cache"),
        )
        self.tonalyst = self._spawn([program, "--data-dir", self.data_dir], "tonalyst.log", env)

    def _spawn(self, command, log_name, env=None, pass_fds=()):
        with open(os.path.join(self.folder, log_name), "wb") as log:
            process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, env=env, pass_fds=pass_fds)
        self.processes.append(process)
        return process

    def _start_x_server(self):
        # The server picks a free display and writes its number to the pipe.
        read_end, write_end = os.pipe()
        command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"]
        self._spawn(command, "xvfb.log", pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            with open(os.path.join(self.folder, "xvfb.log"), errors="replace") as log:
                raise Failure("the X server did not start: " + log.read())
        return ":" + number.decode()

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def tonalyst_log(self):
        with open(os.path.join(self.folder, "tonalyst.log"), errors="replace") as log:
            return log.read()[-4000:]


class Screen:
    """Tonalyst as assistive technology sees it, and the keyboard the student uses."""

    def __init__(self, pid):
        from gi.repository import Atspi

        self.atspi = Atspi
        Atspi.init()
        Atspi.set_timeout(20000, 60000)
        self.app = wait_until(lambda: self._application(pid), "Tonalyst on the accessibility bus")
        self.app.set_cache_mask(Atspi.Cache.NONE)  # every read asks the program
        self.controls = {}

    def _application(self, pid):
        desktop = self.atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(index)
            if child is not None and child.get_process_id() == pid:
                return child
        return None

    def _walk(self, node):
        yield node
        for index in range(node.get_child_count()):
            child = node.get_child_at_index(index)
            if child is not None:
                yield from self._walk(child)

    def control(self, design_name):
        """The control with this design name ([id=...] ends its description)."""
        if design_name not in self.controls:
            suffix = f"[id={design_name}]"

            def look():
                return next((n for n in self._walk(self.app) if n.get_description().endswith(suffix)), None)

            self.controls[design_name] = wait_until(look, f"the control {design_name}")
        return self.controls[design_name]

    def has(self, node, state):
        return node.get_state_set().contains(getattr(self.atspi.StateType, state))

    def wait_focus(self, node, what):
        wait_until(lambda: self.has(node, "FOCUSED"), f"the focus on {what}")

    def wait_showing(self, node, what):
        wait_until(lambda: self.has(node, "SHOWING"), f"{what} to show")

    def text(self, node):
        return self.atspi.Text.get_text(node, 0, -1)

    def message_box(self):
        """The message box on the screen, or None."""
        for index in range(self.app.get_child_count()):
            window = self.app.get_child_at_index(index)
            if window is not None and window.get_role() == self.atspi.Role.ALERT and self.has(window, "SHOWING"):
                return window
        return None

    def focus_report(self):
        """Where the keys would go: the active windows and the focused controls."""
        found = [
            f"{node.get_role_name()} \"{node.get_name()}\" {node.get_description()}".strip()
            for node in self._walk(self.app)
            if self.has(node, "ACTIVE") or self.has(node, "FOCUSED")
        ]
        x_focus = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True)
        return "; ".join(found or ["nothing of Tonalyst"]) + f"; X keyboard focus: {x_focus.stdout.strip()!r}"

    def box_text(self, box):
        return " ".join(n.get_name() for n in self._walk(box) if n.get_role() == self.atspi.Role.LABEL).strip()

    def press_box_button(self, expected):
        """Waits for a message box, checks what it says and presses Enter on its focused button."""
        box = wait_until(self.message_box, f'the message "{expected}"')
        said = self.box_text(box)
        if expected not in said:
            raise Failure(f'expected the message "{expected}", the box says "{said}"')
        button = next(n for n in self._walk(box) if n.get_role() == self.atspi.Role.PUSH_BUTTON)
        self.wait_focus(button, f'the button "{button.get_name()}" of the message box')
        press("Return")

    def answer_box(self, expected):
        self.press_box_button(expected)
        wait_until(lambda: self.message_box() is None, f'the message "{expected}" to close')

    def choose_in_menu(self, menu, caption):
        """With the menu showing, goes down to the entry and returns it (focused)."""
        entries = [menu.get_child_at_index(i) for i in range(menu.get_child_count())]
        matching = [entry for entry in entries if entry.get_name() == caption]
        if not matching:
            raise Failure(f'no entry "{caption}" in the menu: {[entry.get_name() for entry in entries]}')
        target = matching[0]
        for _ in range(len(entries) + 1):
            if self.has(target, "FOCUSED"):
                return target
            current = next((entry for entry in entries if self.has(entry, "FOCUSED")), None)
            press("Down")
            if current is None:
                wait_until(lambda: any(self.has(entry, "FOCUSED") for entry in entries), "a menu entry to take the focus")
            else:
                wait_until(lambda: not self.has(current, "FOCUSED"), f'Down to leave "{current.get_name()}"')
        raise Failure(f'Down never reached "{caption}"')


def press(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", text], check=True)


def answer_key(program, *question):
    result = subprocess.run([program, *question], capture_output=True, text=True)
    if result.returncode != 0:
        raise Failure(f"answer_key {question}: {result.stderr.strip()}")
    return result.stdout.splitlines()


def sign_in(screen):
    field = screen.control("Text1")
    screen.wait_focus(field, "the User ID field")
    type_text(USER_ID)
    wait_until(lambda: screen.text(field) == USER_ID, f'the User ID field to read "{USER_ID}"')
    press("Return")
    screen.wait_focus(screen.control("cmdStart"), "Start in the main window")


def choose_activity(screen, caption, status):
    menu = screen.control("mnuact")
    press("alt+a")
    screen.wait_showing(menu, "the Activity menu")
    screen.choose_in_menu(menu, caption)
    press("Return")
    wait_until(lambda: not screen.has(menu, "SHOWING"), "the Activity menu to close")
    wait_until(lambda: screen.control("lblstatmsg(0)").get_name() == status, f'the status panel to say "{status}"')


def start_run(screen):
    screen.wait_focus(screen.control("cmdStart"), "Start")
    press("Return")
    wait_until(lambda: screen.control("lblQues1").get_name().strip(), "the first question")


SPOKEN_SIGNS = {"": "", "n": "-natural", "#": "-sharp", "b": "-flat", "x": "-double-sharp", "bb": "-double-flat"}


def spoken_name(typed):
    """The staff's name for a typed note: Eb is E-flat."""
    return typed[0] + SPOKEN_SIGNS[typed[1:]]


def staff_notes(text):
    """The notes in the staff's text, without their octaves: "treble clef, E-flat 4, G 4" gives E-flat, G."""
    return [part[:-2] for part in text.split(", ") if re.fullmatch(r"[A-G](-[a-z-]+)? \d", part)]


def spell_chord(screen, answer_key_program):
    prompt = screen.control("lblQues1").get_name()
    key_line = screen.control("lblQues2").get_name()
    notes = answer_key(answer_key_program, "spell", prompt, key_line)[0]
    print(f"question: {prompt.strip()} / {key_line.strip()}; typing {notes}")

    staff, field = screen.control("staff"), screen.control("txtNotes")
    # Tab goes from Submit Answer to the staff, and on to the Notes field.
    screen.wait_focus(screen.control("cmdOK"), "Submit Answer")
    press("Tab")
    screen.wait_focus(staff, "the staff")
    press("Tab")
    screen.wait_focus(field, "the Notes field")
    type_text(notes)
    wait_until(lambda: screen.text(field) == notes, f'the Notes field to read "{notes}"')
    press("Return")
    wait_until(lambda: screen.text(field) == "", "the Notes field to empty as its notes go on the staff")
    on_staff = screen.text(staff)
    if staff_notes(on_staff) != [spoken_name(name) for name in notes.split()]:
        raise Failure(f'the staff reads "{on_staff}" after typing "{notes}"')
    press("ctrl+Return")
    return notes


def identify_key(screen, answer_key_program):
    prompt = screen.control("lblQues1").get_name()
    staff_text = screen.text(screen.control("staff"))
    mode, key = answer_key(answer_key_program, "keysig", prompt, staff_text)
    print(f"question: {prompt.strip()} / {staff_text}; choosing {mode} {key}")

    # The answer menu pops up with each question; F4 brings it back once it is closed.
    menu = screen.control("mnukeysig")
    screen.wait_showing(menu, "the answer menu")
    press("Escape")
    wait_until(lambda: not screen.has(menu, "SHOWING"), "Escape to close the answer menu")
    press("F4")
    screen.wait_showing(menu, "the answer menu after F4")
    mode_entry = screen.choose_in_menu(menu, mode)
    submenu = mode_entry.get_child_at_index(0)
    press("Right")
    screen.wait_showing(submenu, f'the "{mode}" submenu')
    screen.choose_in_menu(submenu, key)
    press("Return")
    wait_until(lambda: screen.control("lblchordname").get_name() == key, f'the answer to read "{key}"')
    if screen.control("lblchordtype").get_name() != mode:
        raise Failure(f'the answer reads "{screen.control("lblchordtype").get_name()}" for "{mode}"')
    press("ctrl+Return")
    return f"{mode} {key}"


def quit_program(screen, desktop):
    menu = screen.control("mnuutility")
    press("alt+u")
    screen.wait_showing(menu, "the Utility menu")
    press("q")
    screen.press_box_button("Are you sure you want to shut down Tonalyst ?")
    code = wait_until(lambda: desktop.tonalyst.poll() is not None, "Tonalyst to end") and desktop.tonalyst.returncode
    if code != 0:
        raise Failure(f"Tonalyst ended with status {code}")


def recorded_answers(data_dir):
    with sqlite3.connect(f"file:{os.path.join(data_dir, 'history.sqlite')}?mode=ro", uri=True) as history:
        return history.execute(
            "SELECT user_id, method, activity, given, right_answer, correct FROM answers ORDER BY answered_utc"
        ).fetchall()


def run(drill, program, answer_key_program, folder):
    desktop = Desktop(folder)
    screen = None
    try:
        desktop.start(program)
        screen = Screen(desktop.tonalyst.pid)
        sign_in(screen)
        if drill == "key-signature":
            choose_activity(screen, "Key Signature Identification", "key signature ID")
        else:
            choose_activity(screen, "Chord Spelling", "chord spell")
        start_run(screen)
        if drill == "key-signature":
            answer = identify_key(screen, answer_key_program)
        else:
            answer = spell_chord(screen, answer_key_program)
        screen.answer_box("Good work")
        if drill == "key-signature":
            answer_menu = screen.control("mnukeysig")
            screen.wait_showing(answer_menu, "the answer menu of the next question")
            press("Escape")
            wait_until(lambda: not screen.has(answer_menu, "SHOWING"), "Escape to close the answer menu")
        successes, rate = screen.control("lblstatmsg(5)"), screen.control("lblstatmsg(6)")
        wait_until(
            lambda: (successes.get_name().strip(), rate.get_name().strip()) == ("1", "100 %"),
            'the status panel to count 1 success, 100 %',
        )
        quit_program(screen, desktop)
    except Failure:
        if screen is not None and desktop.tonalyst.poll() is None:
            print("Active and focused: " + screen.focus_report(), file=sys.stderr)
        if desktop.tonalyst is not None:
            print("Tonalyst's output:\n" + desktop.tonalyst_log(), file=sys.stderr)
        raise
    finally:
        desktop.stop()

    answers = recorded_answers(desktop.data_dir)
    if len(answers) != 1:
        raise Failure(f"the history holds {len(answers)} answers, not 1: {answers}")
    user, method, activity, given, right, correct = answers[0]
    if (user, method, correct) != (USER_ID, "practice", 1) or given != right:
        raise Failure(f"the history recorded {answers[0]}")
    # The history writes notes with their octaves, and menu answers joined by " / ".
    recorded = " ".join(re.sub(r"\d$", "", word) for word in right.replace(" / ", " ").split())
    if recorded != answer:
        raise Failure(f'the history has the right answer "{right}", the test worked out "{answer}"')
    print(f"answered {answer!r} with keys alone; recorded as {activity}: {right!r}, correct")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("chord-spelling", "key-signature"):
        print(__doc__, file=sys.stderr)
        return 2
    # Stopped from outside (a test timeout), the servers are still stopped.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        check_tools()
        folder = os.environ.get("TONALYST_DRILL_FOLDER")
        if folder is None:
            # A session bus of its own, and a runtime folder of its own for the accessibility
            # bus's socket, which is otherwise one path for every test running at once.
            with tempfile.TemporaryDirectory(prefix="tonalyst-keyboard-") as folder:
                runtime = os.path.join(folder, "runtime")
                os.mkdir(runtime, 0o700)
                env = dict(os.environ, TONALYST_DRILL_FOLDER=folder, XDG_RUNTIME_DIR=runtime)
                return subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode
        run(sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3]), folder)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
