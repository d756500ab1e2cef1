#pragma once
// Time of day and waiting. Busy waits go through one replaceable wait so tests run them at
// once; waits for a dialog's answer run a nested event loop.
#include <functional>

class QWidget;

namespace appclock {

// Seconds since midnight, as the old clock gave them.
double timer();

// Waits the given seconds on the clock without serving the event queue, then repaints what
// changed. The clock ticks 64 times a second: the wait ends on the first tick beyond the
// given seconds, so a wait of 0 lasts until the next tick.
void spinWait(double seconds);

// Tests: replace the clock (which the busy wait reads) and the busy wait itself; empty
// functions restore the real ones.
void setTimeSource(std::function<double()> source);
void setSpinWait(std::function<void(double)> wait);

// Serves the event queue until `dialog` is hidden (or gone); also ends when `waiter` closes
// or the program quits. Returns at once when the dialog is already hidden.
void waitWhileVisible(QWidget* dialog, QWidget* waiter = nullptr);

// Serves pending events once, as a handler that yields between two steps does.
void yield();

// Yields again and again as long as `holding` answers true, each turn a yield of its own.
// Between two turns it sleeps until an event comes rather than spinning the processor.
void yieldWhile(const std::function<bool()>& holding);

// Tests: called at every yield, before the queue is served, with the yield's number counted
// from 1 since the hook was set, so a test can act at a chosen yield as a user would. An
// empty function removes it.
void setYieldHook(std::function<void(int)> hook);

} // namespace appclock
