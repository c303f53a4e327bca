"""Walking the wizard's pages by mouse, and closing it with Cancel."""
import os
import subprocess
import time
import unittest

from e2e_support import (ARTIFACTS, BACK, CANCEL, ENTER, EXE, EXIT, NEXT, TRANSITION_SECONDS,
                          make_package, remove_package, wizard_driver)


def pixel(path, x, y):
    out = subprocess.run(["convert", path, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"],
                         capture_output=True, text=True, check=True).stdout
    return out.strip()


class NavigationTest(unittest.TestCase):
    def setUp(self):
        self.package = make_package()

    def tearDown(self):
        remove_package(self.package)

    def shot(self, wizard, window, name):
        return wizard.screenshot(os.path.join(ARTIFACTS, "navigation", name + ".png"), window)

    def test_walk_forward_and_back_then_cancel(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            time.sleep(TRANSITION_SECONDS)
            welcome = self.shot(wizard, window, "page0")

            wizard.click(window, *ENTER)
            time.sleep(0.15)
            self.shot(wizard, window, "page0-to-1-transition")
            time.sleep(TRANSITION_SECONDS)
            introduction = self.shot(wizard, window, "page1")
            self.assertNotEqual(pixel(welcome, 100, 200), pixel(introduction, 100, 200),
                                "the introduction page must show its own background")

            wizard.click(window, *NEXT)
            time.sleep(TRANSITION_SECONDS)
            self.shot(wizard, window, "page2")

            wizard.click(window, *BACK)
            time.sleep(TRANSITION_SECONDS)
            wizard.click(window, *BACK)
            time.sleep(TRANSITION_SECONDS)
            again = self.shot(wizard, window, "page0-again")
            self.assertEqual(pixel(welcome, 100, 200), pixel(again, 100, 200))

            wizard.click(window, *EXIT)
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            self.shot(wizard, None, "close-confirmation")
            wizard.key(box, "Escape")
            self.assertTrue(wizard.window_gone(wizard_driver.BOX_CAPTION))
            self.assertTrue(wizard.running())

            wizard.click(window, *ENTER)
            time.sleep(TRANSITION_SECONDS)
            wizard.click(window, *CANCEL)
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Return")
            self.assertEqual(wizard.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
