"""Drives the built wizard under Wine the way a user would: starts it in a
package folder with a prefix of its own, finds its windows by caption, clicks
and types with xdotool, takes screenshots, and cleans up only what it started.

Used by the end-to-end tests and by `make demo`.
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WINE_RUN = os.path.join(ROOT, "tools", "wine-run")
# A prefix nothing ever runs in, copied afresh for every run of the wizard,
# so a test never sees fonts another test or a Win32 test installed.
TEMPLATE_PREFIX = os.path.join(ROOT, "build", "win32", "wineprefix-clean")
CAPTION = "Zarnik字库安装向导"
BOX_CAPTION = "提示"


class VirtualDisplay:
    """An Xvfb server on a display number it picks itself (-displayfd)."""

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()


def ensure_template_prefix():
    subprocess.run([WINE_RUN, "--ensure-prefix"], check=True, env=dict(os.environ, WINEPREFIX=TEMPLATE_PREFIX))


class Wizard:
    """One run of the wizard in a package folder, in a fresh copy of the
    template prefix (or a given prefix, which is then left in place)."""

    def __init__(self, exe, package_dir, prefix=None, display=None):
        self.exe = exe
        self.package_dir = package_dir
        self.display = display or os.environ.get("DISPLAY")
        self.own_prefix = prefix is None
        self.prefix = prefix
        self.process = None

    def __enter__(self):
        if self.own_prefix:
            ensure_template_prefix()
            self.prefix = tempfile.mkdtemp(prefix="wizard-prefix-")
            os.rmdir(self.prefix)
            shutil.copytree(TEMPLATE_PREFIX, self.prefix, symlinks=True)
        target = os.path.join(self.package_dir, os.path.basename(self.exe))
        shutil.copyfile(self.exe, target)
        self.process = subprocess.Popen([WINE_RUN, os.path.basename(self.exe)], cwd=self.package_dir,
                                        env=self.env(), start_new_session=True)
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        subprocess.run(["wineserver", "-k"], env=self.env(), stderr=subprocess.DEVNULL)
        self.flush_registry()
        if self.own_prefix:
            shutil.rmtree(self.prefix, ignore_errors=True)

    def env(self):
        env = dict(os.environ, WINEPREFIX=self.prefix)
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *args], env=self.env(), capture_output=True, text=True)
        return result.stdout.strip()

    def find_window(self, caption, timeout=60):
        """The X window of the top-level window whose caption is exactly `caption`."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % caption)
            if found:
                return found.splitlines()[0]
            if self.process.poll() is not None:
                raise AssertionError("wizard ended with %d before showing %r" % (self.process.returncode, caption))
            time.sleep(0.1)
        raise AssertionError("no window %r within %d s" % (caption, timeout))

    def window_gone(self, caption, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.xdotool("search", "--onlyvisible", "--name", "^%s$" % caption):
                return True
            time.sleep(0.1)
        return False

    def geometry(self, window):
        """(left, top, width, height) of a window on the screen."""
        values = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def click(self, window, x, y):
        """A left click at client coordinates of the window."""
        left, top, _, _ = self.geometry(window)
        self.xdotool("mousemove", "--sync", str(left + x), str(top + y))
        time.sleep(0.05)
        self.xdotool("click", "1")

    def key(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", "--window", window, *keys)

    def screenshot(self, path, window=None):
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        target = window if window else "root"
        subprocess.run(["import", "-window", target, path], env=self.env(), check=True)
        return path

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def flush_registry(self):
        """Waits for this prefix's wineserver to end on its own (a few seconds
        after the wizard), which is when it writes the registry files."""
        subprocess.run(["wineserver", "-w"], env=self.env(), stderr=subprocess.DEVNULL, timeout=60)

    def running(self):
        return self.process.poll() is None


FONTS_KEY = r"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"


def _unescape_reg(text):
    """Undoes the escapes of Wine's registry files: \\xNNNN, \\\\ and \\"."""
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            if nxt == "x":
                j = i + 2
                while j < len(text) and j < i + 6 and text[j] in "0123456789abcdefABCDEF":
                    j += 1
                out.append(chr(int(text[i + 2:j], 16)))
                i = j
                continue
            out.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(nxt, nxt))
            i += 2
            continue
        out.append(text[i])
        i += 1
    return "".join(out)


def registry_values(prefix, key=FONTS_KEY, hive="system.reg"):
    """The string values of a key as Wine saved them (call after wineserver
    has written the hive, for example once the wizard and its server ended)."""
    values = {}
    header = "[%s]" % key
    inside = False
    with open(os.path.join(prefix, hive), encoding="utf-8", errors="replace") as handle:
        for line in handle:
            line = line.rstrip("\n")
            if line.startswith("["):
                inside = line.split("]")[0] + "]" == header
                continue
            if inside and line.startswith('"') and '"="' in line:
                name, data = line[1:].split('"="', 1)
                values[_unescape_reg(name)] = _unescape_reg(data[:-1])
    return values


def fonts_folder(prefix):
    return os.path.join(prefix, "drive_c", "windows", "Fonts")


# Keys that Wine's plug-and-play rewrites at every start of a program in the
# prefix (device dates, properties); nothing the wizard does touches them.
WINE_DEVICE_KEYS = (r"System\\CurrentControlSet\\Control\\Class\\",
                    r"System\\CurrentControlSet\\Control\\DeviceClasses\\",
                    r"System\\CurrentControlSet\\Enum\\")


def fonts_folder_state(prefix):
    """Every entry below the Fonts folder: relative path -> SHA-256 of its
    bytes, or "folder"."""
    import hashlib

    root = fonts_folder(prefix)
    state = {}
    for folder, folders, files in os.walk(root):
        for name in folders:
            state[os.path.relpath(os.path.join(folder, name), root)] = "folder"
        for name in files:
            with open(os.path.join(folder, name), "rb") as handle:
                digest = hashlib.sha256(handle.read()).hexdigest()
            state[os.path.relpath(os.path.join(folder, name), root)] = digest
    return state


def registry_state(prefix):
    """Every value of the prefix's saved hives but those of WINE_DEVICE_KEYS:
    (hive, key as written in the file, value name) -> the data as written,
    continuation lines joined. Call it before a program starts in the prefix
    and after its wineserver wrote the hives."""
    state = {}
    for hive in ("system.reg", "user.reg", "userdef.reg"):
        key, pending = None, None
        with open(os.path.join(prefix, hive), encoding="utf-8", errors="surrogateescape") as handle:
            for line in handle:
                line = line.rstrip("\n")
                if pending is not None:
                    pending += line.strip()
                    if not line.endswith("\\"):
                        _store_reg_value(state, hive, key, pending)
                        pending = None
                elif line.startswith("["):
                    key = line[1:line.rindex("]")]
                elif key is not None and (line.startswith('"') or line.startswith("@=")):
                    if line.endswith("\\"):
                        pending = line[:-1]
                    else:
                        _store_reg_value(state, hive, key, line)
    return state


def _store_reg_value(state, hive, key, line):
    if (key + "\\\\").startswith(WINE_DEVICE_KEYS):
        return
    if line.startswith("@="):
        state[(hive, key, "@")] = line[2:]
        return
    end = 1
    while line[end] != '"':
        end += 2 if line[end] == "\\" else 1
    state[(hive, key, _unescape_reg(line[1:end]))] = line[end + 2:]
