#pragma once

// Sets up the program's services and opens its first windows; the caller runs the event loop.
void startProgram();
