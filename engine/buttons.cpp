#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::ButtonMouseDown(int16_t, int16_t) {}
void DeviceEngine::ButtonMouseUp(int16_t, int16_t) {}
void DeviceEngine::Logo_MouseMove(int16_t) {}
void DeviceEngine::DoTrackButtons() {}

}  // namespace engine
