# A private desktop session for the end-to-end test: X server, session bus
# (AT-SPI comes by activation), PulseAudio with a null sink whose monitor is
# recorded, speech-dispatcher playing into it, BRLTTY with a virtual braille
# display whose lines arrive on a socket of ours, and Orca. Everything lives
# in one temporary folder and every process is ended by its id.
#
# All times are time.monotonic() (CLOCK_MONOTONIC, the same clock in every
# process of the machine), so Orca's log, the display's lines, the sink's
# samples and our key presses can be compared directly.
import audioop
import ctypes
import fcntl
import os
import re
import signal
import socket
import subprocess
import threading
import time
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)

PR_SET_CHILD_SUBREAPER = 36
RATE = 48000  # the sink's monitor, recorded mono
SLICE = 48  # samples per recorded slice: one millisecond


class StepFailed(Exception):
    """A step did not reach its goal in time; the message names the step."""


def wait_until(what, probe, timeout, poll=0.02, alive=None):
    """Polls probe() until it gives something truthy; raises StepFailed
    naming what after timeout seconds. alive() may raise on its own."""
    deadline = time.monotonic() + timeout
    while True:
        if alive:
            alive()
        try:
            r = probe()
        except StepFailed:
            raise
        except Exception:
            r = None
        if r:
            return r
        if time.monotonic() > deadline:
            raise StepFailed("%s: nothing within %.0f s" % (what, timeout))
        time.sleep(poll)


# ---- processes -------------------------------------------------------------

def _children_of(pid):
    out = []
    for p in os.listdir("/proc"):
        if not p.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % p) as f:
                stat = f.read()
            ppid = int(stat[stat.rindex(")") + 2:].split()[1])
        except (OSError, ValueError, IndexError):
            continue
        if ppid == pid:
            out.append(int(p))
    return out


def descendants(pid):
    out, todo = [], [pid]
    while todo:
        for c in _children_of(todo.pop()):
            out.append(c)
            todo.append(c)
    return out


