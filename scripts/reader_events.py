# SPDX-License-Identifier: MIT
# What a screen reader gets from Quorvane: runs the program with its accessibility on, drives it
# through the accessibility bus (and a few keys through XTest) and prints the events a reader
# receives, with the names and descriptions it would read. Run by scripts/reader-events.sh, which
# provides the display, the session bus and the accessibility bus.
import os, subprocess, sys, time, tempfile
import gi
gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib

exe = sys.argv[1]
home = tempfile.mkdtemp()
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + '/.config', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
           QT_ACCESSIBILITY='1', QT_QPA_PLATFORM='xcb')
def on_event(e):
    try:
        src = e.source
        role = src.get_role_name()
        name = src.get_name()
    except Exception as ex:
        role, name = '?', str(ex)
    if e.type.startswith('object:state-changed:showing') and role != 'notification':
        return
    if e.type.startswith('object:property-change:accessible-name') and role not in ('notification', 'push button', 'dialog', 'frame'):
        return
    line = '%s detail1=%s role=%s name=%r' % (e.type, e.detail1, role, name)
    if e.type.startswith('window:'):
        try:
            line += ' description=%r' % src.get_description()
        except Exception:
            pass
    print(line, flush=True)

listener = Atspi.EventListener.new(on_event)
for kind in ('object:state-changed:showing', 'object:property-change:accessible-name', 'window:activate', 'focus:'):
    listener.register(kind)

app_proc = subprocess.Popen([exe], env=env)

def pump(seconds):
    end = time.time() + seconds
    ctx = GLib.MainContext.default()
    while time.time() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.02)

def find_app():
    desk = Atspi.get_desktop(0)
    for i in range(desk.get_child_count()):
        a = desk.get_child_at_index(i)
        if a and 'quorvane' in (a.get_name() or '').lower():
            return a
    return None

app = None
for _ in range(100):
    pump(0.1)
    app = find_app()
    if app and app.get_child_count() > 0:
        break
print('APP', app and app.get_name(), flush=True)
frame = app.get_child_at_index(0)
print('FRAME role=%s name=%r' % (frame.get_role_name(), frame.get_name()), flush=True)

def walk(obj, depth=0):
    yield obj
    try:
        n = obj.get_child_count()
    except Exception:
        return
    for i in range(n):
        c = obj.get_child_at_index(i)
        if c:
            yield from walk(c, depth + 1)

def find(pred):
    for o in walk(app):
        try:
            if pred(o):
                return o
        except Exception:
            pass
    return None

def by_name(prefix, role=None):
    return find(lambda o: (o.get_name() or '').startswith(prefix) and (role is None or o.get_role_name() == role))

def act(obj, name):
    ai = obj.get_action_iface()
    for i in range(ai.get_n_actions()):
        if ai.get_action_name(i).lower() == name.lower():
            ai.do_action(i)
            return
    raise RuntimeError('no action %s on %s' % (name, obj.get_name()))

def step(title, fn):
    print('--- ' + title, flush=True)
    fn()
    pump(0.8)

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest
xd = xdisplay.Display()
def focus_window():
    # No window manager under Xvfb: the program's window is given the input focus by hand.
    def search(w):
        try:
            name = w.get_wm_name()
        except Exception:
            name = None
        if name and 'Quorvane' in str(name):
            return w
        for c in w.query_tree().children:
            f = search(c)
            if f:
                return f
        return None
    w = search(xd.screen().root)
    print('X window', w, flush=True)
    w.set_input_focus(X.RevertToParent, X.CurrentTime)
    xd.sync()

def key(keysym_ctrl):
    # Ctrl + key as the keyboard gives it (XTest), into the window that has the input focus.
    ctrl = xd.keysym_to_keycode(XK.XK_Control_L)
    code = xd.keysym_to_keycode(keysym_ctrl)
    for kind, c in ((X.KeyPress, ctrl), (X.KeyPress, code), (X.KeyRelease, code), (X.KeyRelease, ctrl)):
        xtest.fake_input(xd, kind, c)
    xd.sync()

tabs = find(lambda o: o.get_role_name() == 'page tab')
print('TAB role=%s name=%r states=%s' % (tabs.get_role_name(), tabs.get_name(),
      [s.value_nick for s in tabs.get_state_set().get_states()]), flush=True)
pump(0.5)
step('click Pottery', lambda: act(by_name('Pottery,', 'push button'), 'Press'))
step('click Mysticism', lambda: act(by_name('Mysticism,', 'push button'), 'Press'))
step('treasury to 100', lambda: by_name('Treasury', 'slider').get_value_iface().set_current_value(100))
step('Confirm', lambda: act(by_name('Confirm', 'push button'), 'Press'))
step('Lock', lambda: act(by_name('Purchase lock'), 'Toggle'))
step('Lock again', lambda: act(by_name('Purchase lock'), 'Toggle'))
# Calendar costs more than 100: greyed, it could not be pressed.
step('treasury to 290', lambda: by_name('Treasury', 'slider').get_value_iface().set_current_value(290))
step('Info', lambda: act(by_name('Info'), 'Toggle'))
step('click Calendar in Info mode', lambda: act(by_name('Calendar,', 'push button'), 'Press'))
pump(1)
step('Close the card information', lambda: act(find(lambda o: o.get_role_name() == 'push button' and o.get_name() == 'Close'
                                                     and o.get_parent().get_role_name() == 'dialog'), 'Press'))
step('treasury to 100 again', lambda: by_name('Treasury', 'slider').get_value_iface().set_current_value(100))
step('focus the window', focus_window)
step('Ctrl+B (fill)', lambda: key(ord('b')))
step('Ctrl+Z (undo)', lambda: key(ord('z')))
step('Ctrl+Y (redo)', lambda: key(ord('y')))
app_proc.terminate()
app_proc.wait()
