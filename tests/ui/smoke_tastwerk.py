#!/usr/bin/python3
# Smoke test of the real program on a real (virtual) X display, read the way
# a screen reader reads it: start a portable copy with a fresh profile, find
# its main window through AT-SPI and wait for "Folgende Daten wurden geladen:"
# in the status text. Then walk by keyboard through what a new learner meets:
# the introduction, the offer of the standard collective lesson, the first
# lesson's description and its exercise window, cancelling it, and the list
# of lessons; at each window check what a screen reader reads there. Finally
# close the program through the "autoclose" message and check that its
# settings were written.
# Run inside dbus-run-session: python3 smoke_tastwerk.py EXE SHARE. It starts
# its own X server on a free display and stops it by its process id. There
# is no window manager: the test gives the X focus itself where a window
# does not take it, and says so.
import os, re, shutil, socket, subprocess, sys, tempfile, time, pwd

import pyatspi
from gi.repository import Atspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))
from atspi_tree import children, find  # noqa: E402

STEP_TIMEOUT = 15
POLL = 0.05
MAIN_TITLE = "Tastwerk V1.02"

started = time.time()
exe, share = sys.argv[1], sys.argv[2]
work = tempfile.mkdtemp(prefix="tastwerk-smoke-")
prog = os.path.join(work, "prog")
shutil.copytree(share, prog)
shutil.copy(exe, os.path.join(prog, "tastwerk"))
for sub in ("home", "tmp"):
    os.makedirs(os.path.join(work, sub))
env = dict(os.environ, HOME=os.path.join(work, "home"), TMPDIR=os.path.join(work, "tmp"),
           QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           PULSE_SERVER="unix:" + os.path.join(work, "none"),
           SPEECHD_ADDRESS="unix_socket:" + os.path.join(work, "none"))
user = pwd.getpwuid(os.getuid()).pw_name
ini = os.path.join(prog, "Benutzer", user, "Tastwerk.ini")
sock = os.path.join(work, "tmp", "Tastwerk-V1.02-%d" % os.getuid())

# An X server of our own: it picks a free display and names it once it
# takes connections.
rfd, wfd = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                         "-auth", os.path.join(work, "xauth")], pass_fds=(wfd,), stderr=subprocess.DEVNULL)
os.close(wfd)
display = b""
while not display.endswith(b"\n"):
    chunk = os.read(rfd, 16)
    if not chunk:
        break
    display += chunk
os.close(rfd)
if not display.strip():
    print("FAIL: the virtual display did not start")
    sys.exit(1)
env["DISPLAY"] = ":" + display.decode().strip()
env.pop("XAUTHORITY", None)
os.environ["DISPLAY"] = env["DISPLAY"]

proc = subprocess.Popen([os.path.join(prog, "tastwerk")], env=env)


def stop_display():
    xvfb.terminate()
    try:
        xvfb.wait(10)
    except subprocess.TimeoutExpired:
        xvfb.kill()


def log(*args):
    print("[%5.1f s]" % (time.time() - started), *args, flush=True)


# ---- AT-SPI ---------------------------------------------------------------

def find_all(obj, pred, depth=0, out=None):
    out = [] if out is None else out
    if obj is None or depth > 12:
        return out
    try:
        if pred(obj):
            out.append(obj)
    except Exception:
        return out
    for c in children(obj):
        find_all(c, pred, depth + 1, out)
    return out


def role(o):
    return o.getRole()


def has(o, state):
    return o.getState().contains(state)


def text_of(o):
    t = o.queryText()
    return t.getText(0, t.characterCount)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for a in children(desktop):
        try:
            if a.name == "tastwerk":
                # Read every property fresh: this script handles no events
                # that would keep a cache up to date.
                Atspi.Accessible.set_cache_mask(a, Atspi.Cache.NONE)
                return a
        except Exception:
            pass
    return None


def windows():
    """The program's top-level windows as AT-SPI sees them."""
    a = app()
    return children(a) if a else []


def window_named(pred):
    for w in windows():
        try:
            if w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME) and pred(w.name):
                return w
        except Exception:
            pass
    return None


def question_window(question):
    """A message box (dialog or alert) whose label reads the question."""
    for w in windows():
        try:
            if w.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and find(
                    w, lambda o: role(o) == pyatspi.ROLE_LABEL and question in (o.name + text_of_label(o))):
                return w
        except Exception:
            pass
    return None


