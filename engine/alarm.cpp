#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::DoCheckAlarm() {}
void DeviceEngine::DoSilenceAlarm() {}
void DeviceEngine::DoAdvanceTime(bool) {}

}  // namespace engine
