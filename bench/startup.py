#!/usr/bin/env python3
"""Start-up cost of the built program, measured by hand (not part of `make test`).

Starts a private Xvfb with jwm and a tray dock, then build/default/quillorbitex with its home and
XDG folders in a temporary folder, several times, and reports:

  start to tap   time from starting the process to the tap running: the tap thread exists only
                 once the right button is grabbed, so its appearance in /proc marks the moment
  resident       VmRSS two seconds after the tap runs
  wake-ups/s     voluntary context switches of all the process's threads over an idle period,
                 per second (each is a thread going to sleep after having been woken)

Two kinds of start: the first one (the onboarding is due, so the dashboard window opens) and a
later one (onboarding done: only the tray icon). Targets: under 300 ms, under 60 MB and under one
wake-up a second.

Usage: bench/startup.py [--build DIR] [--runs N] [--idle SECONDS]
"""
import argparse
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

# The tap thread's name: Linux keeps the last 15 bytes of
# "org.quillorbitex.Quillorbitex.TrackpadGestureMonitor".
TAP_THREAD = "dGestureMonitor"
JWMRC = """<?xml version="1.0"?>
<JWM>
    <FocusModel>click</FocusModel>
    <Desktops width="1" height="1"/>
    <Tray x="0" y="-1" height="32" autohide="off"><Spacer/><Dock/></Tray>
</JWM>
"""


def threads(pid):
    try:
        return os.listdir(f"/proc/{pid}/task")
    except OSError:
        return []


def tap_running(pid):
    for tid in threads(pid):
        try:
            with open(f"/proc/{pid}/task/{tid}/comm") as f:
                if f.read().strip() == TAP_THREAD:
                    return True
        except OSError:
            pass
    return False


def status_field(path, name):
    with open(path) as f:
        for line in f:
            if line.startswith(name + ":"):
                return int(line.split()[1])
    return 0


def voluntary_switches(pid):
    total = 0
    for tid in threads(pid):
        try:
            total += status_field(f"/proc/{pid}/task/{tid}/status", "voluntary_ctxt_switches")
        except OSError:
            pass  # a thread that ended meanwhile
    return total


def start_server(work):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten",
         "tcp", "-noreset"], pass_fds=[write_end], stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 30
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        sys.exit("startup: Xvfb did not start")
    display = ":" + number.decode().strip()
    with open(os.path.join(work, "jwmrc"), "w") as f:
        f.write(JWMRC)
    manager = subprocess.Popen(["jwm", "-f", os.path.join(work, "jwmrc")],
                               env=dict(os.environ, DISPLAY=display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)  # jwm takes the tray selection
    return display, [manager, server]


def measure(program, display, home, idle):
    env = {
        "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
        "DISPLAY": display,
        "HOME": home,
        "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_DATA_HOME": os.path.join(home, ".local/share"),
        "XDG_CACHE_HOME": os.path.join(home, ".cache"),
        "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
        "LANG": os.environ.get("LANG", "C.UTF-8"),
    }
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    began = time.monotonic()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while not tap_running(process.pid):
            if process.poll() is not None or time.monotonic() - began > 30:
                sys.exit("startup: the program ended or never started its tap")
            time.sleep(0.0005)
        to_tap = time.monotonic() - began
        time.sleep(2)
        resident = status_field(f"/proc/{process.pid}/status", "VmRSS") / 1024
        before = voluntary_switches(process.pid)
        time.sleep(idle)
        wakeups = (voluntary_switches(process.pid) - before) / idle
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    return to_tap * 1000, resident, wakeups


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--build", default=os.path.join(root, "build", "default"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=10)
    args = parser.parse_args()
    program = os.path.join(args.build, "quillorbitex")
    if not os.access(program, os.X_OK):
        sys.exit(f"startup: {program} is not built (cmake --build --preset default)")
    for tool in ("Xvfb", "jwm"):
        if shutil.which(tool) is None:
            sys.exit(f"startup: {tool} is not installed (scripts/install-deps)")

    work = tempfile.mkdtemp(prefix="qx-startup-")
    display, helpers = start_server(work)
    try:
        for kind in ("first start (dashboard opens)", "later start (tray only)"):
            results = []
            for run in range(args.runs):
                home = os.path.join(work, f"home-{kind[:5]}-{run}")
                os.makedirs(home)
                if kind.startswith("later"):
                    folder = os.path.join(home, ".config", "Quillorbitex")
                    os.makedirs(folder)
                    with open(os.path.join(folder, "preferences.json"), "w") as f:
                        json.dump({"gestureOnboardingCompleted": True}, f)
                results.append(measure(program, display, home, args.idle))
            to_tap, resident, wakeups = zip(*results)
            print(f"{kind}, {args.runs} runs (median, worst):")
            print(f"  start to tap   {statistics.median(to_tap):7.1f} ms  {max(to_tap):7.1f} ms"
                  "   target < 300 ms")
            print(f"  resident       {statistics.median(resident):7.1f} MB  "
                  f"{max(resident):7.1f} MB   target < 60 MB")
            print(f"  wake-ups/s     {statistics.median(wakeups):7.2f}     "
                  f"{max(wakeups):7.2f}      target < 1 (over {args.idle:g} s idle)")
    finally:
        for helper in helpers:
            helper.terminate()
            helper.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
