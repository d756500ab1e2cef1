#pragma once
// Time of day and waiting. Busy waits go through one replaceable wait so tests run them at
// once; waits for a dialog's answer run a nested event loop.
#include <functional>

class QWidget;

namespace appclock {

// Seconds since midnight, as the old clock gave them.
double timer();

// Waits the given seconds without serving the event queue, then repaints what changed.
void spinWait(double seconds);

// Tests: replace the clock and the busy wait; empty functions restore the real ones.
void setTimeSource(std::function<double()> source);
void setSpinWait(std::function<void(double)> wait);

// Serves the event queue until `dialog` is hidden (or gone); also ends when `waiter` closes
// or the program quits. Returns at once when the dialog is already hidden.
void waitWhileVisible(QWidget* dialog, QWidget* waiter = nullptr);

// Serves pending events once, as a handler that yields between two steps does.
void yield();

} // namespace appclock