def _alive(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().split(")")[-1].split()[0] != "Z"
    except OSError:
        return False


def _reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def end_pids(pids, grace):
    """SIGTERM to each id, up to grace seconds for them to go, then SIGKILL;
    gives the ids that needed it."""
    def send(ids, sig):
        for p in ids:
            try:
                os.kill(p, sig)
            except ProcessLookupError:
                pass
    pids = [p for p in pids if _alive(p)]
    send(pids, signal.SIGTERM)
    deadline = time.monotonic() + grace
    while time.monotonic() < deadline and any(_alive(p) for p in pids):
        _reap()
        time.sleep(0.05)
    killed = [p for p in pids if _alive(p)]
    send(killed, signal.SIGKILL)
    _reap()
    return killed


def orca_processes_of_user(exclude=()):
    """Ids of this user's Orca processes (as the program itself finds them)."""
    uid, out = os.getuid(), []
    for p in os.listdir("/proc"):
        if not p.isdigit() or int(p) in exclude:
            continue
        try:
            if os.stat("/proc/" + p).st_uid != uid:
                continue
            with open("/proc/%s/comm" % p) as f:
                comm = f.read().strip()
            with open("/proc/%s/cmdline" % p, "rb") as f:
                args = f.read().split(b"\0")
        except OSError:
            continue
        if comm == "orca" or (len(args) > 1 and os.path.basename(args[0]).startswith(b"python")
                              and os.path.basename(args[1]) == b"orca"):
            out.append(int(p))
    return out


class OrcaLock:
    """Only one Orca per user can run on the machine: one run of this test
    at a time, across build folders and checkouts."""

    def __init__(self):
        self.path = "/tmp/tastwerk-e2e-orca-%d.lock" % os.getuid()
        self.fd = None

    def acquire(self, timeout):
        self.fd = os.open(self.path, os.O_RDWR | os.O_CREAT, 0o600)
        deadline = time.monotonic() + timeout
        while True:
            try:
                fcntl.flock(self.fd, fcntl.LOCK_EX | fcntl.LOCK_NB)
                return True
            except BlockingIOError:
                if time.monotonic() > deadline:
                    return False
                time.sleep(0.2)

    def release(self):
        if self.fd is not None:
            fcntl.flock(self.fd, fcntl.LOCK_UN)
            os.close(self.fd)
            self.fd = None


# ---- the sink's monitor ----------------------------------------------------

class _SampleFormat(ctypes.Structure):
    _fields_ = [("format", ctypes.c_int), ("rate", ctypes.c_uint32), ("channels", ctypes.c_uint8)]


class _BufferAttr(ctypes.Structure):
    _fields_ = [(n, ctypes.c_uint32) for n in ("maxlength", "tlength", "prebuf", "minreq", "fragsize")]


class Recorder:
    """Records the null sink's monitor in one-millisecond slices on a thread
    of its own and notes when each slice arrived. A slice's samples were
    there at the latest when it arrived; the monitor hands them over in
    bursts, so the sample clock is set by the earliest arrivals (the lower
    envelope of arrival time minus sample time)."""

    def __init__(self, server):
        self.lib = ctypes.CDLL("libpulse-simple.so.0")
        self.lib.pa_simple_new.restype = ctypes.c_void_p
        self.lib.pa_simple_new.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_int, ctypes.c_char_p,
                                           ctypes.c_char_p, ctypes.POINTER(_SampleFormat), ctypes.c_void_p,
                                           ctypes.POINTER(_BufferAttr), ctypes.POINTER(ctypes.c_int)]
        self.lib.pa_simple_read.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_size_t,
                                            ctypes.POINTER(ctypes.c_int)]
        self.lib.pa_simple_free.argtypes = [ctypes.c_void_p]
        sample_format = _SampleFormat(3, RATE, 1)  # 16-bit little endian
        attr = _BufferAttr(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 2 * SLICE)
        err = ctypes.c_int(0)
        self.stream = self.lib.pa_simple_new(server.encode(), b"e2e", 2, b"nullsink.monitor", b"monitor",
                                             ctypes.byref(sample_format), None, ctypes.byref(attr), ctypes.byref(err))
        if not self.stream:
            raise StepFailed("recording the sink's monitor: pa_simple_new failed (%d)" % err.value)
        self.pcm = bytearray()
        self.arrivals = []  # arrival time of slice k
        self.peaks = []  # peak of slice k
        self._block_min, self._tail = [], (-1, 0, 0.0)
        self.quit = False
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _run(self):
        buf = ctypes.create_string_buffer(2 * SLICE)
        err = ctypes.c_int(0)
        while not self.quit:
            if self.lib.pa_simple_read(self.stream, buf, 2 * SLICE, ctypes.byref(err)) < 0:
                return
            now = time.monotonic()
            data = buf.raw
            # In this order: a slice counted in peaks has its time and data.
            self.pcm += data
            self.arrivals.append(now)
            self.peaks.append(audioop.max(data, 2))

    def stop(self):
        self.quit = True
        self.thread.join(2)
        if not self.thread.is_alive():
            self.lib.pa_simple_free(self.stream)

    def slices(self):
        return len(self.peaks)

    def _offset(self, k):
        """Arrival minus sample time, lowest within about two seconds of
        slice k: the delay of the earliest arrivals."""
        n, mins = len(self.arrivals), self._block_min
        while len(mins) < n // 1000:
            j = len(mins) * 1000
            mins.append(min(self.arrivals[i] - (i + 1) * SLICE / RATE for i in range(j, j + 1000)))
        b = k // 1000
        cands = mins[max(0, b - 2):b + 3]
        lo = len(mins) * 1000
        if b + 2 >= len(mins) and lo < n:
            if self._tail[0] != lo or self._tail[1] != n:
                start = self._tail[1] if self._tail[0] == lo else lo
                part = min(self.arrivals[i] - (i + 1) * SLICE / RATE for i in range(start, n))
                self._tail = (lo, n, min(part, self._tail[2]) if self._tail[0] == lo else part)
            cands = cands + [self._tail[2]]
        return min(cands)

    def slice_time(self, k):
        """When slice k's first sample was at the monitor."""
        return self._offset(k) + k * SLICE / RATE

    def slice_at(self, t):
        """The first slice arriving at or after time t (a start for searches)."""
        lo, hi = 0, len(self.arrivals)
        while lo < hi:
            mid = (lo + hi) // 2
            if self.arrivals[mid] < t:
                lo = mid + 1
            else:
                hi = mid
        return lo

    def first_sound_after(self, t, threshold=500, within=3.0):
        """Time of the first audible slice whose sample time is after t."""
        k = max(0, self.slice_at(t) - 300)
        while k < len(self.peaks):
            if self.peaks[k] > threshold and self.slice_time(k) >= t:
                return self.slice_time(k)
            if k > 0 and self.arrivals[k] > t + within:
                return None
            k += 1
        return None

    def segments(self, t0, t1, threshold=500, gap_ms=40):
        """Audible stretches between t0 and t1 as (start, end, first slice,
        last slice); pauses shorter than gap_ms join."""
        out, k = [], max(0, self.slice_at(t0) - 300)
        start = last = None
        while k < len(self.peaks) and self.arrivals[k] <= t1 + 0.5:
            if self.peaks[k] > threshold and self.slice_time(k) >= t0:
                if start is None:
                    start = k
                elif k - last > gap_ms:
                    out.append((self.slice_time(start), self.slice_time(last + 1), start, last))
                    start = k
                last = k
            k += 1
        if start is not None:
            out.append((self.slice_time(start), self.slice_time(last + 1), start, last))
        return out

    def audio(self, first, last):
        return bytes(self.pcm[2 * SLICE * first:2 * SLICE * (last + 1)])

    def match(self, t0, t1, ref):
        """Where between t0 and t1 a known sound (mono 16-bit PCM at RATE)
        starts, by the waveform's normalised correlation with the recording
        (1 the same waveform, near 0 nothing like it): (time, likeness), or
        None before that stretch is recorded. Speech that begins later does
        not disturb it."""
        k0 = self.slice_at(t0 - 0.5)
        while k0 < len(self.peaks) and self.slice_time(k0) < t0:
            k0 += 1
        n = len(ref) // 2
        span = max(1, int((t1 - t0) * RATE))
        k1 = k0 + (span + n) // SLICE + 1
        if k1 >= len(self.peaks):
            return None
        data = self.audio(k0, k1)
        ref_rms = audioop.rms(ref, 2)
        best = (-2.0, 0)
        for off in range(0, span):
            seg = data[2 * off:2 * (off + n)]
            rms = audioop.rms(seg, 2)
            if rms < 30:
                continue
            best = max(best, (audioop.findfactor(seg, ref) * ref_rms / rms, off))
        return self.slice_time(k0) + best[1] / RATE, best[0]

    def quiet_since(self, seconds, threshold=500):
        """True when the last `seconds` of the monitor were silent."""
        n = int(seconds * 1000)
        peaks = self.peaks[-n:]
        return len(peaks) == n and max(peaks) <= threshold

    def frequency(self, t, ms=60):
        """The main frequency (from zero crossings) of the ms after time t."""
        k = self.slice_at(t - 0.5)
        while k < len(self.peaks) and self.slice_time(k) < t:
            k += 1
        data = self.audio(k, k + ms - 1)
        return audioop.cross(data, 2) / 2 / (len(data) / 2 / RATE) if data else 0.0


