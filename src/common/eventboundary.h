#pragma once
// Where a user's action enters our code. A run-time error that no handler traps must not end
// the program or lose data: it is shown in a critical box titled "Erreur !" and the
// program goes on.
#include <functional>

void runEvent(const std::function<void()>& handler);
