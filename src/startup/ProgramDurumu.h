#pragma once

// The program-wide state, in one list: the main window pointer, the open database, the
// preferences in memory, the edited row and current job, the sort state, the alarm, the
// program clock, the chosen printer and the print-cancelled flag, the end of the program, and
// the queued answers of message boxes, modal windows and the folder picker. Values set once at
// start-up (title, program folder) stay.
namespace ProgramDurumu {
// Everything above back to its state before start-up; tests call it between test functions.
void sıfırla();
} // namespace ProgramDurumu
