#include "app/startup.h"

void startProgram() {}