# ---- the braille display ---------------------------------------------------

class BrailleDisplay:
    """The other end of BRLTTY's virtual driver: we listen, BRLTTY connects,
    we say how many cells we have and then read each line it would show,
    with its arrival time. Dots 7 and 8 (the caret) are kept in `raw` and
    stripped in `dots`."""

    def __init__(self, path, cells=40):
        self.path, self.cells = path, cells
        self.srv = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.srv.bind(path)
        self.srv.listen(1)
        self.lines = []  # (time, dots string "1|12|0|...")
        self.visual = []  # (time, text)
        self.conn = None
        self.thread = None

    def accept(self, timeout):
        self.srv.settimeout(timeout)
        try:
            self.conn, _ = self.srv.accept()
        except socket.timeout:
            raise StepFailed("BRLTTY did not connect to the virtual display within %.0f s" % timeout)
        self.conn.sendall(b"cells %d\n" % self.cells)
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _run(self):
        buf = b""
        while True:
            try:
                chunk = self.conn.recv(4096)
            except OSError:
                return
            if not chunk:
                return
            now = time.monotonic()
            buf += chunk
            while b"\n" in buf:
                line, buf = buf.split(b"\n", 1)
                text = line.decode("utf-8", "replace")
                # Quoted, with backslash escapes.
                if text.startswith('Braille "') and text.endswith('"'):
                    self.lines.append((now, re.sub(r"\\(.)", r"\1", text[9:-1])))
                elif text.startswith('Visual "') and text.endswith('"'):
                    self.visual.append((now, re.sub(r"\\(.)", r"\1", text[8:-1])))

    @staticmethod
    def strip_caret(dots):
        return "|".join(cell.replace("7", "").replace("8", "").strip() or " " for cell in dots.split("|"))

    def close(self):
        for s in (self.conn, self.srv):
            try:
                if s:
                    s.close()
            except OSError:
                pass


def cell_dots(ch):
    """The dots of a Unicode braille cell as BRLTTY writes them ("" blank)."""
    bits = ord(ch) - 0x2800
    return "".join(str(i + 1) for i in range(8) if bits & (1 << i))


# ---- a speech-dispatcher client of our own -----------------------------------

