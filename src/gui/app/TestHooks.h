#pragma once

class NestrelFrame;

/// Seams through which the program's own tests drive the real program as a process
/// (they start it, wait for it, and kill it). Each is read from the environment once
/// at start-up and does nothing when its variable is unset or empty; users never set
/// them.
///
/// - NESTREL_TEST_ANSWERS="Caption=yes;Other caption=no": message boxes whose caption
///   is listed are answered (yes, no, ok or cancel) without being shown, each entry
///   once, in order. Any other dialog is cancelled and named on stderr, so a test can
///   never hang on a question it did not expect.
/// - NESTREL_TEST_IMPORT=/path/file.NBD: once the main window is idle, runs the Import
///   Sims command with that file chosen, as a user would.
/// - NESTREL_TEST_REPORT=/path/report.txt: once the main window is idle (after the
///   import, if any), writes what the window holds: "CurrentFile=", "Modified=" (0 or
///   1), "Families=" (names joined by ','), and one "Asked=" line per caption answered.
///
/// Call after the main window was created and shown.
void InstallTestHooks(NestrelFrame& frame);

/// Answers message boxes from NESTREL_TEST_ANSWERS; installed before the main window
/// is built, so that questions asked during start-up are answered too.
void InstallTestAnswers();
