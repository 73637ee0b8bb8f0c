#include "engine/device_engine.h"

namespace engine {

// Not built yet.
void DeviceEngine::DoPlaySound(const std::string&) {}
bool DeviceEngine::FileExists(const std::string&) const { return false; }
std::string DeviceEngine::SoundPath(const std::string& SoundFile) const { return SoundFile; }

}  // namespace engine
