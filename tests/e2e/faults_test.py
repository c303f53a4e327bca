"""The wizard against hostile packages and machines: planted rich edit DLLs, a
folder and a foreign file in the Fonts folder, a font locked by another
program, huge, garbage and crowded catalogues, a title the registry refuses,
and a package in a folder ending in a double-byte character, with file names
as long as the Fonts folder allows.

Every run starts in a fresh copy of the clean prefix whose Fonts folder holds
a few files of its own, and ends with the same check: every file that was in
the Fonts folder is byte-identical, every registry value the wizard did not
write is unchanged, and the only new files and values are the fonts the
wizard's rules install."""
import contextlib
import hashlib
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

from e2e_support import ACCEPT, ARTIFACTS, CANCEL, ENTER, EXE, NEXT, TRANSITION_SECONDS, wizard_driver

FAULT_ARTIFACTS = os.path.join(ARTIFACTS, "faults")
# The fault helpers are built beside the Win32 fault tests.
HELPERS = os.path.join(os.path.dirname(EXE), "tests", "win32", "faults")
HOLD_FILE = os.path.join(HELPERS, "hold_file.exe")
MARKER_DLL = os.path.join(HELPERS, "marker_library.dll")
# What the Fonts folder of every run holds before the wizard starts.
RESIDENTS = {"simsun.ttc": 70000, "arial.ttf": 30000, "desktop.ini": 90}
# The longest name whose path in the Fonts folder still fits MAX_PATH.
LONGEST_NAME = 259 - len("C:\\Windows\\Fonts\\")


def pseudo_random_bytes(seed, size):
    return random.Random(seed).randbytes(size)


def read_catalogue(package):
    """[(title, file, image)] of the package's fonts.ini, by number."""
    with open(os.path.join(package, "fonts.ini"), encoding="cp936") as handle:
        pairs = dict(line.rstrip("\r\n").split("=", 1) for line in handle if "=" in line)
    entries = []
    while "font%dtitle" % len(entries) in pairs:
        n = len(entries)
        entries.append((pairs["font%dtitle" % n], pairs["font%dfile" % n], pairs["font%dimage" % n]))
    return entries


def write_catalogue(package, entries, head=b"", tail=b""):
    """fonts.ini of the entries, between the bytes of head and tail."""
    lines = []
    for n, (title, file, image) in enumerate(entries):
        lines += ["font%dtitle=%s" % (n, title), "font%dfile=%s" % (n, file), "font%dimage=%s" % (n, image)]
    body = ("\r\n".join(lines) + "\r\n").encode("cp936")
    with open(os.path.join(package, "fonts.ini"), "wb") as handle:
        handle.write(head + body + tail)


def file_hash(path):
    with open(path, "rb") as handle:
        return hashlib.sha256(handle.read()).hexdigest()


def machine_state(prefix):
    return wizard_driver.fonts_folder_state(prefix), wizard_driver.registry_state(prefix)


@contextlib.contextmanager
def fresh_prefix():
    """A copy of the clean prefix, with the residents in its Fonts folder."""
    wizard_driver.ensure_template_prefix()
    prefix = tempfile.mkdtemp(prefix="wizard-faults-prefix-")
    os.rmdir(prefix)
    shutil.copytree(wizard_driver.TEMPLATE_PREFIX, prefix, symlinks=True)
    fonts = wizard_driver.fonts_folder(prefix)
    os.makedirs(fonts, exist_ok=True)
    for index, (name, size) in enumerate(sorted(RESIDENTS.items())):
        with open(os.path.join(fonts, name), "wb") as handle:
            handle.write(pseudo_random_bytes(index, size))
    try:
        yield prefix
    finally:
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=prefix), stderr=subprocess.DEVNULL)
        shutil.rmtree(prefix, ignore_errors=True)


class LockedFile:
    """hold_file.exe keeping one file open without sharing, in the prefix."""

    def __init__(self, prefix, path):
        self.prefix, self.path = prefix, path
        self.signals = tempfile.mkdtemp(prefix="wizard-faults-lock-")
        self.ready = os.path.join(self.signals, "ready")
        self.release_file = os.path.join(self.signals, "release")

    def __enter__(self):
        paths = [windows_path(path) for path in (self.path, self.ready, self.release_file)]
        command = [wizard_driver.WINE_RUN, HOLD_FILE] + paths
        self.process = subprocess.Popen(command, env=dict(os.environ, WINEPREFIX=self.prefix),
                                        start_new_session=True, stdout=subprocess.DEVNULL)
        deadline = time.monotonic() + 30
        while not os.path.exists(self.ready):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise AssertionError("hold_file did not take %s" % self.path)
            time.sleep(0.05)
        return self

    def release(self):
        """Lets go of the file and waits for the holder to end."""
        if self.process.poll() is None:
            open(self.release_file, "w").close()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()

    def __exit__(self, *exc):
        self.release()
        shutil.rmtree(self.signals, ignore_errors=True)


