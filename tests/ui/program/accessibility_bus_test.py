#!/usr/bin/python3
"""The window program as a screen reader sees it, through the real accessibility bus.

Run inside an X server and a private session bus (CTest wraps it in with-xvfb.sh and
dbus-run-session). It starts the accessibility bus, then the real program with two clips on
its command line, and reads the tree with pyatspi: the toolbar by its captions, the totals
from the status bar, the output settings dialog's "More >>" and "Browse..." by name; it joins
by direct copy, hears the progress window's caption become "Join Finished!", reads the
progress figures and finds the completion notice as a notification.

Every wait polls a condition under a generous limit: a busy machine only makes it slower.
"""

import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

LIMIT_S = int(os.environ.get("A11Y_LIMIT_S", "120"))


# The program's tree, printed when a wait fails, to show what the bus saw instead.
watched_app = None


def fail(message):
    print("FAIL: " + message, flush=True)
    if watched_app is not None:
        for node in descendants(watched_app):
            if safe(lambda: node.getRole()) in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG,
                                                pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT,
                                                pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_LABEL,
                                                pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON):
                print("  %s \"%s\"" % (safe(lambda: node.getRoleName(), "?"), name_of(node)))
    sys.exit(1)


def wait_for(what, condition, limit=LIMIT_S):
    """Polls `condition` (events keep being delivered meanwhile) until it gives a value."""
    context = GLib.MainContext.default()
    end = time.monotonic() + limit
    while time.monotonic() < end:
        try:
            value = condition()
        except GLib.Error:  # an object that went away while being read
            value = None
        if value:
            return value
        while context.pending():
            context.iteration(False)
        time.sleep(0.1)
    fail("gave up waiting for " + what)


def safe(read, default=None):
    try:
        return read()
    except (GLib.Error, RuntimeError):
        return default


