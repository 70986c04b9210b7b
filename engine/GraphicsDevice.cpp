#include "engine/GraphicsDevice.h"

#include "engine/Settings.h"
#include "platform/SpriteBatch.h"
#include "platform/Window.h"

uint8_t deviceWasReset = 0;
GraphicsContext graphicsContext;

void GraphicsContext::CreateGraphicsDevice() {
    if (!GameWindowOpen()) {
        batchBackend = BatchBackend::Recording;
        return;
    }
    batchBackend = BatchBackend::Sfml;
    SetBatchTarget(nullptr);
    if (windowed == 1) PlaceGameWindow(50, 50, screenWidth, screenHeight);
}

void ClearFrame(uint32_t argb) { BatchClear(argb); }

void PresentFrame() { BatchPresent(); }

void PresentBlackFrame() {
    BatchClear(0xFF000000u);
    BatchBegin();
    BatchEnd();
    BatchPresent();
}

DeviceStatus TestCooperativeLevel() { return deviceStatusOk; }