class SsipClient:
    """Speaks through speech-dispatcher like any client (SSIP on its socket),
    for a floor that starts speech at the same moment as the program does."""

    def __init__(self, address, name):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(address.split(":", 1)[1])
        self.sock.settimeout(5)
        self.buf = b""
        self.command("SET SELF CLIENT_NAME %s" % name)
        self.command("SET SELF PRIORITY TEXT")

    def _reply(self):
        while True:
            lines = self.buf.split(b"\r\n")
            for i, line in enumerate(lines[:-1]):
                if len(line) >= 4 and line[3:4] == b" ":
                    self.buf = b"\r\n".join(lines[i + 1:])
                    return line.decode()
            chunk = self.sock.recv(4096)
            if not chunk:
                raise StepFailed("speech-dispatcher closed our connection")
            self.buf += chunk

    def command(self, line):
        self.sock.sendall(line.encode() + b"\r\n")
        return self._reply()

    def speak(self, text):
        self.command("CANCEL SELF")
        self.command("SPEAK")
        self.sock.sendall(text.encode() + b"\r\n.\r\n")
        return self._reply()

    def close(self):
        try:
            self.sock.close()
        except OSError:
            pass


# ---- the session -----------------------------------------------------------

SPEECHD_CONF = """AudioOutputMethod "pulse"
AudioPulseServer "{pulse}"
AudioPulseMinLength 10
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "de"
LogLevel 5
DisableAutoSpawn
"""


