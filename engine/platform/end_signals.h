// end_signals.h: what the system sends to end the game, caught so that the game ends as when
// its window is closed: the message pump turns each into the window's close message.
#pragma once

// Catches them from now on. The first one only marks the request; a second one ends the
// program at once, however busy the game is.
void CatchEndSignals();
// Lets them end the program at once again.
void ReleaseEndSignals();
// Whether one came since the last call (one that came before the window waits for it).
bool TakeEndSignal();
