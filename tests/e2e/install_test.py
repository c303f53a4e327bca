"""The whole wizard by mouse: fonts installed into a fresh prefix, with the
files and registry values a user's machine would get."""
import os
import time
import unittest

from e2e_support import (ACCEPT, ARTIFACTS, CANCEL, ENTER, EXE, NEXT, TRANSITION_SECONDS, grid_row_box,
                          make_package, remove_package, wizard_driver)

INSTALL_ARTIFACTS = os.path.join(ARTIFACTS, "install")


def catalogue(package):
    """The entries of the package's fonts.ini: [(title, file)], by number."""
    with open(os.path.join(package, "fonts.ini"), encoding="cp936") as handle:
        pairs = dict(line.rstrip("\r\n").split("=", 1) for line in handle if "=" in line)
    entries = []
    while "font%dtitle" % len(entries) in pairs:
        n = len(entries)
        entries.append((pairs["font%dtitle" % n], pairs["font%dfile" % n]))
    return entries


class InstallTest(unittest.TestCase):
    def setUp(self):
        self.package = make_package()
        self.entries = catalogue(self.package)

    def tearDown(self):
        remove_package(self.package)

    def shot(self, wizard, window, name):
        wizard.screenshot(os.path.join(INSTALL_ARTIFACTS, name + ".png"), window)

    def walk_to_selection(self, wizard, window, shots=None):
        time.sleep(TRANSITION_SECONDS)
        for step, point in enumerate([ENTER, NEXT, ACCEPT, NEXT]):
            if shots:
                self.shot(wizard, window, "%s-%d" % (shots, step))
            wizard.click(window, *point)
            time.sleep(TRANSITION_SECONDS if point != ACCEPT else 0.3)

    def wait_for_files(self, wizard, files, timeout=60):
        folder = wizard_driver.fonts_folder(wizard.prefix)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if all(os.path.isfile(os.path.join(folder, name)) for name in files):
                return
            time.sleep(0.2)
        self.fail("fonts not copied within %d s" % timeout)

    def assert_installed(self, wizard, installed, missing):
        folder = wizard_driver.fonts_folder(wizard.prefix)
        values = wizard_driver.registry_values(wizard.prefix)
        for title, file in installed:
            with open(os.path.join(self.package, "fonts", file), "rb") as source, \
                    open(os.path.join(folder, file), "rb") as target:
                self.assertEqual(source.read(), target.read(), file)
            self.assertEqual(values.get(title + " (TrueType)"), file, title)
        for title, file in missing:
            self.assertNotIn(title + " (TrueType)", values, title)

    def test_every_font_installed_then_finish_ends_with_zero(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            self.walk_to_selection(wizard, window, shots="page")
            self.shot(wizard, window, "page-3")
            start = time.monotonic()
            wizard.click(window, *NEXT)
            self.shot(wizard, window, "page-4")
            self.wait_for_files(wizard, [file for _, file in self.entries])
            print("run and copy done %.2f s after Next on the selection page" % (time.monotonic() - start))
            time.sleep(0.5 + TRANSITION_SECONDS + 0.3)
            self.shot(wizard, window, "page-5")
            wizard.click(window, *NEXT)  # Finish stands where Next stood
            self.assertEqual(wizard.wait_exit(), 0)
            wizard.flush_registry()
            self.assert_installed(wizard, self.entries, [])

    def test_unticked_fonts_are_left_out(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            self.walk_to_selection(wizard, window)
            for row in (3, 5):
                wizard.click(window, *grid_row_box(row))
                time.sleep(0.2)
            self.shot(wizard, window, "two-unticked")
            wizard.click(window, *NEXT)
            left_out = [self.entries[2], self.entries[4]]
            chosen = [entry for entry in self.entries if entry not in left_out]
            self.wait_for_files(wizard, [file for _, file in chosen])
            time.sleep(0.5 + TRANSITION_SECONDS + 0.3)
            wizard.click(window, *NEXT)
            self.assertEqual(wizard.wait_exit(), 0)
            wizard.flush_registry()
            self.assert_installed(wizard, chosen, left_out)
            folder = wizard_driver.fonts_folder(wizard.prefix)
            for _, file in left_out:
                self.assertFalse(os.path.exists(os.path.join(folder, file)))

    def test_a_folder_named_like_a_font_fails_the_run_and_the_page_stays(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            blocked = self.entries[2]
            os.makedirs(os.path.join(wizard_driver.fonts_folder(wizard.prefix), blocked[1]))
            window = wizard.find_window(wizard_driver.CAPTION)
            self.walk_to_selection(wizard, window)
            wizard.click(window, *NEXT)
            others = [entry for entry in self.entries if entry != blocked]
            self.wait_for_files(wizard, [file for _, file in others])
            time.sleep(0.5 + TRANSITION_SECONDS + 0.5)
            self.shot(wizard, window, "failed-run")
            wizard.click(window, *NEXT)  # disabled: nothing happens
            time.sleep(0.5)
            self.assertTrue(wizard.running())
            wizard.click(window, *CANCEL)
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Return")
            self.assertEqual(wizard.wait_exit(), 0)
            wizard.flush_registry()
            self.assert_installed(wizard, others, [blocked])

    def test_the_run_goes_on_behind_the_close_confirmation(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            self.walk_to_selection(wizard, window)
            wizard.click(window, *NEXT)
            time.sleep(TRANSITION_SECONDS)
            wizard.click(window, *CANCEL)
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            self.wait_for_files(wizard, [file for _, file in self.entries])
            self.shot(wizard, None, "box-open-after-run")
            wizard.key(box, "Return")
            self.assertEqual(wizard.wait_exit(), 0)
            wizard.flush_registry()
            self.assert_installed(wizard, self.entries, [])


if __name__ == "__main__":
    unittest.main()
