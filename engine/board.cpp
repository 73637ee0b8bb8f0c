#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::DoStartGame() {}
void DeviceEngine::DoResetGame() {}
void DeviceEngine::DoEndGame() {}
void DeviceEngine::DoShowReserve() {}
void DeviceEngine::DoNextDiver() {}
void DeviceEngine::DoClearPath() {}

}  // namespace engine
