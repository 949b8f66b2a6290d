#pragma once

class CGPSMapFrame;

// SIGTERM, SIGINT and SIGHUP end the program as closing its window does: whatever it is
// doing, a message box, a dialog or a map load included. The last session is saved, the GPS
// link closed, the journal flushed and the demo's temporary folder removed, because main()
// returns as after a close.
namespace app {

// Catches the signals from now on; call it first thing, so that a signal that comes before
// the window exists is held, not lost. A signal only writes a byte to a socket pair.
void CatchQuitSignals();

// Once the application object exists: a caught signal (one held before included) runs
// QuitCleanly on the user-interface thread, for the frame given to CloseOnQuit.
void QuitOnCaughtSignals();
// The window a signal closes (none until it exists).
void CloseOnQuit(CGPSMapFrame* frame);

// Ends every dialog and message box (and any that opens later: messages then go to
// standard error and questions are answered No), cancels a map load, closes frame and
// leaves every event loop. Later calls do nothing.
void QuitCleanly(CGPSMapFrame* frame);

// True once QuitCleanly ran: main() then starts nothing more and returns.
[[nodiscard]] bool QuitRequested();

} // namespace app
