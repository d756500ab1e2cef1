#pragma once
// What choosing a race or profession gives a new hero.

// Starts " Combat à mains nues" (attrib.habilete1) at the value of the hero type set on the
// sheet; the free type and no type leave it as it is.
void presetType();
