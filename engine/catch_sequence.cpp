#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::DoMissStep() {}
void DeviceEngine::DoBonusFlash() {}

}  // namespace engine
