// SPDX-License-Identifier: GPL-3.0-or-later
// What of a cue file may be played. The whole file is read without waiting
// on it and checked as wave audio before anything plays it, so a damaged or
// foreign file named like a cue can only ever be silent, and the player is
// handed samples that were checked here, never the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvox {

enum class SampleType { UInt8, Int16, Int32, Float32 };

struct WaveSound {
  int channels = 0;
  int sampleRate = 0;
  SampleType type = SampleType::Int16;
  std::string samples;  // whole frames, interleaved, little-endian
};

// A cue file larger than this is not read (a few minutes of CD sound).
inline constexpr std::size_t kMaxWaveFileBytes = 16 << 20;

// The sound in `bytes`, or nothing unless they are one RIFF wave file: every
// chunk inside the file as its header gives it, one uncompressed format the
// player knows (mono or stereo; 8, 16 or 32-bit integers or 32-bit floats) and
// after it sample data of whole frames.
std::optional<WaveSound> ParseWave(std::string_view bytes);

// Reads and checks cue files, and keeps the last ones: a file is read again
// only when it changed (device, inode, size, modification or change time).
// Only a regular file is opened, and without waiting, so a pipe or device put
// in its place can never make the caller wait.
class WaveCache {
 public:
  // The checked sound of `file`, or null when it is no wave audio of at most
  // kMaxWaveFileBytes or cannot be read.
  std::shared_ptr<const WaveSound> Load(const std::filesystem::path& file);

 private:
  struct Stamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds
    bool operator==(const Stamp&) const = default;
  };
  struct Entry {
    std::filesystem::path path;
    Stamp stamp;
    std::shared_ptr<const WaveSound> sound;  // null: the file was no wave audio
  };
  std::vector<Entry> entries_;  // most recent last
};

}  // namespace brelvox
