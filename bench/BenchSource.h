#pragma once

// The benchmarks' sound: gliding chords over a little noise, with the spread of music.

#include <cmath>
#include <random>
#include <sndfile.h>
#include <string>
#include <vector>

namespace bench
{

inline constexpr int Rate = 44100;

inline bool writeSource(const std::string& path, int seconds)
{
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    std::mt19937 rng(1);
    std::normal_distribution<float> noise(0, 0.02f);
    std::vector<float> block(2 * Rate);
    double phase[3] = {0, 0, 0};
    for (int s = 0; s < seconds; ++s) {
        for (int i = 0; i < Rate; ++i) {
            const double t = s + double(i) / Rate;
            const double base = 110 * std::pow(2.0, std::fmod(t / 7, 2.0));
            float v = 0;
            for (int k = 0; k < 3; ++k) {
                phase[k] += 2 * M_PI * base * (1 + 0.5 * k) / Rate;
                v += 0.2f * float(std::sin(phase[k]));
            }
            block[2 * i] = v + noise(rng);
            block[2 * i + 1] = 0.8f * v + noise(rng);
        }
        sf_write_float(f, block.data(), sf_count_t(block.size()));
    }
    sf_close(f);
    return true;
}

} // namespace bench
