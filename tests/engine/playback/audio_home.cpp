#include "audio_home.h"

#include <alsa/asoundlib.h>
#include <cstdlib>
#include <fstream>

#include "wav_builder.h"

namespace playbacktest {
namespace {

std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

std::string asoundrc(Device device, const std::filesystem::path& output) {
    switch (device) {
    case Device::File:
        return "pcm.!default {\n  type file\n  slave.pcm \"null\"\n  file \"" + output.string() +
               "\"\n  format \"raw\"\n}\n";
    case Device::Pulse:
        return "pcm.!default {\n  type pulse\n}\nctl.!default {\n  type pulse\n}\n";
    case Device::Missing:
        return "pcm.!default {\n  type plug\n  slave.pcm \"sonvelle_no_such_device\"\n}\n";
    }
    return {};
}

}  // namespace

std::string pulseServer() { return "unix:" + envOr("SONVELLE_PULSE_DIR", "/tmp/sonvelle-pulse") + "/native"; }
std::string pulseSink() { return "sonvelle_null"; }

AudioHome::AudioHome(Device device) : m_savedHome(envOr("HOME", "/")) {
    const std::filesystem::path home = m_dir.path();
    std::ofstream(home / ".asoundrc") << asoundrc(device, home / "played.raw");
    std::filesystem::create_directories(home / ".config/pulse");
    std::ofstream(home / ".config/pulse/client.conf") << "autospawn = no\n";
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    // Without the daemon's socket the system's PulseAudio hook leaves
    // "default" to the .asoundrc.
    const std::string server = device == Device::Pulse ? pulseServer() : "unix:" + (home / "no-server").string();
    setenv("PULSE_SERVER", server.c_str(), 1);
    // alsa-lib reads its configuration once per process; make it read ours.
    snd_config_update_free_global();
}

AudioHome::~AudioHome() {
    setenv("HOME", m_savedHome.c_str(), 1);
    snd_config_update_free_global();
}

std::vector<uint8_t> AudioHome::played() const {
    const std::filesystem::path output = m_dir / "played.raw";
    return std::filesystem::exists(output) ? testsupport::readFile(output) : std::vector<uint8_t>{};
}

}  // namespace playbacktest