class OverridingWizard(wizard_driver.Wizard):
    """The wizard with extra environment, WINEDLLOVERRIDES for one."""

    def __init__(self, exe, package_dir, prefix, extra_env):
        super().__init__(exe, package_dir, prefix=prefix)
        self.extra_env = extra_env

    def env(self):
        return dict(super().env(), **self.extra_env)


def click(wizard, window, point):
    """A click that also works where the pointer already is: the driver's
    click waits for the pointer to arrive (mousemove --sync), which takes
    xdotool some 15 s when it is there already. False when the window has
    gone (its geometry has no fields then)."""
    wizard.xdotool("mousemove", "0", "0")
    try:
        wizard.click(window, *point)
    except KeyError:
        return False
    return True


def windows_path(path):
    """The Z: path of a Linux path, as Wine's default drive mapping gives it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class FaultsTest(unittest.TestCase):
    def package(self, parent=None, name=None):
        """The demo package, in a folder of its own or at parent/name."""
        top = tempfile.mkdtemp(prefix="wizard-faults-package-", dir=parent)
        self.addCleanup(shutil.rmtree, top, ignore_errors=True)
        folder = os.path.join(top, name) if name else top
        subprocess.run([sys.executable, os.path.join(wizard_driver.ROOT, "tools", "make_demo_package.py"), folder],
                       check=True, stdout=subprocess.DEVNULL)
        return folder

    def shot(self, wizard, window, name):
        wizard.screenshot(os.path.join(FAULT_ARTIFACTS, name + ".png"), window)

    def start_installation(self, wizard, window, name):
        """From the welcome page through the licence to the installing page."""
        time.sleep(TRANSITION_SECONDS)
        shots = {2: "licence", 4: "selection"}
        for step, point in enumerate([ENTER, NEXT, ACCEPT, NEXT, NEXT]):
            if step in shots:
                self.shot(wizard, window, "%s-%s" % (name, shots[step]))
            click(wizard, window, point)
            time.sleep(TRANSITION_SECONDS if point != ACCEPT else 0.3)

    def finish(self, wizard, window, name, timeout=60):
        """Clicks Next (Finish on the last page) until the wizard ends: it
        can end only if the run succeeded and enabled Next. No click falls
        on the window while it hides itself after Finish."""
        deadline = time.monotonic() + timeout
        while wizard.running() and time.monotonic() < deadline:
            if not click(wizard, window, NEXT) or wizard.window_gone(wizard_driver.CAPTION, timeout=1.5):
                break
        with contextlib.suppress(subprocess.TimeoutExpired):
            wizard.wait_exit(timeout=10)
        if wizard.running():
            self.shot(wizard, window, name + "-not-finished")
            self.fail("the wizard did not reach the finish page within %d s" % timeout)
        self.assertEqual(wizard.wait_exit(), 0)
        wizard.flush_registry()

    def stays_and_cancels(self, wizard, window, name, settled):
        """After a failed or aborted run: Next is disabled, so two clicks on
        it neither reach the finish page nor end the wizard; Cancel and OK
        end it with 0."""
        deadline = time.monotonic() + 90
        while not settled():
            self.assertLess(time.monotonic(), deadline, "the run did not get as far as expected")
            self.assertTrue(wizard.running(), "the wizard ended during the run")
            time.sleep(0.2)
        time.sleep(0.5 + TRANSITION_SECONDS + 0.5)
        self.shot(wizard, window, name + "-after-run")
        for _ in range(2):
            click(wizard, window, NEXT)
            time.sleep(TRANSITION_SECONDS)
        self.assertTrue(wizard.running(), "Next must stay disabled after the run")
        click(wizard, window, CANCEL)
        box = wizard.find_window(wizard_driver.BOX_CAPTION)
        wizard.key(box, "Return")
        self.assertEqual(wizard.wait_exit(), 0)

    def assert_nothing_lost(self, prefix, before, package, installed, present=(), copied_only=()):
        """The Fonts folder and the registry after the run: what was there is
        unchanged, and what is new is exactly what the run's rules give:
        `installed` fonts ([(title, file)]) copied byte for byte from the
        package and registered, `present` fonts (their file was already
        there) registered only, and `copied_only` fonts copied only."""
        files_before, registry_before = before
        files_after, registry_after = machine_state(prefix)
        for path, digest in files_before.items():
            self.assertEqual(files_after.get(path), digest, "Fonts\\%s changed" % path)
        copied = list(installed) + list(copied_only)
        expected_new = {file: file_hash(os.path.join(package, "fonts", file)) for _, file in copied}
        new = {path: digest for path, digest in files_after.items() if path not in files_before}
        self.assertEqual(sorted(new), sorted(expected_new))
        self.assertEqual(new, expected_new)

        registered = {title + " (TrueType)": file for title, file in list(installed) + list(present)}
        for (hive, key, name), data in registry_before.items():
            if hive == "system.reg" and key == wizard_driver.FONTS_KEY and name in registered:
                continue
            self.assertEqual(registry_after.get((hive, key, name)), data, "%s [%s] %s" % (hive, key, name))
        values = wizard_driver.registry_values(prefix)
        new_values = {name for (hive, key, name) in registry_after
                      if hive == "system.reg" and key == wizard_driver.FONTS_KEY
                      and (hive, key, name) not in registry_before}
        self.assertLessEqual(new_values, set(registered))
        for name, file in registered.items():
            self.assertEqual(values.get(name), file, name)

    def run_catalogue_case(self, name, entries, head=b"", tail=b"", installed=None):
        """One whole run on a demo package whose fonts.ini holds entries(the
        package's entries) between head and tail; `installed` (all of the
        package's entries unless given) must be installed, nothing else."""
        package = self.package()
        shown = read_catalogue(package)
        write_catalogue(package, entries(shown), head, tail)
        with fresh_prefix() as prefix:
            before = machine_state(prefix)
            with wizard_driver.Wizard(EXE, package, prefix=prefix) as wizard:
                window = wizard.find_window(wizard_driver.CAPTION)
                self.start_installation(wizard, window, name)
                self.finish(wizard, window, name)
            expected = [(title, file) for title, file, _ in (shown if installed is None else installed)]
            self.assert_nothing_lost(prefix, before, package, expected)

    def test_hostile_machine_planted_dlls_a_folder_a_foreign_file_and_a_locked_font(self):
        package = self.package()
        entries = read_catalogue(package)
        folder_named, foreign, locked = entries[2], entries[5], entries[8]
        others = [entry for entry in entries if entry not in (folder_named, foreign, locked)]
        for dll in ("RICHED32.DLL", "RICHED20.DLL"):
            shutil.copyfile(MARKER_DLL, os.path.join(package, dll))
        overrides = {"WINEDLLOVERRIDES": "riched32,riched20=n,b;mscoree,mshtml="}
        with fresh_prefix() as prefix:
            fonts = wizard_driver.fonts_folder(prefix)
            os.makedirs(os.path.join(fonts, folder_named[1]))
            with open(os.path.join(fonts, foreign[1]), "wb") as handle:
                handle.write(pseudo_random_bytes("foreign", 5000))
            before = machine_state(prefix)
            with LockedFile(prefix, os.path.join(package, "fonts", locked[1])) as lock, \
                    OverridingWizard(EXE, package, prefix, overrides) as wizard:
                window = wizard.find_window(wizard_driver.CAPTION)
                self.start_installation(wizard, window, "hostile")
                self.stays_and_cancels(wizard, window, "hostile", lambda: all(
                    os.path.isfile(os.path.join(fonts, file)) for _, file, _ in others))
                lock.release()
                wizard.flush_registry()
            self.assertEqual([name for name in os.listdir(package) if name.endswith(".loaded")], [],
                             "a planted DLL was loaded")
            # The foreign file stays as it was and is registered as it is; the
            # folder and the locked font fail the run and are not registered.
            self.assert_nothing_lost(prefix, before, package, [entry[:2] for entry in others],
                                     present=[foreign[:2]])

    def test_title_the_registry_refuses_ends_the_run_there(self):
        package = self.package()
        entries = read_catalogue(package)
        entries[3] = ("超长标题" + "长" * 17000,) + entries[3][1:]
        write_catalogue(package, entries)
        with fresh_prefix() as prefix:
            fonts = wizard_driver.fonts_folder(prefix)
            before = machine_state(prefix)
            with wizard_driver.Wizard(EXE, package, prefix=prefix) as wizard:
                window = wizard.find_window(wizard_driver.CAPTION)
                self.start_installation(wizard, window, "refused-title")
                self.stays_and_cancels(wizard, window, "refused-title", lambda: all(
                    os.path.isfile(os.path.join(fonts, file)) for _, file, _ in entries[:4]))
                wizard.flush_registry()
            # The refused font was copied before its value failed; the later
            # ones were never reached.
            self.assert_nothing_lost(prefix, before, package, [entry[:2] for entry in entries[:3]],
                                     copied_only=[entries[3][:2]])

    def test_package_in_a_folder_ending_in_a_trail_backslash_with_the_longest_names(self):
        # 乗 is 0x81 0x5C in code page 936: its second byte is a backslash.
        self.assertEqual("乗".encode("cp936"), b"\x81\x5c")
        drive = tempfile.mkdtemp(prefix="wizard-faults-drive-")
        self.addCleanup(shutil.rmtree, drive, ignore_errors=True)
        package = self.package(parent=drive, name="乗")
        top = os.path.dirname(package)
        entries = read_catalogue(package)
        # As long as the Fonts folder allows in code page 936; the Linux side
        # holds at most 255 bytes of UTF-8 a name, so only a few 乗 fit.
        stems = {0: "L" * (LONGEST_NAME - 4), 11: "乗" * 13 + "M" * (LONGEST_NAME - 4 - 26)}
        for n, stem in stems.items():
            title, file, image = entries[n]
            extension = os.path.splitext(file)[1]
            os.rename(os.path.join(package, "fonts", file), os.path.join(package, "fonts", stem + extension))
            shutil.copyfile(os.path.join(package, "fonts", image), os.path.join(package, "fonts", stem + ".bmp"))
            entries[n] = (title + " 乗", stem + extension, stem + ".bmp")
        self.assertEqual({len(entries[n][1].encode("cp936")) for n in stems}, {LONGEST_NAME})
        write_catalogue(package, entries)
        with fresh_prefix() as prefix:
            # Drive P: is the folder above the package, so the package is
            # P:\乗\ and every path of the run stays within MAX_PATH.
            os.symlink(top, os.path.join(prefix, "dosdevices", "p:"))
            before = machine_state(prefix)
            with wizard_driver.Wizard(EXE, package, prefix=prefix) as wizard:
                window = wizard.find_window(wizard_driver.CAPTION)
                self.start_installation(wizard, window, "trail-backslash")
                self.finish(wizard, window, "trail-backslash")
            self.assert_nothing_lost(prefix, before, package, [entry[:2] for entry in entries])

    def test_twenty_megabyte_catalogue(self):
        padding = []
        size = 0
        for n in range(400000):
            line = ("; comment line %d %s" % (n, "-" * 40)) if n % 2 else ("padding%d=%s" % (n, "x" * 40))
            padding.append(line)
            size += len(line) + 2
            if size > 20 * 1024 * 1024:
                break
        # Later lines of the same names never answer: the first one wins.
        shadows = "\r\n".join("font%dtitle=shadowed\r\nfont%dfile=shadowed.ttf" % (n, n) for n in range(12))
        tail = ("\r\n".join(padding) + "\r\n" + shadows + "\r\n").encode("ascii")
        self.assertGreater(len(tail), 20 * 1024 * 1024)
        self.run_catalogue_case("twenty-megabytes", lambda shown: shown, tail=tail)

    def test_binary_garbage_catalogue_lists_nothing_and_the_run_installs_nothing(self):
        garbage = bytes(b or 1 for b in pseudo_random_bytes("garbage", 2 * 1024 * 1024))
        self.assertNotIn(b"font0title=", garbage.lower())
        self.run_catalogue_case("garbage", lambda shown: [], head=garbage, installed=[])

    def test_hundred_thousand_entries_only_the_packaged_fonts_match(self):
        def crowd(shown):
            return shown + [("缺失字体 %d" % n, "absent%d.ttf" % n, "absent%d.bmp" % n) for n in range(12, 100000)]
        self.run_catalogue_case("hundred-thousand", crowd)


if __name__ == "__main__":
    unittest.main()