def text_of_label(o):
    try:
        return text_of(o)
    except Exception:
        return ""


def buttons(w):
    """The push buttons on screen (hidden ones stay in the tree)."""
    return find_all(w, lambda o: role(o) == pyatspi.ROLE_PUSH_BUTTON and has(o, pyatspi.STATE_SHOWING))


def button_names(w):
    out = []
    for b in buttons(w):
        flags = [s for s, st in (("default", pyatspi.STATE_IS_DEFAULT), ("focused", pyatspi.STATE_FOCUSED))
                 if has(b, st)]
        out.append(b.name + ("(" + ",".join(flags) + ")" if flags else ""))
    return out


STATE_NAMES = [("focused", pyatspi.STATE_FOCUSED), ("active", pyatspi.STATE_ACTIVE),
               ("selected", pyatspi.STATE_SELECTED), ("default", pyatspi.STATE_IS_DEFAULT),
               ("showing", pyatspi.STATE_SHOWING), ("modal", pyatspi.STATE_MODAL)]


def dump(obj, depth=0, limit=8):
    """The subtree as a screen reader sees it, for failure reports."""
    if obj is None or depth > limit:
        return
    try:
        states = [n for n, s in STATE_NAMES if has(obj, s)]
        line = "%s%s %r [%s]" % ("  " * depth, obj.getRoleName(), obj.name, ",".join(states))
        if role(obj) in (pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL):
            try:
                t = obj.queryText()
                line += " text=%r caret=%d" % (t.getText(0, min(t.characterCount, 120)), t.caretOffset)
            except Exception:
                pass
        print(line)
    except Exception as e:
        print("  " * depth + "<gone: %s>" % e)
        return
    # Hidden parts (the menus' popups) only as a line of their own.
    if depth == 0 or has(obj, pyatspi.STATE_SHOWING):
        for c in children(obj):
            dump(c, depth + 1, limit)


main_x_id = None


def dump_windows():
    print("--- AT-SPI: the program's windows ---")
    for w in windows():
        dump(w)
    f = xdo("getwindowfocus")
    print("--- X: focus on window %s %r; the main window is %s ---" % (f, xdo("getwindowname", f) if f else "",
                                                                    main_x_id))


# ---- X --------------------------------------------------------------------

def xdo(*args):
    r = subprocess.run(["xdotool"] + list(args), capture_output=True, text=True, timeout=10)
    return r.stdout.strip()


def x_windows(title_regex):
    out = xdo("search", "--onlyvisible", "--name", title_regex)
    return [int(w) for w in out.split()] if out else []


def x_focus(wid, what):
    """Gives the X focus to wid unless it has it; tells whether it had it."""
    current = xdo("getwindowfocus")
    if current and int(current) == wid:
        log("  X focus already on", what)
        return
    log("  X focus was on %s, the test focuses %s (%d)" % (current, what, wid))
    xdo("windowfocus", "--sync", str(wid))


def key(*keys):
    xdo("key", "--clearmodifiers", *keys)


# ---- the run ---------------------------------------------------------------

