#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace fakes {

// A sound server of the test's own: PulseAudio with one sink that plays into
// nothing, in a folder of its own, and a recording of what that sink plays.
// A client reaches it through PULSE_SERVER=address(). Every process started
// here is stopped again, by its own id.
class SoundServer {
public:
    SoundServer() = default;
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts the server (again) and records from then on; false, with the
    // reason in log(), when it does not come up.
    bool start();
    // Ends the server at once, as a crash would.
    void kill();
    std::string address() const;
    std::string log() const;

    // A stretch of sound in the recording, in seconds from its start.
    struct Burst {
        double start;
        double length;
    };
    std::vector<Burst> bursts() const;
    // The playback streams that clients hold on the server now.
    int streams() const;

private:
    QProcessEnvironment environment() const;
    QString path(const char* name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> recorder_;
};

}  // namespace fakes
