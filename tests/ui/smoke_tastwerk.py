#!/usr/bin/python3
# Smoke test of the real program on a real (virtual) X display, read the way
# a screen reader reads it: start a portable copy with a fresh profile, find
# its main window through AT-SPI, wait for "Folgende Daten wurden geladen:"
# in the status text, close it through the "autoclose" message and check
# that its settings were written.
# Run inside dbus-run-session: python3 smoke_tastwerk.py EXE SHARE. It starts
# its own X server on a free display and stops it by its process id.
import os, shutil, socket, subprocess, sys, tempfile, time, pwd

import pyatspi

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


def find(obj, pred, depth=0):
    if obj is None or depth > 12:
        return None
    try:
        if pred(obj):
            return obj
        for i in range(obj.childCount):
            r = find(obj.getChildAtIndex(i), pred, depth + 1)
            if r:
                return r
    except Exception:
        return None
    return None


def status_text():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.name != "tastwerk":
            continue
        frame = find(app, lambda o: o.getRole() == pyatspi.ROLE_FRAME and o.name == "Tastwerk V1.02")
        pane = find(frame, lambda o: o.getRole() == pyatspi.ROLE_TEXT and o.name == "INFOS")
        if pane:
            t = pane.queryText()
            return t.getText(0, t.characterCount)
    return None


ok = False
text = None
deadline = time.time() + 60
while time.time() < deadline and proc.poll() is None:
    text = status_text()
    if text and "Folgende Daten wurden geladen:" in text:
        ok = True
        break
    time.sleep(0.3)
print("status text:", repr(text))
if proc.poll() is not None:
    print("the program ended early with", proc.returncode)
if not ok:
    proc.kill()
    stop_display()
    print("FAIL: the status text did not appear")
    sys.exit(1)

s = socket.socket(socket.AF_UNIX)
s.connect(sock)
s.sendall(b"autoclose\n")
s.close()
try:
    code = proc.wait(30)
except subprocess.TimeoutExpired:
    proc.kill()
    stop_display()
    print("FAIL: autoclose did not close the program")
    sys.exit(1)
stop_display()
if code != 0 or not os.path.exists(ini):
    print("FAIL: exit code %d, settings written: %s" % (code, os.path.exists(ini)))
    sys.exit(1)
shutil.rmtree(work, ignore_errors=True)
print("PASS")