def finish(code, message=None):
    if message:
        print("FAIL: " + message)
        dump_windows()
    if proc.poll() is None:
        proc.kill()
        proc.wait()
    stop_display()
    if code == 0:
        shutil.rmtree(work, ignore_errors=True)
    sys.exit(code)


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    """Polls probe() until it gives something; fails the test after timeout."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        if proc.poll() is not None:
            finish(1, "the program ended (code %s) while waiting for %s" % (proc.returncode, what))
        try:
            r = probe()
        except Exception:
            r = None
        if r:
            return r
        time.sleep(POLL)
    finish(1, "%s did not appear within %d s" % (what, timeout))


def wait_gone(what, probe, timeout=STEP_TIMEOUT):
    wait_for(what + " to close", lambda: not probe(), timeout)


def check(cond, message):
    if not cond:
        finish(1, message)


def new_x_window(title_regex, known, what):
    """The visible X window with that title that is not among known."""
    return wait_for("the X window of " + what,
                    lambda: next((w for w in x_windows(title_regex) if w not in known), None))


def first_lesson_text():
    """The first line of the text of the standard collective lesson's first
    lesson, or None when that lesson has no text of its own."""
    material = os.path.join(prog, "Lernmaterialien", "Lernmaterial-1")
    with open(os.path.join(material, "Sammellektionen", "Tastwerk_erlernen.sam"), encoding="utf-8-sig") as f:
        first = next(l.split("=", 1)[1].strip() for l in f if l.startswith("File="))
    with open(os.path.join(material, *first.split("\\")), encoding="utf-8-sig") as f:
        for line in f:
            if line.startswith("Text="):
                return line.split("=", 1)[1].split(" \\ ")[0].strip()
    return None


def status_text():
    frame = window_named(lambda n: n == MAIN_TITLE)
    pane = find(frame, lambda o: role(o) == pyatspi.ROLE_TEXT and o.name == "INFOS")
    return text_of(pane) if pane else None


def loaded_status():
    t = status_text()
    return t if t and "Folgende Daten wurden geladen:" in t else None


text = wait_for("the status text", loaded_status, timeout=60)
log("status text:", repr(text[:200]))
main_frame = window_named(lambda n: n == MAIN_TITLE)
main_x = wait_for("the main X window", lambda: x_windows("^" + re.escape(MAIN_TITLE) + "$"))
check(len(main_x) == 1, "expected one main X window, found %s" % main_x)
main_x = main_x_id = main_x[0]

# 1. The introduction.
intro = wait_for("the dialog \"Einleitung zu Tastwerk\"", lambda: window_named(lambda n: n == "Einleitung zu Tastwerk"))
check(role(intro) == pyatspi.ROLE_DIALOG, "the introduction is a %s, not a dialog" % intro.getRoleName())
pane = find(intro, lambda o: role(o) == pyatspi.ROLE_TEXT)
check(pane is not None, "the introduction has no text pane")
log("1. introduction: text %r..., buttons %s" % (text_of(pane)[:60], button_names(intro)))
check({"Hilfe", "Schließen"} <= set(b.name for b in buttons(intro)),
      "the introduction lacks the buttons Hilfe and Schließen")
x_focus(new_x_window("^Einleitung zu Tastwerk$", [], "the introduction"), "the introduction")
key("Return")
wait_gone("the introduction", lambda: window_named(lambda n: n == "Einleitung zu Tastwerk"))

# 2. The offer of the standard collective lesson.
OFFER = "Soll jetzt die Sammellektion „Tastwerk erlernen“ gestartet werden?"
offer = wait_for("the question \"%s\"" % OFFER, lambda: question_window(OFFER))
log("2. question %r (%s), buttons %s" % (offer.name, offer.getRoleName(), button_names(offer)))
check({"Ja", "Nein"} <= set(b.name for b in buttons(offer)), "the question lacks the buttons Ja and Nein")
x_focus(new_x_window("^" + re.escape(MAIN_TITLE) + "$", [main_x], "the question"), "the question")
key("alt+j")
wait_gone("the question", lambda: question_window(OFFER))

# 3. The first lesson's description.
descr = wait_for("the description window", lambda: window_named(lambda n: n.startswith("Beschreibung: ")))
pane = find(descr, lambda o: role(o) == pyatspi.ROLE_TEXT)
check(pane is not None, "the description window has no text pane")
log("3. %r: text %r..., buttons %s" % (descr.name, text_of(pane)[:60], button_names(descr)))
lesson_title = re.match(r'Beschreibung: "(.*)"$', descr.name)
lesson_title = lesson_title.group(1) if lesson_title else None
lesson_text = first_lesson_text()
x_focus(new_x_window("^Beschreibung: ", [], "the description"), "the description")
key("Return")
wait_gone("the description window", lambda: window_named(lambda n: n.startswith("Beschreibung: ")))


# 4. The exercise window.
def exercise_window():
    for w in windows():
        try:
            if role(w) == pyatspi.ROLE_DIALOG and find(
                    w, lambda o: role(o) == pyatspi.ROLE_TEXT and o.name == "Übung"):
                return w
        except Exception:
            pass
    return None


ex = wait_for("the exercise window", exercise_window)
ex_title = ex.name
log("4. exercise window %r, buttons %s" % (ex_title, button_names(ex)))
check(lesson_title is None or ex_title == lesson_title or ex_title.startswith(lesson_title + " - Wiederholung "),
      "the exercise window is titled %r, the lesson %r" % (ex_title, lesson_title))
names = set(b.name for b in buttons(ex))
check(("Weiter" in names or "Fertig" in names) and "Abbrechen" in names,
      "the exercise window lacks Weiter/Fertig and Abbrechen: %s" % sorted(names))
ex_x = new_x_window("^" + re.escape(ex_title) + "$", [main_x], "the exercise window")
x_focus(ex_x, "the exercise window")
uebung = find(ex, lambda o: role(o) == pyatspi.ROLE_TEXT and o.name == "Übung")
wait_for("the focus on the pane \"Übung\"", lambda: has(uebung, pyatspi.STATE_FOCUSED))
t = uebung.queryText()
ex_text, caret = t.getText(0, t.characterCount), t.caretOffset
cells = sum(1 for ch in ex_text if 0x2800 <= ord(ch) <= 0x28FF)
log("   pane \"Übung\": focused, caret %d of %d, %d braille cells, text %r"
    % (caret, t.characterCount, cells, ex_text[:80]))
check(cells > 0 or (lesson_text and lesson_text in ex_text),
      "the pane \"Übung\" holds neither braille cells nor the lesson's text %r" % lesson_text)
check(0 <= caret <= t.characterCount, "the caret %d is outside the text (%d characters)" % (caret, t.characterCount))

# 5. Cancel the lesson.
key("Escape")
CANCEL = "Soll die Lektion abgebrochen werden?"
cancel = wait_for("the question \"%s\"" % CANCEL, lambda: question_window(CANCEL))
log("5. question %r, buttons %s" % (cancel.name, button_names(cancel)))
# A stray Enter must not throw the lesson away.
check(any(b.name == "Nein" and has(b, pyatspi.STATE_IS_DEFAULT) for b in buttons(cancel)),
      "\"Nein\" is not the default answer to \"%s\"" % CANCEL)
x_focus(new_x_window("^" + re.escape(ex_title) + "$", [main_x, ex_x], "the question"), "the question")
key("alt+j")
wait_gone("the question", lambda: question_window(CANCEL))
wait_gone("the exercise window", exercise_window)
check(not x_windows("^" + re.escape(ex_title) + "$"), "the exercise window is still on screen")
wait_for("the main window to be active again", lambda: has(main_frame, pyatspi.STATE_ACTIVE))
focused = find(main_frame, lambda o: has(o, pyatspi.STATE_FOCUSED))
log("   main window active again, focus on %s %r" % (focused.getRoleName() if focused else None,
                                                     focused.name if focused else None))

# 6. The list of areas and lessons.
x_focus(main_x, "the main window")
key("ctrl+l")
LIST_TITLE = "Bereich und Lektion wählen"
lst_dlg = wait_for("the dialog \"%s\"" % LIST_TITLE, lambda: window_named(lambda n: n == LIST_TITLE))
lst = wait_for("the list \"Lektion\"",
               lambda: find(lst_dlg, lambda o: role(o) == pyatspi.ROLE_LIST and o.name == "Lektion"))
items = [c for c in children(lst) if role(c) == pyatspi.ROLE_LIST_ITEM]
item_names = [i.name for i in items]
chosen = [i.name for i in items if has(i, pyatspi.STATE_SELECTED) or has(i, pyatspi.STATE_FOCUSED)]
pane = find(lst_dlg, lambda o: role(o) == pyatspi.ROLE_TEXT)
log("6. %r: %d items %s, chosen %s, buttons %s" % (LIST_TITLE, len(items), item_names[:4], chosen,
                                                  button_names(lst_dlg)))
check(items and all(n.strip() for n in item_names), "the list \"Lektion\" has no items or nameless ones")
check(chosen, "no item of the list \"Lektion\" is selected or focused")
check(pane is not None, "the dialog has no description pane")
log("   description pane %r: %r" % (pane.name, text_of(pane)[:60]))
check({"OK", "Abbrechen"} <= set(b.name for b in buttons(lst_dlg)), "the dialog lacks the buttons OK and Abbrechen")
x_focus(new_x_window("^" + re.escape(LIST_TITLE) + "$", [], "the list dialog"), "the list dialog")
key("Escape")
wait_gone("the dialog \"%s\"" % LIST_TITLE, lambda: window_named(lambda n: n == LIST_TITLE))
log("   closed with Esc")

# 7. Close through the socket and check the settings.
s = socket.socket(socket.AF_UNIX)
s.connect(sock)
s.sendall(b"autoclose\n")
s.close()
try:
    code = proc.wait(30)
except subprocess.TimeoutExpired:
    finish(1, "autoclose did not close the program")
if code != 0 or not os.path.exists(ini):
    finish(1, "exit code %d, settings written: %s" % (code, os.path.exists(ini)))
log("7. closed by autoclose, settings written")
print("PASS in %.1f s" % (time.time() - started))
finish(0)
