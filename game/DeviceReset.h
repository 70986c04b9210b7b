#pragma once
// The device test at the start of every tick, and the rebuild of everything
// that lives on the drawing device when the device asks for it.
#include <cstdint>

// Tests the device; rebuilds it when it needs a reset. Returns 1 when the
// tick may render and update, 0 while the device is lost.
uint8_t TestDeviceForTick();
// Drops every device object, makes a new device and input, and loads the
// live level's pictures (in game), the resources and the bloom objects again.
void ResetDevice();
// Loads the live level's tiles, decorations and collision picture again
// from currentLevel (the same files a level start loads), within the tables.
void ReloadLevelPictures();
