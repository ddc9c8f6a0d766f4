#!/usr/bin/python3
# End-to-end test of the installed Tastwerk under a real Orca with a braille
# display, worked by keyboard alone as a blind learner works it.
#
# The program is installed from the build folder into a temporary prefix and
# started with a temporary HOME on a private desktop (e2e_session.py): X
# server, session bus with AT-SPI, PulseAudio whose null sink is recorded,
# speech-dispatcher speaking German into it, BRLTTY showing 40 cells on a
# virtual display whose lines we read, and Orca, which with the program
# shares the one speech-dispatcher and BrlAPI, as on a learner's desktop.
# Keys go in through xdotool (chords by keycode); what is checked is what the
# learner gets: Orca's speech and braille (Orca's own log), the display's
# lines, and the sound at the sink, with speech-dispatcher's log telling
# whose speech was heard and whose was cut off. AT-SPI is only used to wait
# for states and to plan the keys (where the targets are).
#
# Latencies are measured in the same run next to floors measured in the
# same run, under the same Orca, and written as Google Benchmark JSON to
# BUILDDIR/bench/e2e_latency.json; they are recorded, not asserted.
#
#   e2e_tastwerk.py --cmake CMAKE --build BUILDDIR --bare E2E_BARE_PANE
#                   [--latency-only] [--samples N] [--keep]
# Exit code 0 passed, 1 failed, 77 skipped (another Orca of this user runs).
import argparse
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)
import audioop  # noqa: E402 (after the filter: deprecated, still the quickest)
import json
import os
import platform
import pwd
import random
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))
from atspi_tree import children, find  # noqa: E402
from e2e_session import (RATE, BrailleDisplay, OrcaLock, Session, SsipClient, StepFailed, cell_dots, descendants,
                         end_pids, orca_processes_of_user, wait_until)

HERE = os.path.dirname(os.path.abspath(__file__))
MAIN_TITLE = "Tastwerk V1.02"
MATERIAL = "Lernmaterial-1"  # Basisschrift, the default learning material
LIST_TITLE = "Bereich und Lektion wählen"
CHORD_KEYS = {"1": 41, "2": 40, "3": 39, "4": 44, "5": 45, "6": 46}  # F D S J K L

# The cut-off of Orca's own reading in the exercise pane does not work yet
# (see the note printed by cutoff_probe): while this is True the test
# reports it as an expected failure; once it works, the test says so and the
# flag should go, so that it is checked from then on.
CUTOFF_KNOWN_BROKEN = False
# The program's own braille output takes the braille display from Orca for
# a while (see the note printed at the end); while this is True, the lines
# Orca brailles are checked in Orca's output where the display does not show
# them, and the fault is reported as an expected failure.
DISPLAY_TAKEN_KNOWN_BROKEN = False

T0 = time.monotonic()


def finding_cells(text):
    """Offsets of the targets and of the other braille cells in a finding
    exercise: the task line ends with the asked cell, the cells follow."""
    first, rest = text.split("\n", 1)
    base = len(first) + 1
    targets = [base + i for i, ch in enumerate(rest) if ch == first[-1]]
    others = [base + i for i, ch in enumerate(rest) if 0x2800 < ord(ch) <= 0x28FF and ch != first[-1]]
    return targets, others


def log(*args):
    print("[%6.1f s]" % (time.monotonic() - T0), *args, flush=True)


def short(text, n=90):
    text = text.replace("\n", " / ")
    return text if len(text) <= n else text[:n - 3] + "..."


# ---- what Orca said and brailled -------------------------------------------

class OrcaLog:
    """Orca's utterances and braille lines, as our customizations log them."""

    def __init__(self, path):
        self.path, self.pos, self.entries = path, 0, []  # (time, kind, text)

    def update(self):
        if not os.path.exists(self.path):
            return self.entries
        with open(self.path, "rb") as f:
            f.seek(self.pos)
            data = f.read()
        end = data.rfind(b"\n")
        if end < 0:
            return self.entries
        self.pos += end + 1
        for line in data[:end].decode("utf-8", "replace").split("\n"):
            try:
                t, name, msg = line.split(" ", 2)
            except ValueError:
                continue
            m = re.match(r"SPEECH OUTPUT: '(.*)'", msg)
            if name == "speech" and m:
                self.entries.append((float(t), "speech", m.group(1)))
                continue
            m = re.match(r"\s*VISIBLE:\s+'(.*)', cursor=(\d+)", msg)
            if name == "braille" and m:
                self.entries.append((float(t), "braille", m.group(1)))
        return self.entries

    def since(self, t, kind=None):
        return [e for e in self.update() if e[0] >= t and (kind is None or e[1] == kind)]

    def said(self, t, pred):
        return next((e for e in self.since(t, "speech") if pred(e[2])), None)

    def brailled(self, t, pred):
        return next((e for e in self.since(t, "braille") if pred(e[2])), None)


# ---- what speech-dispatcher did with whose message ---------------------------

class Utterance:
    def __init__(self, msg_id, fd, client, text, priority, queued):
        self.id, self.fd, self.client, self.text = msg_id, fd, client, text
        self.priority, self.queued = priority, queued
        self.begin = self.end = self.cancel = None

    @property
    def who(self):
        if ":Orca:" in self.client:
            return "Orca"
        if ":tastwerk:" in self.client:
            return "Tastwerk"
        return self.client

    def outcome(self, at=None):
        """What had become of it by time at (by now when None)."""
        at = time.monotonic() if at is None else at
        if self.end is not None and self.end <= at:
            return "spoken to the end (%.0f ms)" % ((self.end - self.begin) * 1000 if self.begin else 0)
        if self.cancel is not None and self.cancel <= at:
            if self.begin is None:
                return "cancelled before it began"
            return "cut off after %.0f ms" % ((self.cancel - self.begin) * 1000)
        if self.begin is not None and self.begin <= at:
            return "still speaking %.1f s after it began" % (at - self.begin)
        return "waiting"

    def done(self):
        return self.end is not None or self.cancel is not None

    def cut_within(self, seconds):
        """Cancelled before it began or within seconds of beginning."""
        return self.cancel is not None and (self.begin is None or self.cancel - self.begin < seconds) and \
            (self.end is None or self.cancel <= self.end)


class SpeechLog:
    """speech-dispatcher's own log at level 5: every client's messages with
    the times they were queued, began, ended or were cancelled (the event
    notifications it sends back, 701 to 703, carry the message's number)."""

    ENTRY = re.compile(r"^\[(\w{3} \w{3} +\d+ \d\d:\d\d:\d\d \d{4}) : (\d+)\] speechd: ?(.*)$")

    def __init__(self, path):
        self.path, self.pos, self.buf = path, 0, ""
        self.wall = time.time() - time.monotonic()
        self.clients, self.msgs, self.pending = {}, {}, None
        self.current = None  # (time, text) of the entry being read
        self.voices = {}  # fd -> voice set by that client
        self.cancels = []  # (time, client, scope) of CANCEL and STOP commands

    def _time(self, stamp, micro):
        return time.mktime(time.strptime(stamp, "%a %b %d %H:%M:%S %Y")) + int(micro) / 1e6 - self.wall

    def update(self):
        if not os.path.exists(self.path):
            return self
        with open(self.path, "rb") as f:
            f.seek(self.pos)
            data = f.read()
        self.pos += len(data)
        self.buf += data.decode("utf-8", "replace")
        lines = self.buf.split("\n")
        self.buf = lines.pop()
        for line in lines:
            m = self.ENTRY.match(line)
            if m:
                if self.current:
                    self._entry(*self.current)
                self.current = (self._time(m.group(1), m.group(2)), m.group(3).strip())
            elif self.current:
                self.current = (self.current[0], self.current[1] + "\n" + line)
        return self

    def _entry(self, t, text):
        m = re.match(r"(\d+):DATA:\|SET SELF CLIENT_NAME (.*)", text, re.I)
        if m:
            self.clients[int(m.group(1))] = m.group(2).strip().strip('"')
            return
        m = re.match(r"(\d+):DATA:\|SET SELF SYNTHESIS_VOICE (.*)", text, re.I)
        if m:
            self.voices[int(m.group(1))] = m.group(2).strip()
            return
        m = re.match(r"(\d+):DATA:\|(CANCEL|STOP) (\S+)", text, re.I)
        if m:
            self.cancels.append((t, self.clients.get(int(m.group(1)), "?"), "%s %s" % (m.group(2).upper(),
                                                                                      m.group(3).upper())))
            return
        m = re.match(r"Queueing message \|(.*)\| with priority (\d+)", text, re.S)
        if m:
            self.pending = (t, m.group(1), int(m.group(2)))
            return
        m = re.match(r"(\d+):REPLY:\|225-(\d+)", text)
        if m and self.pending:
            fd, mid = int(m.group(1)), int(m.group(2))
            plain = re.sub(r"<[^>]*>", "", self.pending[1])
            plain = plain.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&").replace("&apos;", "'")
            self.msgs[mid] = Utterance(mid, fd, self.clients.get(fd, "?"), plain, self.pending[2], self.pending[0])
            self.pending = None
            return
        m = re.match(r"(\d+):REPLY:\|70([123])-(\d+)", text)
        if m:
            u = self.msgs.get(int(m.group(3)))
            if not u:
                return
            kind = m.group(2)
            if kind == "1" and u.begin is None:
                u.begin = t
            elif kind == "2" and u.end is None:
                u.end = t
            elif kind == "3" and u.cancel is None:
                u.cancel = t

    def voiced(self, who):
        """Whether a client of that name has chosen a voice."""
        return any((":%s:" % who.lower()) in self.clients.get(fd, "").lower() for fd in self.voices)

    def since(self, t, who=None):
        self.update()
        return [u for u in sorted(self.msgs.values(), key=lambda u: u.queued)
                if u.queued >= t and (who is None or u.who == who)]

    def cancelled_by(self, u):
        """The other client's message queued last before u was cut off."""
        if u.cancel is None:
            return None
        before = [v for v in self.msgs.values() if v.who != u.who and v.queued <= u.cancel + 0.002]
        return max(before, key=lambda v: v.queued) if before else None


# ---- sounds ----------------------------------------------------------------

