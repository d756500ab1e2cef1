#pragma once
// What the hero sheet asks of the test, shot and dice windows beyond their menu entries.

// Start-up: no test pending, and the shot's lists filled.
void testWindowsAtStartup();
// A cleared hero leaves no test pending and no shot to judge; the shot's lists and its kept
// cell stay as they are.
void testWindowsForNewHero();
