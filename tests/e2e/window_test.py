"""The shipped wizard opens its one window and closes the way a user closes it."""
import os
import unittest

from e2e_support import ARTIFACTS, EXE, make_package, remove_package, wizard_driver


class WindowTest(unittest.TestCase):
    def setUp(self):
        self.package = make_package()

    def tearDown(self):
        remove_package(self.package)

    def test_opens_fixed_window_and_alt_f4_confirmed_ends_with_zero(self):
        with wizard_driver.Wizard(EXE, self.package) as wizard:
            window = wizard.find_window(wizard_driver.CAPTION)
            self.assertEqual(wizard.geometry(window)[2:], (650, 400))
            wizard.screenshot(os.path.join(ARTIFACTS, "window.png"), window)

            wizard.key(window, "alt+F4")
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Escape")
            self.assertTrue(wizard.window_gone(wizard_driver.BOX_CAPTION))
            self.assertTrue(wizard.running(), "Esc in the confirmation must keep the wizard open")

            wizard.key(window, "alt+F4")
            box = wizard.find_window(wizard_driver.BOX_CAPTION)
            wizard.key(box, "Return")
            self.assertEqual(wizard.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
