#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::Form_KeyDown(int16_t, int16_t) {}
void DeviceEngine::Form_KeyUp(int16_t, int16_t) {}

}  // namespace engine
