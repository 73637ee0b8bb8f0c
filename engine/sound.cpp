#include "engine/device_engine.h"

namespace engine {

// Game sounds only: the demonstration on the clock is silent, and the menu's
// switch is read afresh each time so that a change takes effect at once.
void DeviceEngine::DoPlaySound(const std::string& SoundFile) {
    if (!Window().soundChecked() || !GameMode) return;
    const std::string path = SoundPath(SoundFile);
    // Looked up on every call: a file added or removed while the program runs
    // counts from the next sound on. A missing file is skipped silently.
    if (FileExists(path)) services_.sound.play(path);
}

bool DeviceEngine::FileExists(const std::string& Filename) const {
    if (Filename.empty()) return false;
    return services_.files.query(Filename) == forms::EntryKind::File;
}

std::string DeviceEngine::SoundPath(const std::string& SoundFile) const {
    const std::string folder = services_.files.programFolder();
    const char sep = services_.files.separator();
    if (!folder.empty() && folder.back() == sep) return folder + SoundFile;
    return folder + sep + SoundFile;
}

}  // namespace engine
