#!/usr/bin/python3
# Another desktop program for the drag and drop check (dnd_check.sh): a GTK
# window whose upper box drags files or a link ("files" or "link" as the
# argument) and whose lower box takes text dropped on it. Each drop and the
# positions of both boxes are written to standard output.
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

MODE = sys.argv[1] if len(sys.argv) > 1 else "files"
FILE = sys.argv[2] if len(sys.argv) > 2 else "/tmp/peer file.csv"
LINK = "https://example.invalid/page"


def say(line):
    print(line, flush=True)


def offered():
    if MODE == "link":
        return [("text/x-moz-url", LINK + "\nExample"), ("text/uri-list", LINK + "\r\n"), ("text/plain", LINK)]
    uri = "file://" + FILE.replace(" ", "%20")
    return [("text/uri-list", uri + "\r\n"), ("text/plain", FILE)]


def on_get(widget, context, selection, info, time):
    mime, text = offered()[info]
    data = text.encode("utf-16-le") if mime == "text/x-moz-url" else text.encode("utf-8")
    selection.set(selection.get_target(), 8, data)


def on_received(widget, context, x, y, selection, info, time):
    text = selection.get_text()
    if text is None:
        text = bytes(selection.get_data()).decode("utf-8", "replace")
    say("peer got " + text)
    widget.set_text("got: " + text)


win = Gtk.Window(title="Desktop peer")
win.set_default_size(300, 200)
win.move(600, 60)
box = Gtk.VBox(spacing=10)
src = Gtk.EventBox()
src_label = Gtk.Label(label="drag " + MODE + " from here")
src_label.set_size_request(280, 60)
src.add(src_label)
src.drag_source_set(Gdk.ModifierType.BUTTON1_MASK,
                    [Gtk.TargetEntry.new(m, 0, i) for i, (m, _) in enumerate(offered())],
                    Gdk.DragAction.COPY | Gdk.DragAction.MOVE)
src.connect("drag-data-get", on_get)
dst = Gtk.Label(label="drop text here")
dst.set_size_request(280, 100)
dst.drag_dest_set(Gtk.DestDefaults.ALL,
                  [Gtk.TargetEntry.new(m, 0, 0) for m in ("text/plain;charset=utf-8", "UTF8_STRING", "text/plain")],
                  Gdk.DragAction.COPY | Gdk.DragAction.MOVE)
dst.connect("drag-data-received", on_received)
box.pack_start(src, False, False, 0)
box.pack_start(dst, False, False, 0)
win.add(box)
win.connect("destroy", Gtk.main_quit)


def report(*_):
    ox, oy = win.get_window().get_origin()[1:]

    def centre(w):
        a = w.get_allocation()
        x, y = w.translate_coordinates(win, a.width // 2, a.height // 2)
        return ox + x, oy + y
    sx, sy = centre(src)
    dx, dy = centre(dst)
    say("ready src %d %d dst %d %d" % (sx, sy, dx, dy))
    return False


win.connect("map-event", lambda *a: GLib.timeout_add(300, report) and False)
win.show_all()
Gtk.main()
