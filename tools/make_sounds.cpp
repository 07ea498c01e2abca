// kirvo-sounds FOLDER: synthesises the game's two sounds and writes them into the folder as
// 16-bit PCM mono 44.1 kHz WAV files: set.wav, the soft wooden knock of two pieces joining, and
// win.wav, the rising chime of a solved puzzle. Both peak at -6 dBFS and fade in and out, so
// neither starts nor ends with a click.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "base/ByteReader.h"

namespace {

using namespace kirvo;

constexpr int kSampleRate = 44100;
constexpr double kPeak = 0.5;  // -6 dBFS

using Samples = std::vector<double>;

int SampleCount(double seconds) { return int(std::lround(seconds * kSampleRate)); }

// Adds a sine partial starting at `start` seconds that dies away exponentially with the time
// constant `decay`.
void AddPartial(Samples& samples, double start, double frequency, double amplitude, double decay)
{
    const int first = SampleCount(start);
    for (int i = first; i < int(samples.size()); ++i) {
        const double t = double(i - first) / kSampleRate;
        samples[size_t(i)] += amplitude * std::exp(-t / decay) * std::sin(2 * std::numbers::pi * frequency * t);
    }
}

// A breath of low-passed noise at the very start: the contact of the knock.
void AddContactNoise(Samples& samples, double length)
{
    uint32_t state = 2463534242u;  // fixed seed: the same file on every build
    double smoothed = 0;
    const int count = std::min(SampleCount(length), int(samples.size()));
    for (int i = 0; i < count; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = double(state) / 4294967295.0 * 2 - 1;
        smoothed += 0.35 * (white - smoothed);
        samples[size_t(i)] += 0.25 * smoothed * (1 - double(i) / count);
    }
}

// Scales the sound to the peak level and ramps its ends linearly.
void Finish(Samples& samples, double fadeIn, double fadeOut)
{
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    const int in = SampleCount(fadeIn);
    const int out = SampleCount(fadeOut);
    const int count = int(samples.size());
    for (int i = 0; i < count; ++i) {
        double gain = kPeak / loudest;
        if (i < in)
            gain *= double(i) / in;
        if (i >= count - out)
            gain *= double(count - 1 - i) / out;
        samples[size_t(i)] *= gain;
    }
}

Samples Knock()
{
    Samples samples(size_t(SampleCount(0.11)));
    AddPartial(samples, 0, 190, 0.8, 0.018);  // the body
    AddPartial(samples, 0, 870, 0.55, 0.010);  // the wood
    AddPartial(samples, 0, 1480, 0.3, 0.006);
    AddPartial(samples, 0, 2350, 0.12, 0.004);
    AddContactNoise(samples, 0.006);
    Finish(samples, 0.001, 0.03);
    return samples;
}

// C major, C5 E5 G5 and C6 struck one after another, each a soft bell: fundamental, octave and
// twelfth, the higher partials dying first.
Samples Chime()
{
    Samples samples(size_t(SampleCount(1.3)));
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    for (int n = 0; n < 4; ++n) {
        const double start = 0.13 * n;
        const double ring = n == 3 ? 0.35 : 0.22;  // the last note rings on
        AddPartial(samples, start, notes[n], 1.0, ring);
        AddPartial(samples, start, 2 * notes[n], 0.3, ring / 2);
        AddPartial(samples, start, 3 * notes[n], 0.1, ring / 4);
    }
    Finish(samples, 0.004, 0.15);
    return samples;
}

void Tag(ByteWriter& out, std::string_view tag)
{
    for (char c : tag)
        out.U8(uint8_t(c));
}

std::vector<uint8_t> EncodeWav(const Samples& samples)
{
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBits = 16;
    constexpr uint16_t kBlockAlign = kChannels * kBits / 8;
    const uint32_t dataBytes = uint32_t(samples.size()) * kBlockAlign;
    ByteWriter out;
    Tag(out, "RIFF");
    out.U32(36 + dataBytes);
    Tag(out, "WAVEfmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(kChannels);
    out.U32(kSampleRate);
    out.U32(kSampleRate * kBlockAlign);
    out.U16(kBlockAlign);
    out.U16(kBits);
    Tag(out, "data");
    out.U32(dataBytes);
    for (double s : samples)
        out.I16(int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767)));
    return out.Take();
}

bool WriteWav(const std::string& path, const Samples& samples)
{
    const std::vector<uint8_t> bytes = EncodeWav(samples);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file.flush());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kirvo-sounds FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    if (!WriteWav(folder + "set.wav", Knock()) || !WriteWav(folder + "win.wav", Chime())) {
        std::fprintf(stderr, "kirvo-sounds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
