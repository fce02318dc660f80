// Small sound files for the audio tests, written at run time: a plain
// 16-bit PCM WAV holding a sine tone, and a folder that is removed again.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace wav_fixture {

inline void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A mono 44100 Hz tone of the given length.
inline void WriteToneWav(const std::filesystem::path& path, double seconds, double hz = 440.0) {
    const int rate = 44100;
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + frames * 2, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);        // format chunk size
    PutLittleEndian(out, 1, 2);         // PCM
    PutLittleEndian(out, 1, 2);         // mono
    PutLittleEndian(out, rate, 4);      // frames per second
    PutLittleEndian(out, rate * 2, 4);  // bytes per second
    PutLittleEndian(out, 2, 2);         // bytes per frame
    PutLittleEndian(out, 16, 2);        // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        double sample = 0.3 * std::sin(2 * M_PI * hz * i / rate);
        PutLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * 32767)),
                        2);
    }
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("bubblehive-") + info->test_suite_name() + "-" +
                           info->name() + "-" + std::to_string(::getpid());
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The dummy audio driver plays in real time on its own thread: waits until
// the condition holds, for a few seconds at most.
inline bool WaitFor(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Tests run with the dummy audio driver unless told otherwise.
inline void UseDummyAudioDriver() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

}  // namespace wav_fixture
