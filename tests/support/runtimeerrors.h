#pragma once
// The number of the RuntimeError an action raises, 0 when it raises none.
#include "common/runtimeerror.h"

template <typename Action> int errorOf(Action action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// What the user would read of the RuntimeError an action raises, empty when it raises none.
template <typename Action> QString messageOf(Action action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.message();
    }
    return {};
}
