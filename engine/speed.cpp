#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::DoCheckSpeed() {}

}  // namespace engine
