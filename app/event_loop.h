#pragma once

namespace rw {

// Polls the keys, repaints when a pattern is due, waits for the next event
// and reacts to it; returns when a close request for the main window ends
// the loop.
void RunEventLoop();

// One keyboard poll, when at least 100 ms passed since the last one: SPACE
// asks for the next pattern, a digit 0 to 8 for that pattern (the highest
// held digit wins); with the whole series Backspace asks for the pattern
// before the one on the screen and each further image's letter for that
// image (the latest in the series wins). A poll skipped while one of those keys is held asks for
// a wake-up at the end of the interval, so that a key held across it is seen
// even when no other event comes before its release.
void PollKeyboard();

// Reacts to the event that WaitEvent just returned (CurrentEvent).
void HandleEvent();

}  // namespace rw
