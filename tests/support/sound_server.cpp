#include "tests/support/sound_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <optional>

namespace fakes {

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = kRate / 200;  // 5 ms
constexpr double kLoud = 1000;        // RMS of a window that holds sound (of 32767)
constexpr int kQuietWindows = 8;      // 40 ms of quiet end a burst

// Runs a helper to its end; its output, or nothing when it failed.
std::optional<QByteArray> run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return std::nullopt;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return std::nullopt;
    return p.readAllStandardOutput();
}

bool waitFor(const std::function<bool()>& done) {
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20))
        if (done()) return true;
    return done();
}

void stop(std::unique_ptr<QProcess>& process) {
    if (!process) return;
    process->kill();
    process->waitForFinished();
    process.reset();
}

}  // namespace

SoundServer::~SoundServer() {
    kill();
}

QProcessEnvironment SoundServer::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir_.path());
    env.insert("XDG_RUNTIME_DIR", dir_.path());
    env.insert("PULSE_SERVER", QString::fromStdString(address()));
    // Nothing of a desktop: no session bus to start, no X server to ask.
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path("no-bus"));
    env.remove("DISPLAY");
    return env;
}

std::string SoundServer::address() const {
    return "unix:" + path("native").toStdString();
}

std::string SoundServer::log() const {
    QFile f(path("server.log"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().right(2000).toStdString() : std::string("no log");
}

bool SoundServer::start() {
    kill();
    server_ = std::make_unique<QProcess>();
    server_->setProcessEnvironment(environment());
    server_->setProcessChannelMode(QProcess::MergedChannels);
    server_->setStandardOutputFile(path("server.log"));
    server_->start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                                  "--use-pid-file=no", "--realtime=no", "--high-priority=no", "-L",
                                  "module-native-protocol-unix auth-anonymous=1 socket=" + path("native"), "-L",
                                  "module-null-sink sink_name=rec"});
    if (!server_->waitForStarted() || !waitFor([&] { return run("pactl", {"info"}, environment()).has_value(); }))
        return false;
    QFile::remove(path("recording.raw"));
    recorder_ = std::make_unique<QProcess>();
    recorder_->setProcessEnvironment(environment());
    recorder_->setStandardOutputFile(path("recording.raw"));
    recorder_->start("parec", {"--latency-msec=20", "-d", "rec.monitor", "--format=s16le",
                               "--rate=" + QString::number(kRate), "--channels=1", "--raw"});
    return recorder_->waitForStarted() && waitFor([&] { return QFile(path("recording.raw")).size() > 0; });
}

void SoundServer::kill() {
    stop(recorder_);
    stop(server_);
}

std::vector<SoundServer::Burst> SoundServer::bursts() const {
    QFile f(path("recording.raw"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    const qsizetype samples = bytes.size() / 2;
    std::vector<Burst> found;
    int quiet = kQuietWindows;
    for (qsizetype at = 0; at + kWindow <= samples; at += kWindow) {
        double sum = 0;
        for (qsizetype i = at; i < at + kWindow; ++i) {
            const double s = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
            sum += s * s;
        }
        const double time = double(at) / kRate;
        if (std::sqrt(sum / kWindow) > kLoud) {
            if (quiet >= kQuietWindows) found.push_back({time, 0});
            found.back().length = time + double(kWindow) / kRate - found.back().start;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return found;
}

int SoundServer::streams() const {
    const auto out = run("pactl", {"list", "short", "sink-inputs"}, environment());
    return out ? int(out->count('\n')) : -1;
}

}  // namespace fakes
