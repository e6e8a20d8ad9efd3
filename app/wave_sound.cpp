// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wave_sound.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace brelvox {
namespace {

std::uint32_t Le16(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t Le32(std::string_view b, std::size_t at) {
  return Le16(b, at) | Le16(b, at + 2) << 16;
}

constexpr std::uint32_t kPcm = 1;
constexpr std::uint32_t kFloat = 3;
constexpr std::uint32_t kExtensible = 0xFFFE;
// The sub-format of an extensible header, after its two-byte format code.
constexpr char kSubFormatTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

// The "fmt " chunk's body: the format, or nothing when it is not one to play.
std::optional<WaveSound> ParseFormat(std::string_view fmt, int& bytesPerFrame) {
  if (fmt.size() < 16) return std::nullopt;
  std::uint32_t code = Le16(fmt, 0);
  const std::uint32_t channels = Le16(fmt, 2);
  const std::uint32_t rate = Le32(fmt, 4);
  const std::uint32_t byteRate = Le32(fmt, 8);
  const std::uint32_t blockAlign = Le16(fmt, 12);
  const std::uint32_t bits = Le16(fmt, 14);
  if (code == kExtensible) {
    // cbSize, valid bits, channel mask, then the sub-format.
    if (fmt.size() < 40 || Le16(fmt, 16) < 22) return std::nullopt;
    const std::uint32_t validBits = Le16(fmt, 18);
    if (validBits == 0 || validBits > bits) return std::nullopt;
    if (fmt.substr(26, 14) != std::string_view(kSubFormatTail, 14)) return std::nullopt;
    code = Le16(fmt, 24);
  }
  WaveSound sound;
  if (code == kPcm && bits == 8) {
    sound.type = SampleType::UInt8;
  } else if (code == kPcm && bits == 16) {
    sound.type = SampleType::Int16;
  } else if (code == kPcm && bits == 32) {
    sound.type = SampleType::Int32;
  } else if (code == kFloat && bits == 32) {
    sound.type = SampleType::Float32;
  } else {
    return std::nullopt;
  }
  if (channels < 1 || channels > 2 || rate < 1000 || rate > 384000) return std::nullopt;
  if (blockAlign != channels * bits / 8 || byteRate != rate * blockAlign) return std::nullopt;
  sound.channels = static_cast<int>(channels);
  sound.sampleRate = static_cast<int>(rate);
  bytesPerFrame = static_cast<int>(blockAlign);
  return sound;
}

}  // namespace

std::optional<WaveSound> ParseWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  // A file cut short is refused whole: its header no longer tells the truth.
  const std::uint64_t end = std::uint64_t{Le32(bytes, 4)} + 8;
  if (end > bytes.size()) return std::nullopt;
  std::optional<WaveSound> sound;
  int bytesPerFrame = 0;
  bool haveData = false;
  std::uint64_t at = 12;
  while (end - at >= 8) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint64_t size = Le32(bytes, at + 4);
    const std::uint64_t body = at + 8;
    if (size > end - body) return std::nullopt;
    const std::string_view content = bytes.substr(body, size);
    if (id == "fmt ") {
      if (sound) return std::nullopt;
      sound = ParseFormat(content, bytesPerFrame);
      if (!sound) return std::nullopt;
    } else if (id == "data") {
      if (!sound || haveData || size == 0 || size % bytesPerFrame != 0) return std::nullopt;
      sound->samples.assign(content);
      haveData = true;
    }
    // Chunks of odd size are followed by a pad byte; the last one may lack it.
    at = body + size + (size & 1);
    if (at > end) at = end;
  }
  if (at != end || !haveData) return std::nullopt;
  return sound;
}

std::shared_ptr<const WaveSound> WaveCache::Load(const std::filesystem::path& file) {
  // Only a regular file is opened at all (opening a device may do things);
  // the open does not wait in case it was swapped for a pipe since.
  struct stat st;
  if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  const Stamp stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                    static_cast<std::uint64_t>(st.st_size),
                    st.st_mtim.tv_sec * std::int64_t{1000000000} + st.st_mtim.tv_nsec,
                    st.st_ctim.tv_sec * std::int64_t{1000000000} + st.st_ctim.tv_nsec};
  const auto known = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.path == file; });
  if (known != entries_.end()) {
    if (known->stamp == stamp) {
      ::close(fd);
      return known->sound;
    }
    entries_.erase(known);
  }

  // Whatever the size said, read until the end or past the limit: the file
  // may grow or shrink while it is read, and only the bytes read count.
  std::string bytes;
  bool ok = static_cast<std::uint64_t>(st.st_size) <= kMaxWaveFileBytes;
  if (ok) bytes.resize(std::min<std::size_t>(st.st_size, kMaxWaveFileBytes) + 1);
  std::size_t have = 0;
  while (ok) {
    if (have == bytes.size()) {
      if (bytes.size() > kMaxWaveFileBytes) {
        ok = false;
        break;
      }
      bytes.resize(std::min(bytes.size() * 2, kMaxWaveFileBytes + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  std::shared_ptr<const WaveSound> sound;
  if (ok) {
    if (auto parsed = ParseWave(std::string_view(bytes.data(), have))) {
      sound = std::make_shared<const WaveSound>(std::move(*parsed));
    }
  }
  constexpr std::size_t kKept = 8;  // more than the six cues
  if (entries_.size() == kKept) entries_.erase(entries_.begin());
  entries_.push_back({file, stamp, sound});
  return sound;
}

}  // namespace brelvox
