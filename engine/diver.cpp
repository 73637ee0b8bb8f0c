#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::DoDiverForward() {}
void DeviceEngine::DoDiverBack() {}
void DeviceEngine::DoUnloadStep() {}
void DeviceEngine::DoAddPoint() {}
void DeviceEngine::DoSaveHighScore() {}

}  // namespace engine
