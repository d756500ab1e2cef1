#pragma once
// Where a user's action enters our code. A run-time error that no handler traps must not end
// the program or lose data: it is shown in a critical box titled "Erreur !" and the
// program goes on.
#include <functional>

void runEvent(const std::function<void()>& handler);

// Runs `task` once no handler is running any more, at once when none is. A window that a
// handler closes must outlive that handler, which may still be reading its controls.
void afterHandlers(std::function<void()> task);

// Ends the program at once: the event loops are told to exit and the running handler stops
// where it is, without any other window's unload handler running.
void endProgram();
// Tests replace the ending with a recorder; an empty function restores the real one.
void setEndProgramHandler(std::function<void()> handler);

// Unwinds the running handlers once the program is ending; runEvent() lets it pass quietly.
struct ProgramEnd {};
// For the waits that serve the event queue: the handler that waited goes no further once
// the program was ended meanwhile.
void leaveIfEnding();