def descendants(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for index in range(safe(lambda: node.childCount, 0)):
        child = safe(lambda: node.getChildAtIndex(index))
        yield from descendants(child, depth + 1)


def find(root, predicate):
    for node in descendants(root):
        if safe(lambda: predicate(node), False):
            return node
    return None


def name_of(node):
    return safe(lambda: node.name, "") or ""


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = safe(lambda: desktop.getChildAtIndex(index))
        if app is not None and safe(lambda: app.get_process_id()) == pid:
            return app
    return None


def press(node):
    """Does the control's first action. A button that opens a modal window answers only once
    that window closes: the missing reply is no failure, what follows is waited for."""
    action = node.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    index = next((i for i, name in enumerate(names)
                  if name.lower() in ("press", "click", "toggle")), 0)
    try:
        action.doAction(index)
    except GLib.Error as error:
        if "reply" not in str(error):
            raise


def make_clip(path, seconds):
    subprocess.run(["ffmpeg", "-v", "error", "-y",
                    "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25",
                    "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100",
                    "-t", str(seconds), "-c:v", "libx264", "-preset", "ultrafast",
                    "-pix_fmt", "yuv420p", "-c:a", "aac", path], check=True)


def main():
    if len(sys.argv) != 2:
        fail("usage: accessibility_bus_test.py PROGRAM")
    program = os.path.abspath(sys.argv[1])
    work = tempfile.TemporaryDirectory(prefix="veltrano-a11y-")
    first = os.path.join(work.name, "part1.mp4")
    second = os.path.join(work.name, "part2.mp4")
    out = os.path.join(work.name, "out")
    os.mkdir(out)
    make_clip(first, 2)
    make_clip(second, 3)

    environment = dict(os.environ)
    environment.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb",
                        "HOME": work.name, "XDG_CONFIG_HOME": os.path.join(work.name, "config")})
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=environment)
    joiner = None
    try:
        # The accessibility bus is up once the session bus knows its name.
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0)
        joiner = subprocess.Popen([program, first, second], env=environment, cwd=work.name)
        app = wait_for("the program on the accessibility bus", lambda: application(joiner.pid))
        global watched_app
        watched_app = app

        # The toolbar and the menus, by the captions on screen.
        for caption in ("Add", "Join", "Remove", "Play", "Move Up", "Move Down"):
            wait_for("a control named with \"%s\"" % caption, lambda: find(
                app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                and caption in name_of(n)))
        for caption in ("Add Files", "Join Files", "Select All", "Clear All"):
            wait_for("the menu entry \"%s\"" % caption, lambda: find(
                app, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM and caption in name_of(n)))

        # The totals, values included, from the status bar.
        wait_for("Total Files: 2", lambda: find(app, lambda n: name_of(n) == "Total Files: 2"))
        wait_for("the total duration", lambda: find(
            app, lambda n: name_of(n).startswith("Total Duration: 00:00:0")
            and name_of(n) != "Total Duration: 00:00:00"))

        heard = []

        def on_name(event):
            if event.source is not None and name_of(event.source) == "Join Finished!":
                heard.append(event.type)

        pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")

        # The notice hides itself after a few seconds: judged when it appears, not later.
        notices = []

        def on_shown(event):
            source = event.source
            if (source is not None and safe(lambda: source.getRole()) == pyatspi.ROLE_NOTIFICATION
                    and name_of(source).startswith("Join Finished. Click here")):
                notices.append(event.type)

        pyatspi.Registry.registerEventListener(on_shown, "object:state-changed:showing",
                                               "window:create", "window:activate")

        join = find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                    and name_of(n).startswith("Join"))
        press(join)
        dialog = wait_for("the output settings dialog", lambda: find(
            app, lambda n: n.getRole() == pyatspi.ROLE_DIALOG
            and name_of(n) == "Output Settings"
            and n.getState().contains(pyatspi.STATE_SHOWING)))
        for caption in ("More >>", "Browse...", "Join Now", "Cancel"):
            wait_for("\"%s\" by name" % caption, lambda: find(
                dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                and caption in name_of(n)))
        copy = find(dialog, lambda n: n.getRole() == pyatspi.ROLE_RADIO_BUTTON
                    and name_of(n).startswith("Direct stream copy"))
        if copy is None:
            fail("no \"Direct stream copy\" choice")
        if not copy.getState().contains(pyatspi.STATE_CHECKED):
            press(copy)
            wait_for("direct copy chosen",
                     lambda: copy.getState().contains(pyatspi.STATE_CHECKED))
        for box_name, text in (("Destination folder", out + "/"), ("Output file name", "joined")):
            box = find(dialog, lambda n: n.getRole() == pyatspi.ROLE_TEXT
                       and name_of(n) == box_name)
            if box is None:
                fail("no box named " + box_name)
            box.queryEditableText().setTextContents(text)
        press(find(dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                   and name_of(n) == "Join Now"))

        # The progress window says so when the join is over, and the bus hears it.
        wait_for("the name change to \"Join Finished!\"", lambda: heard)
        progress = find(app, lambda n: name_of(n) == "Join Finished!")
        if progress is None:
            fail("no window named \"Join Finished!\"")
        for caption in ("Time Elapsed:", "Remaining Time:", "Estimated Size:"):
            field = find(progress, lambda n: name_of(n).startswith(caption)
                         and n.getRole() == pyatspi.ROLE_TEXT)
            if field is None or name_of(field) == caption:
                fail("no figure heard for " + caption)
        wait_for("the completion notice shown as a notification", lambda: notices)
        wait_for("the joined file", lambda: [f for f in os.listdir(out) if f.startswith("joined")])
        print("heard: " + ", ".join(heard + notices), flush=True)
        print("PASS", flush=True)
    finally:
        for process in (joiner, launcher):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=20)
                except subprocess.TimeoutExpired:
                    process.kill()
        work.cleanup()


if __name__ == "__main__":
    main()