def wav_profile(path):
    """Length, main frequency (of the first 40 ms) and the first 60 ms as
    heard at the sink's monitor (mono, RATE) of a sound file."""
    with wave.open(path) as w:
        rate, frames = w.getframerate(), w.readframes(w.getnframes())
        width, channels = w.getsampwidth(), w.getnchannels()
    if channels == 2:
        frames = audioop.tomono(frames, width, 0.5, 0.5)
    first = frames[:int(rate * 0.04) * width]
    onset, _ = audioop.ratecv(frames[:int(rate * 0.06) * width], width, 1, rate, RATE, None)
    return len(frames) / width / rate, audioop.cross(first, width) / 2 / 0.04, onset


def median(xs):
    return statistics.median(xs) if xs else float("nan")


def quartiles(xs):
    if len(xs) < 2:
        return (xs[0], xs[0]) if xs else (float("nan"), float("nan"))
    q = statistics.quantiles(xs, n=4, method="inclusive")
    return q[0], q[2]


# ---- the test ----------------------------------------------------------------

class Test:
    def __init__(self, args):
        self.args = args
        self.samples = args.samples
        self.checks = []  # (step, text)
        self.notes = []  # expected failures and faults found
        self.whole = []  # (what, text, seconds heard, step) of texts heard whole
        self.orca_gone = False
        self.lat = {}  # series -> [ms]
        self.marks = []  # (time, text) of steps
        self.session = None

    # -- helpers ---------------------------------------------------------------
    def check(self, cond, step, what):
        if not cond:
            raise StepFailed("%s: %s" % (step, what))
        self.checks.append((step, what))
        log("  ok:", what)

    def mark(self, text):
        self.marks.append((time.monotonic(), text))
        log(text)

    def key(self, line):
        t = time.monotonic()
        self.xdo.stdin.write((line + "\n").encode())
        self.xdo.stdin.flush()
        self.keys.append((t, line))
        return t

    def chord(self, dots):
        ks = [CHORD_KEYS[d] for d in dots]
        return self.key(" ".join(["keydown %d" % k for k in ks] + ["keyup %d" % k for k in ks]))

    def alive(self):
        for name in ("xvfb", "dbus", "pulseaudio", "speechd", "brltty", "orca", "xdotool"):
            if name != "orca" or not self.orca_gone:
                self.session.check_alive(name)
        if self.prog is not None and self.prog.poll() is not None and not self.prog_may_end:
            raise StepFailed("the program ended (exit code %s)" % self.prog.returncode)

    def wait(self, what, probe, timeout=10, poll=0.02):
        return wait_until(what, probe, timeout, poll, alive=self.alive)

    def quiet(self, what, seconds=0.15, timeout=10):
        """Shift alone: Orca and the program both stop speaking on it; then
        wait until neither has anything left to say and the sink has been
        silent a moment (Orca may still speak for a key pressed before)."""
        now = time.monotonic()
        shift = [self.key("key shift")]

        def idle():
            busy = [u for u in self.sd.since(now - 20) if u.who in ("Orca", "Tastwerk") and not u.done()]
            if busy and time.monotonic() - shift[0] > 0.5:
                shift[0] = self.key("key shift")
            # Orca's last words must have had time to reach the sink (its
            # log is written at once, speech-dispatcher's a little later).
            spoken = self.orca.since(time.monotonic() - 0.4, "speech")
            return not busy and not spoken and self.rec.quiet_since(seconds)
        self.wait("silence before " + what, idle, timeout)

    def sound_after(self, t, timeout):
        """The first sound at the sink after t, waiting up to timeout."""
        try:
            return wait_until("", lambda: self.rec.first_sound_after(t, within=timeout), timeout, 0.01)
        except StepFailed:
            return None

    def audible(self, t0, t1):
        """Seconds of sound at the sink between t0 and t1."""
        return sum(max(0.0, min(b, t1) - max(a, t0)) for a, b, _, _ in self.rec.segments(t0, t1))

    def said(self, since, what, pred, timeout=10):
        return self.wait("Orca saying " + what, lambda: self.orca.said(since, pred), timeout)

    def display_line_after(self, t, timeout=3):
        """The first line on the display after t that differs (caret aside)
        from the line shown before t; None where the display no longer
        follows Orca (the known fault)."""
        lines = self.display.lines
        prev = [l for (tt, l) in lines if tt < t]
        before = BrailleDisplay.strip_caret(prev[-1]) if prev else None
        try:
            return self.wait("a new line on the braille display",
                             lambda: next(((tt, l) for (tt, l) in list(lines)
                                           if tt >= t and BrailleDisplay.strip_caret(l) != before), None), timeout)
        except StepFailed:
            if not DISPLAY_TAKEN_KNOWN_BROKEN:
                raise
            orca = self.orca.brailled(t, lambda s: True)
            self.display_fault("a caret move", orca[2] if orca else "")
            return None

    def orca_line_after(self, t, timeout=3):
        """The first line Orca brailles after t."""
        return self.wait("Orca brailling a new line", lambda: self.orca.brailled(t, lambda s: True), timeout)

    # -- AT-SPI ----------------------------------------------------------------
    def atspi_init(self):
        import pyatspi
        from gi.repository import Atspi
        self.pyatspi, self.Atspi = pyatspi, Atspi

    def app(self, name="tastwerk"):
        for a in children(self.pyatspi.Registry.getDesktop(0)):
            try:
                if a.name == name:
                    self.Atspi.Accessible.set_cache_mask(a, self.Atspi.Cache.NONE)
                    return a
            except Exception:
                pass
        return None

    def window(self, pred, app="tastwerk"):
        for w in children(self.app(app)):
            try:
                if pred(w.name):
                    return w
            except Exception:
                pass
        return None

    def focused(self, obj):
        return obj.getState().contains(self.pyatspi.STATE_FOCUSED)

    def pane_text(self, pane):
        t = pane.queryText()
        return t.getText(0, t.characterCount)

    def caret(self, pane):
        return pane.queryText().caretOffset

    def exercise(self, app="tastwerk"):
        """The exercise window and its pane "Übung"."""
        for w in children(self.app(app)):
            try:
                pane = next((c for c in children(w) if c.getRoleName() == "text" and c.name == "Übung"), None)
                if pane is not None and w.getState().contains(self.pyatspi.STATE_ACTIVE):
                    return w, pane
            except Exception:
                pass
        return None

    def labels(self, w):
        return [c.name for c in children(w) if c.getRoleName() == "label"]

    def go_to(self, pane, target, step, timeout=10):
        """Arrow keys until the caret stands on target (a key right after a
        judged answer may only clear the selection: then it is pressed again)."""
        deadline = time.monotonic() + timeout
        while True:
            cur = self.caret(pane)
            if cur == target:
                return
            if time.monotonic() > deadline:
                raise StepFailed("%s: the caret does not reach offset %d (stays at %d)" % (step, target, cur))
            self.key("key " + ("Right" if cur < target else "Left"))
            try:
                wait_until("", lambda: self.caret(pane) != cur, 0.4)
            except StepFailed:
                pass

    # -- the run ---------------------------------------------------------------
    def run(self):
        a = self.args
        self.work = tempfile.mkdtemp(prefix="tastwerk-e2e-")
        self.prog, self.prog_may_end, self.keys = None, False, []
        self.display_lost_at = self.display_back_at = None
        S = self.session = Session(self.work)
        try:
            self.install()
            log("private desktop in", self.work)
            S.start_x()
            S.start_dbus()
            S.start_pulse()
            S.start_speechd()
            S.start_brltty(40)
            self.rec, self.display = S.recorder, S.display
            self.atspi_init()
            self.orca = OrcaLog(os.path.join(self.work, "orca.log"))
            self.sd = SpeechLog(os.path.join(S.speechd_logs, "speech-dispatcher.log"))
            S.start_orca(os.path.join(HERE, "orca-customizations.py"), self.orca.path)
            self.wait("Orca to start (\"Screen reader on.\")",
                      lambda: self.orca.said(0, lambda s: s.startswith("Screen reader on")), 30)
            self.xdo = S.start("xdotool", ["xdotool", "-"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
            self.sounds = {os.path.splitext(f)[0]: wav_profile(os.path.join(self.share, "Sounds", f))
                           for f in os.listdir(os.path.join(self.share, "Sounds")) if f.endswith(".wav")}
            self.table = self.braille_table()
            find_lesson, type_lesson = self.lesson("AT_ZeichenFinden"), self.lesson("AT_ZeichenTippen")
            log("lessons of the first area: %r and %r" % (find_lesson, type_lesson))
            self.start_program(first=not a.latency_only)
            if a.latency_only:
                self.open_lesson(find_lesson)
                self.exercise_latency()
                self.sound_latency_wrong()
                self.cancel_lesson()
            else:
                self.main_window()
                self.open_lesson(find_lesson)
                self.cutoff_probe()
                self.exercise_latency()
                self.finding_lesson()
                self.open_lesson(type_lesson)
                self.typing_lesson()
                self.progress_window()
                self.braille_pad()
                self.help_window()
                self.orca_leaves()
            self.close_program()
            if not a.latency_only:
                self.heard_alone()
            if self.orca_gone:
                # The floors are measured under the same Orca, started anew.
                self.restart_orca()
            self.floors()
            self.report()
            return 0
        except StepFailed as e:
            print("FAIL: %s" % e, flush=True)
            self.print_timeline(since=time.monotonic() - 20)
            if getattr(self, "sd", None):
                print("--- speech-dispatcher's last messages ---")
                for u in self.sd.since(time.monotonic() - 20):
                    print("%7.3f #%d %s p%d %r: %s" % (u.queued - getattr(self, "t_prog", T0), u.id, u.who,
                                                      u.priority, short(u.text, 60), u.outcome()))
            prog = getattr(self, "prog", None)
            if prog is not None:
                print("--- the program: %s ---" % ("ended, exit code %s" % prog.returncode if prog.poll() is not None
                                                   else "running"))
                if prog.poll() is None:
                    for what in ("wchan", "stat"):
                        try:
                            with open("/proc/%d/%s" % (prog.pid, what)) as f:
                                print("  %s: %s" % (what, f.read().strip()[:200]))
                        except OSError:
                            pass
                out = os.path.join(self.work, "tastwerk.out")
                if os.path.exists(out):
                    with open(out, "rb") as f:
                        for line in f.read().decode("utf-8", "replace").splitlines()[-10:]:
                            print("  out: " + line)
            for root, _, files in os.walk(getattr(self.session, "home", "/nonexistent")):
                if "Log.txt" in files:
                    print("--- the program's log %s (last lines) ---" % os.path.join(root, "Log.txt"))
                    with open(os.path.join(root, "Log.txt"), "rb") as f:
                        for line in f.read().decode("utf-8", "replace").splitlines()[-15:]:
                            print("  " + line)
            if getattr(self, "display", None):
                print("--- the display's last lines (text view) ---")
                for t, text in self.display.visual[-6:]:
                    print("%7.3f %r" % (t - getattr(self, "t_prog", T0), text))
            return 1
        finally:
            t = time.monotonic()
            killed = S.stop_all()
            log("all processes ended in %.1f s%s" % (time.monotonic() - t, " (SIGKILL for %s)" % ", ".join(killed)
                                                     if killed else ""))
            if a.keep:
                if S.recorder:
                    # The monitor as recorded (mono s16le at RATE, slice k at
                    # times.json's slice_time[k]) with the keys, for a closer look.
                    with open(os.path.join(self.work, "monitor.s16"), "wb") as f:
                        f.write(S.recorder.pcm)
                    with open(os.path.join(self.work, "times.json"), "w") as f:
                        n = S.recorder.slices()
                        json.dump({"rate": RATE, "slice_time": [S.recorder.slice_time(k) for k in range(0, n, 100)],
                                   "keys": self.keys}, f)
                print("kept:", self.work)
            else:
                shutil.rmtree(self.work, ignore_errors=True)

    def install(self):
        prefix = os.path.join(self.work, "prefix")
        r = subprocess.run([self.args.cmake, "--install", self.args.build, "--prefix", prefix],
                           capture_output=True, text=True, timeout=120)
        if r.returncode != 0:
            raise StepFailed("installing into %s: %s" % (prefix, r.stderr.strip()[-500:]))
        self.exe = os.path.join(prefix, "bin", "tastwerk")
        self.share = os.path.join(prefix, "share", "tastwerk")
        if not os.access(self.exe, os.X_OK):
            raise StepFailed("installing: %s is missing" % self.exe)
        log("installed into", prefix)

    def lesson(self, typ):
        """The title of the first lesson of that task type, without a
        countdown, in the material's first area (the one the list opens on)."""
        material = os.path.join(self.share, "Lernmaterialien", MATERIAL)
        with open(os.path.join(material, "Lernmaterial.ini"), encoding="utf-8-sig") as f:
            text = f.read()
        dirs = text.split("[DIRECTORIES]", 1)[1]
        area = next(l.split("=", 1)[0].strip() for l in dirs.splitlines() if "=" in l)
        folder = os.path.join(material, area)
        for name in sorted(os.listdir(folder)):
            if not name.endswith(".lek"):
                continue
            with open(os.path.join(folder, name), encoding="utf-8-sig") as f:
                lek = f.read()
            if re.search(r"^Typ=%s\s*$" % typ, lek, re.M) and not re.search(r"^Zeitfaktor=[1-9]", lek, re.M):
                return re.search(r"^Titel=(.*?)\s*$", lek, re.M).group(1)
        raise StepFailed("no lesson of type %s in %s" % (typ, folder))

    def braille_table(self):
        """Character -> cell from the installed braille table (first entry wins)."""
        table = {}
        with open(os.path.join(self.share, "Data", "BrlUniChar.txt"), encoding="utf-8-sig") as f:
            for line in f:
                m = re.match(r"\s*[0-9]+=\$([0-9A-Fa-f]+) \$([0-9A-Fa-f]+)", line)
                if m:
                    table.setdefault(chr(int(m.group(2), 16)), chr(int(m.group(1), 16)))
        return table

    def start_program(self, first=False):
        """A learner's very first start as shipped (empty profile: splash,
        introduction, the offer of the collective lesson), or one who has
        been here before (no introduction, no splash)."""
        self.profile = os.path.join(self.session.home, ".local", "share", "Tastwerk", "Benutzer",
                                    pwd.getpwuid(os.getuid()).pw_name)
        if not first:
            os.makedirs(self.profile)
            with open(os.path.join(self.profile, "Tastwerk.ini"), "w", encoding="utf-8") as f:
                f.write("[Settings]\nShowEinleitung=0\nShowSplashScreen=0\n")
        # No program of the desktop opens a help page here: the opener
        # reports that it found no browser.
        fake = os.path.join(self.work, "no-browser")
        os.makedirs(fake, exist_ok=True)
        with open(os.path.join(fake, "xdg-open"), "w") as f:
            f.write("#!/bin/sh\necho 'xdg-open: no method available for opening' >&2\nexit 3\n")
        os.chmod(os.path.join(fake, "xdg-open"), 0o755)
        env = dict(self.session.env, QT_QPA_PLATFORM="xcb",
                   PATH=fake + os.pathsep + self.session.env.get("PATH", os.environ.get("PATH", "")))
        self.t_prog = time.monotonic()
        self.mark("start the installed program %s%s" % (self.exe, " (first start, empty profile)" if first else ""))
        self.prog = self.session.start("tastwerk", [self.exe], env=env)
        if first:
            self.first_start()
        step = "program start"
        self.said(self.t_prog, "the main window's title", lambda s: s.startswith(MAIN_TITLE + " frame"), 40)
        self.check(True, step, "Orca says the main window's title %r" % MAIN_TITLE)
        self.said(self.t_prog, "the status text", lambda s: s == "Folgende Daten wurden geladen:", 20)
        br = self.wait("Orca brailling the status line",
                       lambda: self.orca.brailled(self.t_prog, lambda s: "Folgende Daten wurden geladen:" in s))
        self.check_display_shows(br, step, "the status line")
        # The program's voice is chosen once speech-dispatcher has listed its
        # voices: the program's own speech before that is not ours to judge.
        self.wait("the program choosing its voice", lambda: self.sd.update().voiced("Tastwerk"), 30)
        self.quiet("the first key", 0.2, 25)
        if first:
            self.intro_stopped_by_shift("first start")

    def first_start(self):
        """The introduction is spoken by the program's voice before the voice
        list is there, over Orca's announcement of its window, and heard
        whole; the offer of the collective lesson names it and is heard whole;
        the introduction opened again from the help menu is stopped by Shift
        alone."""
        step = "first start"
        title = "Einleitung zu Tastwerk"
        self.said(self.t_prog, "the introduction window", lambda s: s.startswith(title + " dialog"), 60)
        self.check(True, step, "Orca announces the window %r" % title)
        u = self.wait("the program speaking the introduction", lambda: next(
            (u for u in self.sd.since(self.t_prog, "Tastwerk") if u.text.startswith("Willkommen bei Tastwerk")),
            None), 20)
        self.wait("the introduction to be heard", lambda: self.sd.update() and u.begin is not None, 10)
        heard_at = self.rec.first_sound_after(u.begin - 0.005, within=0.5)
        self.check(heard_at is not None, step, "the program's voice speaks the introduction (first sample %.0f ms "
                   "after it began), with no voice stored and the voice list still loading" %
                   ((heard_at - u.begin) * 1000 if heard_at else -1))
        self.heard_whole(u, step, "introduction on the first start", 400)
        self.quiet("closing the introduction", 0.15)
        t = self.key("key Return")
        offer = "Soll jetzt die Sammellektion „Tastwerk erlernen“ gestartet werden?"
        q = self.wait("the program speaking the offer", lambda: next(
            (u for u in self.sd.since(t, "Tastwerk") if u.text == offer), None), 20)
        self.heard_whole(q, step, "offer of the collective lesson")
        self.quiet("the answer", 0.15)
        t = self.key("key alt+n")
        self.wait("the offer to close", lambda: self.window(lambda n: n == MAIN_TITLE) is not None, 10)

    def intro_stopped_by_shift(self, step):
        """Help > Einleitung: the introduction again; Shift alone stops it,
        and nothing of Orca's announcement follows."""
        title = "Einleitung zu Tastwerk"
        self.quiet("the main window", 0.2, 15)
        t = self.key("key alt+h")
        time.sleep(0.5)
        self.key("key e")
        self.said(t, "the introduction window", lambda s: s.startswith(title + " dialog"), 20)
        u = self.wait("the program speaking the introduction again", lambda: next(
            (u for u in self.sd.since(t, "Tastwerk") if u.text.startswith("Willkommen bei Tastwerk")), None), 20)
        self.wait("the introduction to be heard", lambda: self.sd.update() and u.begin is not None, 10)
        # Orca's announcement of the window comes within a second or so.
        time.sleep(3)
        self.sd.update()
        over = [v for v in self.sd.since(u.queued - 2, "Orca") if v.end is not None and v.end > u.begin]
        self.check(not u.done() and not over, step,
                   "3 s on, the introduction is still being spoken (%s)%s" % (
                       u.outcome(), "" if not over else "; Orca spoke over it: %r" % short(over[0].text, 50)))
        now = time.monotonic()
        sound = self.audible(now - 2.5, now - 0.5)
        self.check(sound > 1.0, step, "the introduction is heard at the sink (%.1f s of sound in 2 s)" % sound)
        t = self.key("key shift")
        self.wait("Shift alone to stop the introduction", lambda: self.sd.update() and u.done(), 3)
        self.check(u.cancel is not None and u.cancel - t < 1.0, step,
                   "Shift alone stops the introduction after %.0f ms" % (((u.cancel or t) - t) * 1000))
        time.sleep(1.0)
        self.sd.update()
        later = [v for v in self.sd.since(u.queued - 2, "Orca") if v.begin is not None and v.begin > t and
                 not v.cut_within(0.3)]
        self.check(not later, step, "nothing of Orca's announcement is heard after it%s" % (
            "" if not later else ": %r" % short(later[0].text, 50)))
        self.quiet("closing the introduction", 0.15)
        t = self.key("key Return")
        self.wait("the introduction to close", lambda: self.window(lambda n: n == title) is None, 10)
        self.back_to_main(t)

    def heard_whole(self, u, step, what, timeout=60):
        """The program's text u is spoken to its end, nothing of Orca's is
        heard over it, and what Orca sent meanwhile does not follow it."""
        self.wait("the program's %s to end" % what, lambda: self.sd.update() and u.done(), timeout)
        # What waited behind it is dropped when it ends: a few ms later.
        time.sleep(0.4)
        self.sd.update()
        end = u.end if u.end is not None else u.cancel
        orca = [v for v in self.sd.since(u.queued - 2, "Orca")]
        over = [v for v in orca if v.end is not None and u.begin is not None and u.begin < v.end <= end]
        after = [v for v in orca if u.queued <= v.queued <= end and v.begin is not None and v.begin >= end - 0.01
                 and not v.cut_within(0.3)]
        ok = u.end is not None and (u.cancel is None or u.cancel >= u.end) and not over and not after
        self.check(ok, step, "the %s is heard whole once: %s%s%s" % (
            what, u.outcome(), "" if not over else "; Orca over it: %r" % short(over[0].text, 40),
            "" if not after else "; Orca after it: %r" % short(after[0].text, 40)))
        if u.end is not None and u.begin is not None:
            self.whole.append((what, u.text, u.end - u.begin, step))

    def heard_alone(self):
        """Each text heard whole under Orca against the same text spoken
        alone with the same voice, in the same run: at least 90 %."""
        if not self.whole:
            return
        self.mark("the texts heard whole, each spoken alone with the program's voice")
        self.sd.update()
        voice = next((v for fd, v in self.sd.voices.items() if ":tastwerk:" in self.sd.clients.get(fd, "").lower()),
                     None)
        ssip = SsipClient(self.session.env["SPEECHD_ADDRESS"], "e2e:alone:main")
        try:
            # Begin and end are logged only for a client that asks for them.
            ssip.command("SET SELF NOTIFICATION ALL on")
            ssip.command("SET SELF LANGUAGE de")
            if voice:
                ssip.command("SET SELF SYNTHESIS_VOICE %s" % voice)
            ssip.command("SET SELF RATE 0")
            for what, text, heard, step in self.whole:
                t = time.monotonic()
                ssip.speak(text.replace("\n", " "))
                u = self.wait("the text spoken alone", lambda: next(
                    (u for u in self.sd.since(t) if ":alone:" in u.client), None), 10)
                self.wait("the text spoken alone to end", lambda: self.sd.update() and u.done(), max(90, 2 * heard))
                alone = (u.end - u.begin) if u.end is not None and u.begin is not None else None
                # A text under a second ("Finde: i") varies by tens of ms
                # from one synthesis to the next: there 100 ms count as whole.
                ok = alone is not None and (heard >= 0.9 * alone or (alone < 1.0 and alone - heard <= 0.1))
                self.check(ok, step, "the %s heard whole under Orca: %.2f s, alone %.2f s (%.0f %%)" % (
                    what, heard, alone or 0, 100 * heard / alone if alone else 0))
        finally:
            ssip.close()

    def help_window(self):
        """F1 with no browser: the page opens in the program's help window,
        which Orca reads."""
        step = "help without a browser"
        self.mark("F1 in the main window, no program of the desktop opens the page")
        t = self.key("key F1")
        self.said(t, "the help window", lambda s: s.startswith("Hilfe - ") and "dialog" in s, 15)
        w = self.wait("the help window", lambda: self.window(lambda n: n.startswith("Hilfe - ")), 5)
        self.check(True, step, "F1 opens the help window %r" % w.name)
        pane = self.wait("its page \"Hilfeseite\"", lambda: find(w, lambda o: o.name == "Hilfeseite"), 5)
        self.wait("the focus on the page", lambda: self.focused(pane), 5)
        self.quiet("reading the page", 0.2)
        page = " ".join(self.pane_text(pane).split())
        t = self.key("key Down")
        try:
            said = self.wait("Orca reading the next line of the page", lambda: self.orca.said(
                t, lambda s: len(s.strip()) > 3 and " ".join(s.split()) in page), 5)
        except StepFailed:
            raise StepFailed("%s: Orca said %r after Down, the page begins %r" % (
                step, [e[2] for e in self.orca.since(t, "speech")][:5], page[:120]))
        self.check(True, step, "Orca reads the page line by line: %r" % short(said[2], 50))
        self.quiet("closing the help", 0.15)
        t = self.key("key Escape")
        self.wait("the help window to close", lambda: self.window(lambda n: n.startswith("Hilfe - ")) is None, 5)
        self.back_to_main(t)

    def end_orca(self, step):
        S = self.session
        self.orca_gone = True
        end_pids([S.orca.pid] + descendants(S.orca.pid), 4.0)
        self.wait("Orca to be gone", lambda: not orca_processes_of_user(), 10)
        self.check(True, step, "Orca has ended")

    def restart_orca(self):
        t = time.monotonic()
        self.session.start_orca(os.path.join(HERE, "orca-customizations.py"), self.orca.path)
        self.orca_gone = False
        self.wait("Orca to start again", lambda: self.orca.said(t, lambda s: s.startswith("Screen reader on")), 30)

    def status_line_shown_by_program(self, step, key):
        """A caret move in the status pane with no screen reader running: the
        program itself shows the line at the caret on the display."""
        frame = self.window(lambda n: n == MAIN_TITLE)
        pane = find(frame, lambda o: o.getRoleName() == "text" and o.name == "INFOS")
        self.wait("the focus in the status pane", lambda: self.focused(pane), 5)
        t = self.key("key " + key)
        time.sleep(0.3)
        ti = pane.queryText()
        caret = ti.caretOffset
        text = self.pane_text(pane)
        start = text.rfind("\n", 0, caret) + 1
        end = text.find("\n", caret)
        want = text[start:end if end >= 0 else len(text)].rstrip("\r")[:40].rstrip()

        def shown():
            for (tt, v) in list(self.display.visual):
                if tt >= t and v.rstrip() == want:
                    return tt
            return None
        tt = self.wait("the display showing the program's own line %r" % short(want, 40), shown, 5)
        self.check(True, step, "the program shows the status line %r on the display itself, %.0f ms after the key" %
                   (short(want, 40), (tt - t) * 1000))

    def orca_leaves(self):
        """Orca ends while the program runs: the program shows its own lines
        on the display; Orca comes back and has the display again; Orca ends
        once more and the program speaks the close question itself."""
        step = "Orca leaves"
        self.mark("Orca is ended; the program shows its own lines on the display")
        self.end_orca(step)
        self.status_line_shown_by_program(step, "Down")
        self.mark("Orca comes back and has the display again")
        self.restart_orca()
        self.quiet("Orca's start", 0.2, 15)
        t = self.key("key Up")
        br = self.wait("Orca brailling the status line", lambda: self.orca.brailled(
            t, lambda s: s.startswith("INFOS")), 10)
        self.check_display_shows(br, step, "Orca's line after Orca came back")
        self.mark("Orca ends once more; the learner goes on with the program's own voice")
        self.end_orca(step)
        time.sleep(1.0)

    def check_display_shows(self, orca_braille, step, what):
        """The display shows what Orca brailled: the same text (BRLTTY's
        text view) and, for braille cells, exactly their dots. Gives the
        time the display showed it, or None where the display no longer
        follows Orca (the known fault)."""
        t, visible = orca_braille[0], orca_braille[2]
        want = visible.rstrip()
        cells = [(i, ch) for i, ch in enumerate(visible[:40]) if 0x2800 <= ord(ch) <= 0x28FF]

        def shown():
            for (tt, text) in list(self.display.visual):
                if tt >= t - 0.01 and text.rstrip() == want:
                    return tt
            return None
        try:
            tt = self.wait("the display showing %r" % short(want, 50), shown, 3)
        except StepFailed:
            if not DISPLAY_TAKEN_KNOWN_BROKEN:
                raise
            self.display_fault(step, want)
            self.check(True, step, "Orca brailles %s%s (not on the display: known fault)" % (
                what, " with %d braille cells" % len(cells) if cells else ""))
            return None
        if self.display_lost_at is not None and not self.display_back_at:
            self.display_back_at = (tt, step)
        line = min(list(self.display.lines), key=lambda e: abs(e[0] - tt))[1]
        line = [c.strip() for c in BrailleDisplay.strip_caret(line).split("|")]
        wrong = [(i, ch, line[i]) for i, ch in cells if i >= len(line) or line[i] != cell_dots(ch)]
        self.check(not wrong, step, "the display shows %s%s" % (
            what, " with %d braille cells as their dots" % len(cells) if cells else "") +
            ("" if not wrong else ": cells %s" % wrong))
        return tt

    def display_fault(self, step, want):
        """Notes, once, that the display stopped following Orca: what it
        shows instead and since when."""
        if self.display_lost_at is not None:
            return
        shown = self.display.visual[-1] if self.display.visual else (0, "")
        self.display_lost_at = (shown[0], step, shown[1].rstrip(), want)
        log("  EXPECTED FAILURE: the display shows %r (since %.1f s) instead of Orca's %r" % (
            shown[1].rstrip(), shown[0] - self.t_prog, short(want, 40)))

    # -- main window -------------------------------------------------------------
    def main_window(self):
        step = "status text"
        self.mark("the learner reads the status text line by line (Down)")
        frame = self.window(lambda n: n == MAIN_TITLE)
        pane = find(frame, lambda o: o.getRoleName() == "text" and o.name == "INFOS")
        lines = [l for l in self.pane_text(pane).split("\n")]
        n = min(5, len(lines) - 1)
        for i in range(1, n + 1):
            t = self.key("key Down")
            want = lines[i].strip()
            self.said(t, "status line %d %r" % (i + 1, want), lambda s: s.strip() == want, 5)
            br = self.wait("Orca brailling status line %d" % (i + 1),
                           lambda: self.orca.brailled(t, lambda s: s.startswith("INFOS " + want[:20])), 5)
            self.check_display_shows(br, step, "status line %d %r" % (i + 1, short(want, 40)))
            self.check(True, step, "Orca says status line %d: %r" % (i + 1, want))
            self.quiet("the next line")

    # -- choosing a lesson -----------------------------------------------------
    def open_lesson(self, title):
        step = "choosing " + title
        self.mark("Ctrl+L: %s, choose %r" % (LIST_TITLE, title))
        t = self.key("key ctrl+l")
        self.said(t, "the list dialog", lambda s: s.startswith(LIST_TITLE + " dialog"))
        dlg = self.wait("the list dialog", lambda: self.window(lambda n: n == LIST_TITLE))
        lst = self.wait("the lesson list", lambda: find(dlg, lambda o: o.getRoleName() == "list" and
                                                              o.name == "Lektion"))

        # Tab to the lesson list: Orca announces it as a list (the items
        # themselves report the focus even while another control has it).
        t_list = time.monotonic()

        def in_list():
            return self.focused(lst) or self.orca.said(t_list, lambda s: s.startswith("List with"))
        for _ in range(4):
            if in_list():
                break
            self.key("key Tab")
            try:
                wait_until("", in_list, 1.0)
            except StepFailed:
                pass
        self.wait("the focus in the lesson list (Tab)", in_list, 3)
        names = [i.name.lstrip("*") for i in children(lst)]
        self.check(title in names, step, "the list offers %r" % title)

        def selected():
            for i in children(lst):
                if i.getState().contains(self.pyatspi.STATE_SELECTED):
                    return i.name.lstrip("*")
        deadline = time.monotonic() + 15
        while selected() != title:
            if time.monotonic() > deadline:
                raise StepFailed("%s: the selection stays on %r" % (step, selected()))
            cur = selected()
            if cur is not None and cur not in names:
                raise StepFailed("%s: the list changed under the keys (%r selected)" % (step, cur))
            self.key("key " + ("Down" if cur is None or names.index(cur) < names.index(title) else "Up"))
            try:
                wait_until("", lambda: selected() != cur, 0.6)
            except StepFailed:
                pass
        self.said(t_list, "the chosen lesson", lambda s: s.lstrip("*").startswith(title), 5)
        self.check(True, step, "Orca reads the chosen lesson %r" % title)
        self.quiet("Enter")
        t = self.key("key Return")
        descr = "Beschreibung: \"%s\"" % title
        self.said(t, "the description window", lambda s: s.startswith(descr + " dialog"), 10)
        self.check(True, step, "Orca announces the description window %r" % descr)
        if not self.args.latency_only:
            d = self.wait("the program speaking the description", lambda: next(
                (u for u in self.sd.since(t, "Tastwerk") if len(u.text) > 20), None), 10)
            self.heard_whole(d, step, "description of %r" % title)
        self.quiet("closing the description", 0.15)
        t = self.key("key Return")
        self.t_exercise = t
        ex = self.wait("the exercise window", lambda: self.exercise(), 10)
        self.said(t, "the exercise window", lambda s: s.startswith(title + " - Wiederholung 1/"), 10)
        self.wait("the focus on the pane \"Übung\"", lambda: self.focused(ex[1]))
        self.check(True, step, "the exercise window %r opens with the focus on \"Übung\"" % ex[0].name)
        # The task the program speaks as the exercise appears.
        self.first_task = self.wait("the program speaking the task",
                                    lambda: next((u for u in self.sd.since(t, "Tastwerk")), None), 5)
        self.wait("the end of the program's spoken task", lambda: self.sd.update() and self.first_task.done(), 10)
        self.quiet("the first key in the exercise", 0.2, 15)

    def back_to_main(self, t):
        """A window closed: the learner waits for Orca to name the main
        window before the next key."""
        self.said(t, "the main window after a window closed", lambda s: s.startswith(MAIN_TITLE + " frame"), 10)
        self.quiet("the main window", 0.2, 15)

    def cancel_lesson(self):
        t = self.key("key Escape")
        self.said(t, "the question to cancel", lambda s: "Soll die Lektion abgebrochen werden?" in s)
        t = self.key("key alt+j")
        self.wait("the exercise window to close", lambda: self.exercise() is None)
        self.back_to_main(t)

    # -- the cut-off ------------------------------------------------------------
    def cutoff_probe(self):
        """On a caret move in the exercise pane the program means to cut off
        the screen reader's own reading of the braille cells (it sends the
        screen reader a single space with interrupt and silences it) and to
        speak its own spoken form of the line instead: nothing for the line
        of cells, the task in words for the task line.

        Shown here from speech-dispatcher's own log, which numbers every
        message and reports when it began, ended or was cancelled: the move
        onto the line of cells must leave Orca's reading of it cancelled
        within 300 ms of its start (or never started); the move back onto the
        task line must let the program's spoken task run to its end while
        Orca's reading of that line is cancelled. Corroborated by the sound
        at the sink: how long it was audible after each key."""
        step = "cut-off of Orca's reading"
        self.mark("caret moves in the exercise pane: whose speech does the learner hear?")
        ex, pane = self.exercise()
        text = self.pane_text(pane)
        self.ex_text = text
        task_line = text.split("\n")[0]
        task_cell = task_line[-1]
        letter = next((c for c, cell in self.table.items() if cell == task_cell and c.isalpha()), "?")
        spoken = "Finde: %s" % letter
        # The task spoken as the window opened.
        u = self.first_task
        self.check(u.text == spoken, step, "the program speaks the task %r for the cell %s" % (spoken, task_cell))
        heard = self.rec.first_sound_after(u.begin - 0.005, within=0.3) if u.begin else None
        self.check(u.begin is not None and heard is not None, step,
                   "the program's spoken task reaches the sink (audio %.0f ms after it began)" %
                   ((heard - u.begin) * 1000 if heard else -1))
        by = self.sd.cancelled_by(u)
        self.task_note = "the task %r as the window opened: %s%s" % (
            u.text, u.outcome(), " by Orca's %r" % short(by.text, 60) if by else "")
        log("  " + self.task_note)

        # Onto the line of cells.
        t = self.key("key Down")
        br = self.wait("Orca brailling the line of cells",
                       lambda: self.orca.brailled(t, lambda s: any(0x2800 < ord(c) < 0x2900 for c in s)))
        self.check_display_shows(br, step, "the exercise line")
        at = t + 2.5
        time.sleep(max(0.0, at - time.monotonic()))
        down_audio = self.audible(t, at)
        orca_msgs = [m for m in self.sd.since(t, "Orca") if any(0x2800 <= ord(c) <= 0x28FF for c in m.text)]
        prog_msgs = self.sd.since(t, "Tastwerk")
        facts = []
        cells_cut = bool(orca_msgs) and all(m.cut_within(0.3) for m in orca_msgs)
        for m in orca_msgs:
            facts.append("Down onto the cells: Orca's reading %r (the cells themselves go to the synthesiser, "
                         "which reads each of them) %s" % (short(m.text, 30), m.outcome(at)))
        if not orca_msgs:
            facts.append("Down onto the cells: Orca sent no reading of the cells")
        cancels = ["%s at +%.0f ms" % (c[2], (c[0] - t) * 1000) for c in self.sd.cancels
                   if t <= c[0] <= at and ":tastwerk:" in c[1]]
        first_orca = min((m.queued for m in orca_msgs), default=None)
        facts.append("Down: the program sent %s; to speech-dispatcher it sent %s (a CANCEL SELF stops only its "
                     "own messages; its \" \" with interrupt never left it: blank text is dropped)%s" % (
                         ", ".join("%r (%s)" % (m.text, m.outcome(at)) for m in prog_msgs) or "no speech",
                         ", ".join(cancels) or "no cancel",
                         "; Orca's reading came at +%.0f ms" % ((first_orca - t) * 1000) if first_orca else ""))
        facts.append("Down: %.1f s audible at the sink in the 2.5 s after the key" % down_audio)
        self.quiet("the move back", 0.15)
        # Back onto the task line.
        t2 = self.key("key Up")
        at = t2 + 2.5
        time.sleep(max(0.0, at - time.monotonic()))
        up_audio = self.audible(t2, at)
        prog_task = [m for m in self.sd.since(t2, "Tastwerk") if m.text == spoken]
        orca_task = [m for m in self.sd.since(t2, "Orca") if task_cell in m.text]
        task_heard = bool(prog_task) and prog_task[0].end is not None and prog_task[0].end <= at
        orca_task_cut = all(m.cut_within(0.3) for m in orca_task)
        for m in prog_task:
            by = self.sd.cancelled_by(m)
            facts.append("Up onto the task line: the program's %r %s%s" % (
                m.text, m.outcome(at), " by Orca's %r (priority %d, the program's %d)" % (
                    short(by.text, 40), by.priority, m.priority) if by else ""))
        if not prog_task:
            facts.append("Up onto the task line: the program did not speak %r" % spoken)
        for m in orca_task:
            facts.append("Up: Orca's reading %r %s" % (short(m.text, 40), m.outcome(at)))
        facts.append("Up: %.1f s audible at the sink in the 2.5 s after the key" % up_audio)
        self.quiet("the next key", 0.15)
        works = cells_cut and task_heard and orca_task_cut and down_audio < 0.6
        for f in facts:
            log("  " + f)
        self.cutoff_facts = facts
        if works:
            if CUTOFF_KNOWN_BROKEN:
                self.notes.append("XPASS: the cut-off of Orca's reading works now; set CUTOFF_KNOWN_BROKEN to False")
            self.check(True, step, "Orca's reading of the cells is cut off and the learner hears the program's "
                                   "spoken form instead")
        elif CUTOFF_KNOWN_BROKEN:
            self.notes.append("EXPECTED FAILURE (known fault): Orca's own reading of the braille cells in the "
                              "exercise pane is not cut off, and the program's spoken form is cut off by Orca "
                              "instead:\n      " + "\n      ".join(facts))
            log("  EXPECTED FAILURE: the cut-off does not work (details at the end)")
        else:
            raise StepFailed("%s: not cut off:\n  %s" % (step, "\n  ".join(facts)))

    # -- latencies in the exercise pane -------------------------------------------
    def exercise_latency(self, who="program", pane=None, speak=None):
        """Down onto the line of cells and Up onto the task line, each from
        silence: key to the new line on the display and in Orca's braille
        output, key to Orca's speech of the cells, and (program only) key to
        the first sample of the program's spoken task. With speak, the test
        itself starts that text through speech-dispatcher at each Up, as the
        program does: a floor that bears the same speech."""
        self.mark("latency: %d caret moves each way in the %s's pane" % (self.samples, who))
        if pane is None:
            pane = self.exercise()[1]
        if self.caret(pane) > self.pane_text(pane).index("\n"):
            self.key("key Up")
            time.sleep(0.3)
        self.quiet("the samples", 0.15)
        ssip = SsipClient(self.session.env["SPEECHD_ADDRESS"], "e2e:floor:main") if speak else None
        lat = {k: [] for k in ("braille", "braille_orca", "braille_orca_down", "braille_orca_up", "speech",
                               "orca_speech")}
        try:
            for i in range(self.samples):
                for k in ("Down", "Up"):
                    t = self.key("key " + k)
                    if ssip and k == "Up":
                        ssip.speak(speak)
                    orca = (self.orca_line_after(t)[0] - t) * 1000
                    lat["braille_orca"].append(orca)
                    lat["braille_orca_" + k.lower()].append(orca)
                    lost = self.display_lost_at is not None and self.display_back_at is None
                    shown = self.display_line_after(t, timeout=0.3 if lost else 3)
                    if shown is not None:
                        lat["braille"].append((shown[0] - t) * 1000)
                        if lost:
                            self.display_back_at = (shown[0], "latency samples")
                    heard = self.sound_after(t, 1.5)
                    if k == "Down" and heard is not None:
                        lat["orca_speech"].append((heard - t) * 1000)
                    if k == "Up" and who == "program":
                        # The first sample after the key is the program's only
                        # if its message was the first to begin.
                        time.sleep(0.05)
                        msgs = [m for m in self.sd.since(t) if m.begin is not None]
                        first = min(msgs, key=lambda m: m.begin) if msgs else None
                        if heard is not None and first is not None and first.who == "Tastwerk":
                            lat["speech"].append((heard - t) * 1000)
                    self.quiet("the next sample", 0.15)
        finally:
            if ssip:
                ssip.close()
        for k, v in lat.items():
            if v:
                self.lat[(k, who)] = v
        if who == "program":
            self.check(len(lat["speech"]) >= self.samples // 2, "speech latency",
                       "the program's spoken task is the first sound after Up in %d of %d samples" %
                       (len(lat["speech"]), self.samples))
        log("  braille %s: median %.0f ms at the display over %d keys, %.0f ms at Orca's output (Down %.0f, "
            "Up %.0f)" % (who, median(lat["braille"]), len(lat["braille"]), median(lat["braille_orca"]),
                          median(lat["braille_orca_down"]), median(lat["braille_orca_up"])))

    # -- the finding lesson ---------------------------------------------------
    def judge(self, t, step, what, want, series=None):
        """The judging sound after the key at t, found by its waveform (so
        that speech at the same moment does not count): which of the two
        it is, right answer's chime or wrong answer's buzz, and when it
        began. Checks it is want; adds the latency to series."""
        heard = self.wait("a sound after " + what, lambda: self.rec.first_sound_after(t, within=2.0), 3)
        # The first 20 ms of each sound, looked for up to just after the
        # first sound heard: Orca's speech about the key comes later.
        found = {}
        for name in ("ClickTrue", "ClickFalse"):
            ref = self.sounds[name][2][:2 * int(0.02 * RATE)]
            found[name] = self.wait("the recording of the moment after " + what,
                                    lambda: self.rec.match(heard - 0.02, heard + 0.005, ref), 3)
        name = max(found, key=lambda n: found[n][1])
        onset, like = found[name]
        self.check(name == want and like > 0.5, step, "%s gives %s at the sink after %.0f ms (waveform match %.2f)" % (
            what, want, (onset - t) * 1000, like) if name == want and like > 0.5 else
            "%s should give %s, heard %s (match %.2f)" % (what, want, name, like))
        if series:
            self.lat.setdefault(("sound", series), []).append((onset - t) * 1000)
        return onset

    def space_sound(self, step, want, series):
        """Space from silence and the judging sound that follows."""
        self.quiet("Space", 0.15)
        t = self.key("key space")
        self.judge(t, step, "Space", want, series)
        return t

    def finding_lesson(self):
        step = "finding lesson"
        self.mark("the finding lesson: Space on every target, once on a wrong cell")
        wrong_done = False
        t_last = None
        for w, pane, text in self.repetitions(20):
            if t_last is not None:
                # The next task, after the last target of a repetition: heard
                # whole, without "selected" from the pane.
                u = next((u for u in self.sd.since(t_last, "Tastwerk") if u.text.startswith("Finde")), None)
                if u is not None:
                    self.heard_whole(u, step, "next task %r" % u.text, 10)
                    chatter = self.orca.said(t_last, lambda s: "selected" in s.lower() or "selection" in s.lower())
                    self.check(chatter is None, step, "no selection chatter from the pane%s" % (
                        "" if chatter is None else ": %r" % chatter[2]))
            targets, others = finding_cells(text)
            log("  %s: %r, targets at %s" % (w.name, text.split("\n")[1], targets))
            if not wrong_done:
                asked, clicked = text.split("\n", 1)[0][-1], text[others[0]]
                self.finding_wrong = tuple(next((c for c, cell in self.table.items() if cell == x and c.isalpha()),
                                                "?") for x in (asked, clicked))
                self.go_to(pane, others[0], step)
                self.space_sound(step, "ClickFalse", "program_wrong")
                self.wait("\"Falsch: 1\"", lambda: any("Falsch: 1" in l for l in self.labels(w)), 3)
                self.check(True, step, "a wrong cell counts \"Falsch: 1\"")
                wrong_done = True
            cells_line = text.split("\n")[1].strip()
            for i, x in enumerate(targets):
                t_move = time.monotonic()
                self.go_to(pane, x, step)
                if i == 0 and self.keys and self.keys[-1][0] >= t_move:
                    # The whole line of cells, with the pane's name before
                    # it, on the display's first segment.
                    br = self.wait("Orca brailling the line of cells", lambda: self.orca.brailled(
                        t_move, lambda s: s.startswith("Übung") and cells_line[:10] in s), 5)
                    self.check(cells_line in br[2][:40], step, "the line of cells %s on the display's first segment "
                               "with the pane's name (%r)" % ("is whole" if cells_line in br[2][:40] else "is NOT",
                                                              br[2][:40]))
                self.space_sound(step, "ClickTrue", "program")
                t_last = self.keys[-1][0]
        self.lesson_end(step)

    def repetitions(self, most):
        """The exercise window of each repetition of a lesson in turn, as
        (window, pane, text), until the lesson's end message."""
        for _ in range(most):
            ex = self.wait("the exercise or the lesson's end", lambda: self.exercise() or
                           self.window(lambda n: n == "Lektion abgeschlossen"), 8)
            if not isinstance(ex, tuple):
                return
            w, pane = ex
            title = w.name
            yield w, pane, self.pane_text(pane)
            self.wait("the next repetition or the end",
                      lambda: self.exercise() is None or self.exercise()[0].name != title, 8)

    def lesson_end(self, step):
        self.wait("the message \"Lektion abgeschlossen\"",
                  lambda: self.window(lambda n: n == "Lektion abgeschlossen"), 10)
        t = time.monotonic()
        self.said(t - 3, "the lesson's end", lambda s: "Die Lektion ist abgeschlossen!" in s, 10)
        u = self.wait("the program speaking the lesson's end", lambda: next(
            (u for u in self.sd.since(t - 5, "Tastwerk") if "Die Lektion ist abgeschlossen!" in u.text), None), 5)
        self.heard_whole(u, step, "message \"Lektion abgeschlossen\"")
        self.quiet("reading the points", 0.15)
        t = self.key("key Down")
        pts = self.said(t, "the points", lambda s: s.startswith("Erhaltene Punkte:"), 5)
        self.check(True, step, "Orca reads %r" % pts[2])
        self.quiet("reading the score", 0.15)
        t = self.key("key Down")
        score = self.said(t, "the score", lambda s: s.startswith("Punktestand:"), 5)
        self.score = int(score[2].split(":")[1])
        self.check(True, step, "Orca reads %r" % score[2])
        self.quiet("closing the message", 0.15)
        t = self.key("key Return")
        self.wait("the message to close", lambda: self.window(lambda n: n == "Lektion abgeschlossen") is None)
        self.back_to_main(t)

    def sound_latency_wrong(self):
        """In the latency run: Space on cells that are no target, from silence."""
        ex, pane = self.exercise()
        _, others = finding_cells(self.pane_text(pane))
        for i in range(self.samples):
            self.go_to(pane, others[i % len(others)], "sound latency")
            self.space_sound("sound latency", "ClickFalse", "program")

    # -- the typing lesson -------------------------------------------------------
    def typing_lesson(self):
        step = "typing lesson"
        self.mark("the typing lesson: chords for the named letters, once a wrong one")
        wrong_done = False
        for rep, (w, pane, text) in enumerate(self.repetitions(30)):
            m = re.match(r"Tippe (\d+) Mal: (.)", text)
            if not m:
                raise StepFailed("%s: unexpected exercise %r" % (step, text))
            n, letter = int(m.group(1)), m.group(2)
            cell = self.table[letter]
            dots = cell_dots(cell)
            if rep == 1:
                # A repetition without a window announcement: the program's
                # spoken task is heard whole.
                u = next((u for u in self.sd.since(self.t_rep, "Tastwerk") if u.text.startswith("Tippe")), None)
                if u:
                    self.wait("the program's spoken task to end", lambda: self.sd.update() and u.done(), 8)
                    by = self.sd.cancelled_by(u)
                    self.typing_task_note = "the task %r in repetition 2: %s%s" % (
                        u.text, u.outcome(), " by Orca's %r" % short(by.text, 50) if by else "")
                    log("  " + self.typing_task_note)
            wrong = not wrong_done and rep == 1
            typed = [self.table["b" if letter != "b" else "c"]] if wrong else [cell] * n
            self.quiet("the chords", 0.15)
            for i, c in enumerate(typed):
                if i:
                    self.key("key space")
                    time.sleep(0.12)
                t = self.chord(cell_dots(c))
                time.sleep(0.2)
            want = "[" + " ".join(typed)
            self.wait("the typed cells %r in the field" % want, lambda: want in self.pane_text(pane), 5)
            if rep == 0:
                echo = self.wait("the program saying the written character", lambda: next(
                    (u for u in self.sd.since(t, "Tastwerk") if u.text == letter), None), 5)
                self.wait("the written character to be said", lambda: self.sd.update() and echo.done(), 5)
                self.check(echo.end is not None, step, "the chord's character is said by name: %r, %s" % (
                    echo.text, echo.outcome()))
                br = self.wait("Orca brailling the field", lambda: self.orca.brailled(t, lambda s: want in s), 5)
                self.check_display_shows(br, step, "the typed cell %s (dots %s) in the field" % (cell, dots))
            self.quiet("Enter", 0.15)
            self.t_rep = t = self.key("key Return")
            self.judge(t, step, "Enter on %s answer %r" % ("a wrong" if wrong else "the right", "".join(typed)),
                       "ClickFalse" if wrong else "ClickTrue")
            if wrong:
                self.wait("the result window \"Schreibergebnis\"",
                          lambda: self.window(lambda n: n == "Schreibergebnis"), 5)
                self.said(t, "the result window", lambda s: s.startswith("Schreibergebnis dialog"), 5)
                first = self.said(t, "the result", lambda s: s.startswith("Oje!"), 5)
                u = next((u for u in self.sd.since(t, "Tastwerk") if u.text.startswith("Oje!")), None)
                self.check(u is not None, step, "the program speaks the result window's text")
                self.check("[" not in u.text and all(not (0x2800 <= ord(c) <= 0x28FF) for c in u.text), step,
                           "the result's braille is said by its names: %r" % short(u.text, 90))
                self.heard_whole(u, step, "result window's text", 60)
                self.check(True, step, "the result window opens; Orca reads %r" % first[2])
                self.quiet("Weiter", 0.15)
                self.key("key w")
                self.wait("the result window to close", lambda: self.window(lambda n: n == "Schreibergebnis") is None)
                wrong_done = True
        self.lesson_end(step)

    # -- the progress window ----------------------------------------------------------
    def progress_window(self):
        """Ctrl+F: the finding lesson's wrong click is there, with its
        confusion, as Orca reads the rows of the character table."""
        step = "progress window"
        asked, clicked = self.finding_wrong
        self.mark("Ctrl+F: the progress window, %s clicked where %s was asked" % (clicked, asked))
        t = self.key("key ctrl+f")
        self.said(t, "the progress window", lambda s: s.startswith("Fortschritt dialog"), 10)
        self.check(True, step, "Orca announces the window \"Fortschritt\"")
        summary = self.wait("the program speaking the summary", lambda: next(
            (u for u in self.sd.since(t, "Tastwerk") if u.text.startswith("Am schwächsten:")), None), 10)
        self.check(asked in summary.text, step, "the program speaks the summary %r" % summary.text)
        want = "häufigste Verwechslung %s statt %s" % (clicked, asked)
        row, t = None, t
        for _ in range(12):
            row = self.orca.said(t, lambda s: s.startswith(asked + " ") and "mal gefragt" in s)
            if row:
                break
            self.quiet("the next row", 0.15)
            t = self.key("key Down")
            time.sleep(0.4)
        if not row:
            raise StepFailed("%s: Orca read no row for %r" % (step, asked))
        self.check(want in row[2], step, "Orca reads the row %r" % short(row[2], 120))
        br = self.wait("Orca brailling the row", lambda: self.orca.brailled(row[0] - 0.5, lambda s: "gefragt" in s), 5)
        self.check(True, step, "Orca brailles %r" % short(br[2], 60))
        self.quiet("closing the window", 0.15)
        t = self.key("key Escape")
        self.wait("the progress window to close", lambda: self.window(lambda n: n == "Fortschritt") is None)
        self.back_to_main(t)

    # -- BraillePad -----------------------------------------------------------------
    def braille_pad(self):
        step = "BraillePad"
        self.mark("BraillePad: chords, save as \"e2etext\"")
        t = self.key("key ctrl+p")
        self.said(t, "the BraillePad", lambda s: s.endswith("BraillePad dialog."), 10)
        pad = self.wait("the BraillePad window", lambda: self.window(lambda n: n.endswith("BraillePad")))
        pane = self.wait("the pane \"Brailletext\"", lambda: find(pad, lambda o: o.getRoleName() == "text" and
                                                                      o.name == "Brailletext"))
        self.wait("the focus in \"Brailletext\"", lambda: self.focused(pane))
        self.quiet("the chords", 0.15)
        word = "hallo"
        cells = "".join(self.table[c] for c in word)
        for c in cells:
            t = self.chord(cell_dots(c))
            time.sleep(0.2)
        self.wait("the cells %r in the pane" % cells, lambda: self.pane_text(pane) == cells, 5)
        br = self.wait("Orca brailling the text", lambda: self.orca.brailled(t, lambda s: cells in s), 5)
        self.check_display_shows(br, step, "the written %s" % cells)
        self.quiet("saving", 0.15)
        t = self.key("key ctrl+s")
        self.said(t, "the save dialog", lambda s: s.startswith("Brailletext speichern unter dialog"), 10)
        self.wait("the focus in \"Dateiname\"", lambda: self.focused(find(
            self.window(lambda n: n == "Brailletext speichern unter"),
            lambda o: o.getRoleName() == "text" and o.name == "Dateiname")), 5)
        self.key("type --delay 20 e2etext")
        time.sleep(0.5)
        t = self.key("key Return")
        self.said(t, "the BraillePad with the file's name", lambda s: s.startswith("e2etext.txt - BraillePad"), 10)
        path = os.path.join(self.session.home, ".local", "share", "Tastwerk", "Lernmaterialien", "Lernmaterial-1",
                            "Texte", "e2etext.txt")
        self.wait("the file %s" % path, lambda: os.path.exists(path), 5)
        with open(path, "rb") as f:
            data = f.read()
        self.check(data.decode("utf-8-sig").strip() == word, step,
                   "the text is saved as %s holding %r (the table's characters for the cells)" % (
                       os.path.basename(path), word))
        self.quiet("closing the BraillePad", 0.15)
        t = self.key("key alt+c")
        self.wait("the BraillePad to close", lambda: self.window(lambda n: n.endswith("BraillePad")) is None)
        self.back_to_main(t)

    # -- closing --------------------------------------------------------------
    def close_program(self):
        step = "closing"
        self.mark("Alt+F4 and the close question answered by keyboard")
        t = self.key("key alt+F4")
        if self.orca_gone:
            q = self.wait("the program speaking the close question", lambda: next(
                (u for u in self.sd.since(t, "Tastwerk") if u.text == "Soll das Programm geschlossen werden?"),
                None), 10)
            self.heard_whole(q, step, "close question in the program's own voice, Orca gone")
            self.wait("the display showing the close question", lambda: next(
                (tt for (tt, v) in list(self.display.visual)
                 if tt >= t and v.startswith("Soll das Programm geschlossen werden?")), None), 5)
            self.check(True, step, "the program shows the close question on the display")
        else:
            self.said(t, "the close question", lambda s: s == "Soll das Programm geschlossen werden?", 10)
            self.check(True, step, "Orca reads the question \"Soll das Programm geschlossen werden?\"")
        self.quiet("the answer", 0.15)
        self.prog_may_end = True
        self.key("key alt+j")
        try:
            code = self.prog.wait(20)
        except subprocess.TimeoutExpired:
            raise StepFailed("%s: the program did not end within 20 s after \"Ja\"" % step)
        self.t_prog_end = time.monotonic()
        self.check(code == 0, step, "the program ends with exit code 0")
        if self.args.latency_only:
            return
        ini = os.path.join(self.profile, "Tastwerk.ini")
        with open(ini, encoding="utf-8-sig") as f:
            text = f.read()
        m = re.search(r"^HighScore=(-?\d+)", text, re.M)
        self.check(m is not None and int(m.group(1)) == self.score and self.score > 0, step,
                   "Tastwerk.ini holds HighScore=%s, the score Orca read (%d)" % (m.group(1) if m else None,
                                                                                   self.score))

    # -- floors -----------------------------------------------------------------
    def floors(self):
        """The same keys on a bare Qt text pane with the same kind of text
        under the same Orca: the braille floor; Space there plays the same
        sound through a bare QAudioSink: the sound floor."""
        self.mark("floors: the bare Qt pane under the same Orca")
        text = getattr(self, "ex_text", None)
        if not text:
            cells = [chr(0x2800 + b) for b in (1, 3, 9, 25, 17, 11, 27, 19, 10, 26)]
            rnd = random.Random(7)
            text = "Finde: %s\n %s\n" % (cells[7], " ".join(rnd.choice(cells) for _ in range(20)))
        path = os.path.join(self.work, "bare.txt")
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        t = time.monotonic()
        # The same sound as the program's samples.
        self.floor_sound = "ClickFalse" if self.args.latency_only else "ClickTrue"
        self.bare = self.session.start("bare", [self.args.bare, path, os.path.join(self.share, "Sounds",
                                                                                 self.floor_sound + ".wav")],
                                       env=dict(self.session.env, QT_QPA_PLATFORM="xcb"))
        wid = self.wait("the bare pane's X window", lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Bare pane$"], capture_output=True, text=True,
            env=self.session.env).stdout.split(), 15)[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], env=self.session.env, timeout=10)
        pane = self.wait("the bare pane in AT-SPI",
                         lambda: find(self.app("e2e_bare_pane"), lambda o: o.getRoleName() == "text"), 15)
        self.wait("the focus on the bare pane", lambda: self.focused(pane), 10)
        self.wait("Orca brailling the bare pane", lambda: self.orca.brailled(t, lambda s: "Übung" in s), 10)
        self.quiet("the floor samples", 0.2, 15)
        self.exercise_latency("floor", pane)
        # The same again with speech starting at each Up, as the program's.
        first_line = text.split("\n")[0]
        letter = next((c for c, cell in self.table.items() if cell == first_line[-1] and c.isalpha()), "a")
        self.exercise_latency("floor_speech", pane, speak="Finde: %s" % letter)
        first, rest = text.split("\n", 1)
        self.mark("floor: Space in the bare pane plays %s through a bare QAudioSink" % self.floor_sound)
        n = len(self.lat.get(("sound", "program"), [])) or self.samples
        for i in range(n):
            self.space_sound("sound floor", self.floor_sound, "floor")
        end_pids([self.bare.pid], 3)

    # -- the report ----------------------------------------------------------------
    # The table: label, the program's series, the floor's series, the target.
    ROWS = [
        ("key to sound at the sink", ("sound", "program"), ("sound", "floor"), "sound"),
        ("key to new line on the braille display", ("braille", "program"), ("braille", "floor"), "braille"),
        ("key to new line in Orca's braille output", ("braille_orca", "program"), ("braille_orca", "floor"),
         "braille"),
        ("  Down onto the cells (Tastwerk silent)", ("braille_orca_down", "program"),
         ("braille_orca_down", "floor"), "braille"),
        ("  Up onto the task (Tastwerk speaks it)", ("braille_orca_up", "program"), ("braille_orca_up", "floor"),
         "braille"),
        ("  Up, floor speaking the task as well", ("braille_orca_up", "program"),
         ("braille_orca_up", "floor_speech"), "braille"),
        ("key to first sample of the program's speech", ("speech", "program"), None, "speech"),
        ("key to Orca's speech of the line of cells", ("orca_speech", "program"), ("orca_speech", "floor"), None),
    ]
    TARGETS = {"sound": ("within 15 ms of its floor", lambda d, p: d <= 15),
               "braille": ("within 20 ms of its floor", lambda d, p: d <= 20),
               "speech": ("within 100 ms of the key", lambda d, p: p <= 100),
               None: ("(Orca itself, for comparison)", None)}

    def write_json(self):
        out_dir = os.path.join(self.args.build, "bench")
        os.makedirs(out_dir, exist_ok=True)
        labels = {}
        for label, prog, floor, _ in self.ROWS:
            for key in (prog, floor):
                if key:
                    labels.setdefault(key, label.strip())
        benchmarks = []
        for (kind, who), xs in sorted(self.lat.items()):
            if not xs:
                continue
            q1, q3 = quartiles(xs)
            for agg, val in (("median", median(xs)), ("mean", statistics.mean(xs)),
                             ("stddev", statistics.stdev(xs) if len(xs) > 1 else 0.0),
                             ("min", min(xs)), ("max", max(xs))):
                benchmarks.append({
                    "name": "E2E_%s/%s_%s" % (kind, who, agg), "run_name": "E2E_%s/%s" % (kind, who),
                    "run_type": "aggregate", "aggregate_name": agg, "repetitions": len(xs),
                    "threads": 1, "iterations": len(xs), "real_time": val, "cpu_time": val, "time_unit": "ms",
                    "p25": q1, "p75": q3, "label": labels.get((kind, who), kind)})
        doc = {"context": {"date": time.strftime("%Y-%m-%dT%H:%M:%S%z"), "host_name": platform.node(),
                           "executable": os.path.abspath(__file__), "num_cpus": os.cpu_count(),
                           "mhz_per_cpu": 0, "cpu_scaling_enabled": False, "caches": [],
                           "load_avg": list(os.getloadavg()), "library_build_type": "release",
                           "samples": {"%s/%s" % k: [round(x, 2) for x in v] for k, v in self.lat.items()}},
               "benchmarks": benchmarks}
        path = os.path.join(out_dir, "e2e_latency.json")
        with open(path, "w") as f:
            json.dump(doc, f, indent=1)
        return path

    def report(self):
        path = self.write_json()
        print()
        print("=== Latencies (ms), this run, load %.1f: median [IQR] (n) ===" % os.getloadavg()[0])
        print("%-46s %-22s %-22s %-18s %s" % ("", "Tastwerk", "floor", "difference", "target"))

        def cell(xs):
            if not xs:
                return "-"
            q1, q3 = quartiles(xs)
            return "%.0f [%.0f-%.0f] (%d)" % (median(xs), q1, q3, len(xs))
        for label, pk, fk, kind in self.ROWS:
            prog, floor = self.lat.get(pk, []), self.lat.get(fk, []) if fk else []
            d, diff = None, "-"
            if prog and floor:
                d = median(prog) - median(floor)
                diff = "%+.0f ms (x%.2f)" % (d, median(prog) / median(floor))
            text, ok = self.TARGETS[kind]
            verdict = ""
            if ok and prog and (floor or kind == "speech"):
                verdict = " met" if ok(d if d is not None else 0, median(prog)) else " NOT met"
            if kind == "braille" and not prog:
                text = "(not measurable: the display did not follow Orca)"
            print("%-46s %-22s %-22s %-18s %s%s" % (label, cell(prog), cell(floor), diff, text, verdict))
        print("floors: sound = Space in a bare Qt window playing the same %s.wav from memory through a new "
              "QAudioSink; braille = the same caret moves in a bare read-only QPlainTextEdit named \"Übung\" with "
              "the same text under the same Orca (\"speaking the task as well\": the test starts the same task "
              "through speech-dispatcher at each Up, as Tastwerk does). Keys are timed when xdotool (already "
              "running) is handed them; a sound where its waveform begins at the null sink's monitor; speech at "
              "its first audible sample there; Orca's braille "
              "output when Orca logs the line (the display shows it about 1 ms later)." % self.floor_sound)
        print("written:", path)
        self.print_timeline()
        print()
        print("=== Checks: %d passed ===" % len(self.checks))
        for n in ("task_note", "typing_task_note", "result_note"):
            if getattr(self, n, None):
                print("  heard: " + getattr(self, n))
        gaps = self.display_gaps()
        if gaps:
            text = ("Tastwerk's own braille output took the display from Orca: it showed what Tastwerk wrote there "
                    "through its own BrlAPI connection, and Orca's lines did not reach it:\n" + "\n".join(
                        "      %.1f-%.1f s: %d of Orca's lines missing, the display showing %r (from: %s)" % (
                            a - self.t_prog, b - self.t_prog, n, shown, self.step_at(a))
                        for a, b, n, shown in gaps))
            if not DISPLAY_TAKEN_KNOWN_BROKEN:
                raise StepFailed("braille display: " + text)
            self.notes.append("EXPECTED FAILURE (known fault): " + text)
        elif DISPLAY_TAKEN_KNOWN_BROKEN and not self.args.latency_only:
            self.notes.append("XPASS: the braille display followed Orca throughout; set DISPLAY_TAKEN_KNOWN_BROKEN "
                              "to False")
        for note in self.notes:
            print(note)
        print("PASS in %.0f s" % (time.monotonic() - T0))

    def display_gaps(self):
        """Stretches of the program's run in which Orca's braille lines did
        not reach the display: (from, to, lines missed, what it showed)."""
        end = getattr(self, "t_prog_end", time.monotonic())
        visual = list(self.display.visual)
        gaps, cur, last = [], None, None
        for t, kind, text in self.orca.update():
            if kind != "braille" or t < self.t_prog or t > end or text == last:
                continue
            last = text
            ok = any(0 <= tv - t < 0.3 and v.rstrip() == text.rstrip() for tv, v in visual)
            if ok:
                if cur:
                    gaps.append(tuple(cur))
                cur = None
            else:
                before = [v for tv, v in visual if tv <= t + 0.3]
                shown = before[-1].rstrip() if before else ""
                if cur is None:
                    cur = [t, t, 0, shown]
                cur[1], cur[2] = t, cur[2] + 1
        if cur:
            gaps.append(tuple(cur))
        return gaps

    def step_at(self, t):
        before = [m for (tm, m) in self.marks if tm <= t]
        return before[-1] if before else "the start"

    def print_timeline(self, since=None):
        """What Orca said and brailled, what reached the display and what
        the sink received, in order, shortened: repeats of a line are left
        out, and a display line that is just what Orca brailled a moment
        before is only marked on Orca's line."""
        if not hasattr(self, "orca"):
            return
        t0 = getattr(self, "t_prog", T0)
        since = since if since is not None else t0
        ev = [(t, "key " + k) for t, k in self.keys]
        ev += [(t, "== " + m) for t, m in self.marks]
        visual = list(self.display.visual)
        shown = set()
        last = None
        for t, kind, text in self.orca.update():
            if kind == "speech":
                ev.append((t, "Orca says     %r" % short(text, 90)))
                continue
            if text == last:
                continue
            last = text
            on = next((i for i, (tv, v) in enumerate(visual) if 0 <= tv - t < 0.3 and v.rstrip() == text.rstrip()),
                      None)
            if on is not None:
                shown.add(on)
            ev.append((t, "Orca brailles %r%s" % (short(text, 60), " -> display" if on is not None else
                                                   " -> NOT on the display")))
        prev = None
        for i, (t, text) in enumerate(visual):
            if i in shown or text == prev:
                prev = text
                continue
            prev = text
            line = min(self.display.lines, key=lambda e: abs(e[0] - t))[1] if self.display.lines else ""
            uni = "".join(chr(0x2800 + sum(1 << (int(d) - 1) for d in c if d.isdigit()))
                          for c in BrailleDisplay.strip_caret(line).split("|")).rstrip("\u2800")
            ev.append((t, "display       %r  %s" % (short(text.rstrip(), 40), uni)))
        msgs = [u for u in self.sd.update().msgs.values() if u.begin]
        for seg in self.rec.segments(since, time.monotonic()):
            u = next((u for u in msgs if -0.02 <= seg[0] - u.begin <= 0.08), None)
            if u:
                what = "speech, %s %r (%s)" % (u.who, short(u.text, 40), u.outcome())
            else:
                f = self.rec.frequency(seg[0], 40)
                name = min(self.sounds, key=lambda n: abs(self.sounds[n][1] - f))
                what = "sound like %s (%.0f Hz)" % (name, f) if abs(self.sounds[name][1] - f) < 0.12 * f else \
                    "sound (%.0f Hz)" % f
            ev.append((seg[0], "sink %.2f s  %s" % (seg[1] - seg[0], what)))
        for u in self.sd.msgs.values():
            if u.who == "Tastwerk":
                ev.append((u.queued, "Tastwerk speaks %r: %s" % (short(u.text, 50), u.outcome())))
        print()
        print("=== What the learner got (seconds from the program's start) ===")
        for t, text in sorted(ev, key=lambda e: e[0]):
            if t >= since:
                print("%7.3f %s" % (t - t0, text))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--cmake", default="cmake")
    p.add_argument("--build", required=True)
    p.add_argument("--bare", required=True)
    p.add_argument("--latency-only", action="store_true")
    p.add_argument("--samples", type=int, default=10)
    p.add_argument("--keep", action="store_true")
    args = p.parse_args()
    args.build = os.path.abspath(args.build)
    # Ended from outside (a time-out): still end every process we started.
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))

    lock = OrcaLock()
    if not lock.acquire(200):
        print("SKIP: ein anderer Lauf dieses Tests hält die Orca-Sperre %s / another run of this test holds the "
              "Orca lock %s" % (lock.path, lock.path))
        return 77
    try:
        others = orca_processes_of_user()
        if others:
            print("SKIP: ein Orca läuft bereits für diesen Benutzer (PID %s), und nur einer kann laufen / "
                  "an Orca of this user already runs (pid %s), and only one can run" % (
                      ", ".join(map(str, others)), ", ".join(map(str, others))))
            return 77
        return Test(args).run()
    finally:
        lock.release()


if __name__ == "__main__":
    sys.exit(main())
