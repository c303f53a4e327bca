#pragma once
// One wizard window for the whole test program, created as the program
// entry creates it, shown on the test display, with helpers to drive it by
// real input and to let its message loop run.
#include "ui/UnitMainForm.h"

#include <windows.h>

#include <gtest/gtest.h>

TfrmMain& mainForm();

// Runs the message loop for about `ms` milliseconds.
void pumpMessages(DWORD ms);

// A real left click (SendInput) at the centre of `window`, then a short pump.
void clickAt(HWND window);

// A left click sent as input without waiting for it to be handled.
void sendClickAt(HWND window);

// Moves the wizard to `page` directly (with short transitions).
void goToPage(int page);
