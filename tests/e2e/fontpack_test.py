"""From a folder of Debian fonts to a package with fontpack, then the wizard on
it by mouse: every font shown in the grid and installed into a fresh prefix.
The Windows fontpack.exe under Wine must see the package as the Linux one does."""
import json
import os
import shutil
import subprocess
import tempfile
import time
import unittest

from e2e_support import (ACCEPT, ARTIFACTS, ENTER, EXE, NEXT, TRANSITION_SECONDS, wizard_driver)

ROOT = wizard_driver.ROOT
FONTPACK = os.environ.get("FONTPACK", os.path.join(ROOT, "build", "native", "tools", "fontpack", "fontpack"))
FONTPACK_EXE = os.path.join(os.path.dirname(EXE), "tools", "fontpack", "fontpack.exe")
FONTPACK_ARTIFACTS = os.path.join(ARTIFACTS, "fontpack")

DEBIAN_FONTS = [
    "/usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf",
    "/usr/share/fonts/truetype/arphic-gkai00mp/gkai00mp.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/opentype/urw-base35/C059-Roman.otf",
]

# The grid's place in the window and its columns (check box, number, title,
# preview), rows of 28 pixels below the header.
GRID_LEFT, GRID_TOP, ROW_HEIGHT = 16, 56, 28
TITLE_COLUMN = (GRID_LEFT + 60, 140)
PREVIEW_COLUMN = (GRID_LEFT + 200, 168)


def dark_pixels(path, x, y, width, height):
    """How many pixels of an area of a screenshot are darker than mid-grey."""
    raw = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "-colorspace", "gray",
                          "gray:-"], capture_output=True, check=True).stdout
    return sum(1 for value in raw if value < 128)


def catalogue(package):
    """[(title, file)] of the package's fonts.ini, by entry number."""
    with open(os.path.join(package, "fonts.ini"), encoding="cp936") as handle:
        pairs = dict(line.rstrip("\r\n").split("=", 1) for line in handle if "=" in line)
    entries = []
    while "font%dtitle" % len(entries) in pairs:
        n = len(entries)
        entries.append((pairs["font%dtitle" % n], pairs["font%dfile" % n]))
    return entries


class FontpackTest(unittest.TestCase):
    def setUp(self):
        self.assertTrue(os.path.isfile(FONTPACK), "build the native fontpack first (make native)")
        self.work = tempfile.mkdtemp(prefix="fontpack-e2e-")
        self.addCleanup(shutil.rmtree, self.work, True)
        self.fonts = os.path.join(self.work, "fonts-of-the-maker")
        os.makedirs(self.fonts)
        for path in DEBIAN_FONTS:
            shutil.copyfile(path, os.path.join(self.fonts, os.path.basename(path)))
        self.package = os.path.join(self.work, "package")

    def build(self):
        result = subprocess.run([FONTPACK, "build", "--wizard", EXE, self.fonts, self.package],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertTrue(result.stdout.rstrip().endswith("status\tclean"), result.stdout)
        return result.stdout

    def check_under_wine(self):
        """fontpack.exe check in the package folder, in a prefix of its own."""
        wizard_driver.ensure_template_prefix()
        prefix = os.path.join(self.work, "prefix")
        shutil.copytree(wizard_driver.TEMPLATE_PREFIX, prefix, symlinks=True)
        env = dict(os.environ, WINEPREFIX=prefix)
        try:
            result = subprocess.run([wizard_driver.WINE_RUN, FONTPACK_EXE, "check", "."], cwd=self.package,
                                    env=env, capture_output=True, timeout=300)
        finally:
            subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
        return result.returncode, result.stdout.decode("cp936")

    def test_built_package_is_clean_on_both_builds_and_the_wizard_installs_every_font(self):
        self.build()
        report = json.loads(subprocess.run([FONTPACK, "check", "--json", self.package], capture_output=True,
                                           text=True, check=True).stdout)
        entries = catalogue(self.package)
        self.assertEqual(len(entries), len(DEBIAN_FONTS))
        self.assertEqual(report["exitStatus"], 0)
        self.assertEqual([row["title"] for row in report["rows"]], [title for title, _ in entries])
        self.assertIn("文鼎ＰＬ简报宋", [title for title, _ in entries])

        native = subprocess.run([FONTPACK, "check", self.package], capture_output=True, text=True).stdout
        status, windows = self.check_under_wine()
        self.assertEqual(status, 0, windows)
        # The same report but for the folder's name: order, rows, selection and space.
        self.assertEqual(windows.replace("\r\n", "\n").splitlines()[1:], native.splitlines()[1:])

        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            time.sleep(TRANSITION_SECONDS)
            for point in (ENTER, NEXT, ACCEPT, NEXT):
                wizard.click(window, *point)
                time.sleep(TRANSITION_SECONDS if point != ACCEPT else 0.3)
            shot = wizard.screenshot(os.path.join(FONTPACK_ARTIFACTS, "selection.png"), window)
            for row in range(1, len(entries) + 1):
                top = GRID_TOP + row * ROW_HEIGHT + 4
                self.assertGreater(dark_pixels(shot, TITLE_COLUMN[0], top, TITLE_COLUMN[1], 20), 20,
                                   "row %d shows its title" % row)
                self.assertGreater(dark_pixels(shot, PREVIEW_COLUMN[0], top, PREVIEW_COLUMN[1], 20), 40,
                                   "row %d shows its preview" % row)
            wizard.click(window, *NEXT)
            folder = wizard_driver.fonts_folder(wizard.prefix)
            deadline = time.monotonic() + 60
            while not all(os.path.isfile(os.path.join(folder, file)) for _, file in entries):
                self.assertLess(time.monotonic(), deadline, "fonts not copied within 60 s")
                time.sleep(0.2)
            time.sleep(0.5 + TRANSITION_SECONDS + 0.3)
            wizard.screenshot(os.path.join(FONTPACK_ARTIFACTS, "finish.png"), window)
            wizard.click(window, *NEXT)  # Finish
            self.assertEqual(wizard.wait_exit(), 0)
            wizard.flush_registry()
            values = wizard_driver.registry_values(wizard.prefix)
            for title, file in entries:
                self.assertEqual(values.get(title + " (TrueType)"), file, title)


if __name__ == "__main__":
    unittest.main()
