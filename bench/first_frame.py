#!/usr/bin/env python3
"""Start-up of a program to its first painted frame, measured from outside.

Runs on an X display with a white root window and no window manager (see
startup.sh). Each program is started several times; for each start the clock
runs from just before the program is started until its window is mapped and
the probe pixel of that window no longer shows the white root, that is until
the first frame has reached the screen. The program's resident memory is read
from /proc at that moment. Nothing in the programs themselves is changed.

    first_frame.py [--runs N] "X,Y FLOOR [ARG...]" "X,Y PROGRAM [ARG...]" ...

Each program is one word: its probe pixel X,Y in window coordinates (a pixel
that its first frame paints in a colour other than white), its path and its
arguments. The first program is the floor; every other one is printed with its
ratios to the floor, the last one with the goal.
"""

import argparse
import ctypes
import ctypes.util
import os
import shlex
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

IS_VIEWABLE = 2
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF
ROOT_COLOUR = 0xFFFFFF  # Xvfb -wr
TIMEOUT_SECONDS = 30
POLL_SECONDS = 0.001
GOAL = 1.25  # the last program against the floor, in time and in memory


class WindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int),
        ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong),
        ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
        ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
        ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
        ("screen", ctypes.c_void_p),
    ]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class Display:
    """The few Xlib calls needed to find a mapped window and read one pixel."""

    def __init__(self):
        name = ctypes.util.find_library("X11")
        if name is None:
            sys.exit("first_frame.py: libX11 not found (Debian package libx11-6)")
        self.x11 = x11 = ctypes.CDLL(name)
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XQueryTree.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
            ctypes.POINTER(ctypes.c_uint)]
        x11.XGetWindowAttributes.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(WindowAttributes)]
        x11.XGetImage.restype = ctypes.c_void_p
        x11.XGetImage.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XGetPixel.restype = ctypes.c_ulong
        x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.c_void_p]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XSetErrorHandler.argtypes = [ERROR_HANDLER]
        # A window that goes away between two calls must not end this script.
        self.on_error = ERROR_HANDLER(lambda display, event: 0)
        x11.XSetErrorHandler(self.on_error)
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("first_frame.py: cannot open the display %r" % os.environ.get("DISPLAY"))
        self.root = x11.XDefaultRootWindow(self.display)

    def mapped_windows(self):
        """(x, y, width, height) of every mapped top-level window of some size."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x11.XQueryTree(self.display, self.root, ctypes.byref(root),
                                   ctypes.byref(parent), ctypes.byref(children),
                                   ctypes.byref(count)):
            return []
        found = []
        for i in range(count.value):
            attributes = WindowAttributes()
            if (self.x11.XGetWindowAttributes(self.display, children[i], ctypes.byref(attributes))
                    and attributes.map_state == IS_VIEWABLE and attributes.width > 16
                    and attributes.height > 16):
                found.append((attributes.x, attributes.y, attributes.width, attributes.height))
        if children:
            self.x11.XFree(children)
        return found

    def pixel(self, x, y):
        """The colour 0xRRGGBB of one pixel of the screen, or None."""
        image = self.x11.XGetImage(self.display, self.root, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
        if not image:
            return None
        value = self.x11.XGetPixel(image, 0, 0) & 0xFFFFFF
        self.x11.XDestroyImage(image)
        return value


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def first_frame(display, command, probe, environment):
    """Seconds from the start to the first painted frame, and the RSS then in KiB."""
    if display.mapped_windows():
        sys.exit("first_frame.py: the display already shows a window")
    start = time.perf_counter()
    process = subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while time.perf_counter() - start < TIMEOUT_SECONDS:
            for (x, y, width, height) in display.mapped_windows():
                if probe[0] < width and probe[1] < height:
                    colour = display.pixel(x + probe[0], y + probe[1])
                    if colour is not None and colour != ROOT_COLOUR:
                        elapsed = time.perf_counter() - start
                        return elapsed, resident_kib(process.pid)
            if process.poll() is not None:
                sys.exit("first_frame.py: %s ended with status %d before its first frame"
                         % (command[0], process.returncode))
            time.sleep(POLL_SECONDS)
        sys.exit("first_frame.py: no frame from %s within %d s" % (command[0], TIMEOUT_SECONDS))
    finally:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        # The window must be gone before the next start looks for one.
        while display.mapped_windows():
            time.sleep(POLL_SECONDS)


class Program:
    def __init__(self, text):
        words = shlex.split(text)
        x, _, y = words[0].partition(",") if words else ("", "", "")
        if len(words) < 2 or not x.isdigit() or not y.isdigit():
            raise argparse.ArgumentTypeError("expected \"X,Y PROGRAM [ARG...]\", got %r" % text)
        self.probe = (int(x), int(y))
        self.command = [os.path.abspath(words[1])] + words[2:]
        self.name = " ".join([os.path.basename(words[1])] + words[2:])
        self.runs = []

    def medians(self):
        return (statistics.median(t for t, _ in self.runs),
                statistics.median(m for _, m in self.runs))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=7, help="starts of each program (median)")
    parser.add_argument("floor", type=Program)
    parser.add_argument("programs", type=Program, nargs="+")
    args = parser.parse_args()
    programs = [args.floor] + args.programs

    runtime = tempfile.mkdtemp(prefix="kubrel-startup-")
    environment = dict(os.environ, XDG_RUNTIME_DIR=runtime)
    environment.pop("QT_QPA_PLATFORM", None)  # the display's own platform, xcb
    display = Display()
    try:
        for program in programs:  # once each unmeasured: libraries into the page cache
            first_frame(display, program.command, program.probe, environment)
        for _ in range(args.runs):  # in turn, so that a busy moment hits all of them
            for program in programs:
                program.runs.append(
                    first_frame(display, program.command, program.probe, environment))
    finally:
        shutil.rmtree(runtime, ignore_errors=True)

    floor_time, floor_memory = args.floor.medians()
    width = max(len(program.name) for program in programs)
    print("Start-up to the first painted frame under Xvfb, median of %d starts each:" % args.runs)
    print("  %-*s  %9s  %12s  %s" % (width, "", "time", "memory (RSS)", "ratios to the floor"))
    for program in programs:
        time_, memory = program.medians()
        ratios = "" if program is args.floor else "%.2fx  %.2fx" % (
            time_ / floor_time, memory / floor_memory)
        if program is programs[-1]:
            met = time_ <= GOAL * floor_time and memory <= GOAL * floor_memory
            ratios += "   goal: at most %gx for both, %s" % (GOAL, "met" if met else "MISSED")
        print(("  %-*s  %6.1f ms  %8.1f MiB  %s"
               % (width, program.name, time_ * 1e3, memory / 1024, ratios)).rstrip())


if __name__ == "__main__":
    main()