class Session:
    def __init__(self, work):
        self.work = work
        self.procs = []  # (name, Popen)
        self.outputs = []  # the files their output goes to
        self.env = dict(os.environ)
        for k in ("DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY", "SESSION_MANAGER", "WAYLAND_DISPLAY",
                  "AT_SPI_BUS_ADDRESS", "SPEECHD_ADDRESS", "BRLAPI_HOST", "BRLAPI_AUTH", "PULSE_SERVER",
                  "QT_QPA_PLATFORM", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "GTK_MODULES"):
            self.env.pop(k, None)
        self.runtime = os.path.join(work, "run")
        self.home = os.path.join(work, "home")
        for d in (self.runtime, self.home):
            os.makedirs(d, mode=0o700)
        self.env.update(HOME=self.home, XDG_RUNTIME_DIR=self.runtime,
                        XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                        XDG_CACHE_HOME=os.path.join(self.home, ".cache"), LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.recorder = None
        self.display = None
        # Orphans of our processes (services the bus started, daemons'
        # helpers) come to us, so that they too are ended by their ids.
        ctypes.CDLL(None).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)

    def start(self, name, args, env=None, **kw):
        """Starts a process whose output goes to NAME.out in the folder."""
        if "stdout" not in kw or "stderr" not in kw:
            out = open(os.path.join(self.work, name + ".out"), "wb")
            self.outputs.append(out)
            kw.setdefault("stdout", out)
            kw.setdefault("stderr", out if kw["stdout"] is not out else subprocess.STDOUT)
        p = subprocess.Popen(args, env=env or self.env, **kw)
        self.procs.append((name, p))
        return p

    def check_alive(self, name):
        # The latest process of that name: one started anew replaces the old.
        for n, p in reversed(self.procs):
            if n == name:
                if p.poll() is not None:
                    raise StepFailed("%s ended unexpectedly (exit code %s), see %s.out" % (name, p.returncode, name))
                return

    # X server on a free display, named once it takes connections.
    def start_x(self):
        rfd, wfd = os.pipe()
        self.start("xvfb", ["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                            "-noreset", "-auth", os.path.join(self.work, "xauth")], pass_fds=(wfd,))
        os.close(wfd)
        name = b""
        deadline = time.monotonic() + 15
        while not name.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(rfd, 16)
            if not chunk:
                break
            name += chunk
        os.close(rfd)
        if not name.strip():
            raise StepFailed("Xvfb did not start")
        self.env["DISPLAY"] = ":" + name.decode().strip()
        os.environ["DISPLAY"] = self.env["DISPLAY"]

    def start_dbus(self):
        bus = os.path.join(self.runtime, "bus")
        self.start("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=unix:path=" + bus])
        wait_until("the session bus socket", lambda: os.path.exists(bus), 10)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        os.environ["XDG_RUNTIME_DIR"] = self.runtime

    def start_pulse(self):
        sock = os.path.join(self.runtime, "pulse-native")
        self.start("pulseaudio", ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                  "--disable-shm=yes",
                                  "--load=module-null-sink sink_name=nullsink rate=48000 channels=2",
                                  "--load=module-native-protocol-unix auth-anonymous=1 socket=" + sock])
        wait_until("PulseAudio's socket", lambda: os.path.exists(sock), 10,
                   alive=lambda: self.check_alive("pulseaudio"))
        self.env["PULSE_SERVER"] = "unix:" + sock
        self.recorder = Recorder(self.env["PULSE_SERVER"])
        # The monitor delivers its first data a moment after recording starts.
        wait_until("the first data from the sink's monitor", lambda: self.recorder.slices() > 50, 10)

    def start_speechd(self):
        conf = os.path.join(self.work, "speechd", "conf")
        os.makedirs(os.path.join(conf, "modules"))
        self.speechd_logs = os.path.join(self.work, "speechd", "logs")
        os.makedirs(self.speechd_logs)
        with open("/etc/speech-dispatcher/modules/espeak-ng.conf") as f:
            module = f.read()
        # Speech at about one and three quarter times the usual rate: long texts
        # are heard whole, and alone for comparison, in a test of minutes.
        module = re.sub(r"(?m)^\s*Espeak(Normal|Max)Rate\b.*$", "", module)
        module += "\nEspeakNormalRate 300\nEspeakMaxRate 600\n"
        with open(os.path.join(conf, "modules", "espeak-ng.conf"), "w") as f:
            f.write(module)
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF.format(pulse=self.env["PULSE_SERVER"]))
        sock = os.path.join(self.work, "speechd", "speechd.sock")
        self.start("speechd", ["speech-dispatcher", "-s", "-C", conf, "-c", "unix_socket", "-S", sock, "-t", "0",
                               "-L", self.speechd_logs, "-P", os.path.join(self.work, "speechd", "pid")])
        wait_until("speech-dispatcher's socket", lambda: os.path.exists(sock), 15,
                   alive=lambda: self.check_alive("speechd"))
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + sock

    def start_brltty(self, cells=40):
        key = os.path.join(self.work, "brlapi.key")
        with open(key, "w") as f:
            f.write("tastwerk-e2e-%d-%d\n" % (os.getpid(), time.time_ns()))
        os.chmod(key, 0o600)
        # A BrlAPI port of our own (4101 + n) that nobody else listens on.
        for n in range(21, 99):
            s = socket.socket()
            try:
                s.bind(("127.0.0.1", 4101 + n))
            except OSError:
                continue
            finally:
                s.close()
            break
        host = "127.0.0.1:%d" % n
        self.display = BrailleDisplay(os.path.join(self.work, "vr.sock"), cells)
        brl = os.path.join(self.work, "brltty")
        os.makedirs(brl)
        self.start("brltty", ["brltty", "-n", "-e", "-q", "-f", "/dev/null", "-b", "vr", "-d",
                              "client:" + self.display.path, "-x", "no", "-s", "no", "-t", "de", "-A",
                              "auth=keyfile:%s,host=%s" % (key, host), "-W", brl, "-U", brl, "-P",
                              os.path.join(brl, "pid")])
        self.display.accept(15)
        wait_until("BRLTTY's first line on the display", lambda: self.display.lines, 10,
                   alive=lambda: self.check_alive("brltty"))
        self.env["BRLAPI_HOST"] = host
        self.env["BRLAPI_AUTH"] = key

    def start_orca(self, customizations, log_file):
        # A fresh preferences folder for each start of Orca.
        prefs = os.path.join(self.work, "orca-prefs")
        n = 1
        while os.path.exists(prefs):
            n += 1
            prefs = os.path.join(self.work, "orca-prefs-%d" % n)
        os.makedirs(prefs)
        with open(customizations) as f:
            text = f.read()
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write(text)
        self.orca_log = log_file
        env = dict(self.env, E2E_ORCA_LOG=log_file)
        self.orca = self.start("orca", ["orca", "-u", prefs], env=env)

    def stop_all(self):
        """Ends every process we started and everything they started, by id,
        newest first; Orca may ignore SIGTERM for a long time (then, as for
        any other, SIGKILL: the X server goes with it, so its keyboard map
        does not matter). Gives the names of those that needed SIGKILL."""
        killed = []
        if self.recorder:
            self.recorder.stop()
        for name, p in reversed(self.procs):
            if p.poll() is not None:
                continue
            pids = [p.pid] + descendants(p.pid)
            if end_pids(pids, 4.0 if name == "orca" else 3.0):
                killed.append(name)
            try:
                p.wait(1)
            except subprocess.TimeoutExpired:
                pass
        # Whatever was orphaned on the way came to us.
        for _ in range(3):
            left = _children_of(os.getpid())
            left = [c for c in left if c not in [p.pid for _, p in self.procs]]
            if not left:
                break
            end_pids(left + [d for c in left for d in descendants(c)], 2.0)
        if self.display:
            self.display.close()
        for out in self.outputs:
            out.close()
        return killed
