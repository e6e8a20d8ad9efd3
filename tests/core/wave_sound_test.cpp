// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wave_sound.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "core/session.h"

namespace brelvox {
namespace {

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}
std::string Le16(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8)};
}
std::string Chunk(const std::string& id, const std::string& body, std::size_t pad = 1) {
  return id + Le32(static_cast<std::uint32_t>(body.size())) + body +
         std::string(body.size() % 2 ? pad : 0, '\0');
}
std::string Format(int code, int channels, int rate, int bits) {
  const int align = channels * bits / 8;
  return Le16(code) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}
std::string Riff(const std::string& chunks) {
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}
// 16-bit mono at 8 kHz, with a chunk of another kind before and after the samples.
const std::string kSamples = "\x01\x02\x03\x04\x05\x06";
std::string GoodWave() {
  return Riff(Chunk("fmt ", Format(1, 1, 8000, 16)) + Chunk("LIST", "odd") +
              Chunk("data", kSamples) + Chunk("junk", "x"));
}

TEST(ParseWave, ReadsTheFormatAndExactlyTheSampleData) {
  const auto sound = ParseWave(GoodWave());
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->channels, 1);
  EXPECT_EQ(sound->sampleRate, 8000);
  EXPECT_EQ(sound->type, SampleType::Int16);
  EXPECT_EQ(sound->samples, kSamples);

  // The other sample kinds, and the extensible header that wraps them.
  const std::string guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  const std::string extensible =
      Format(0xFFFE, 2, 44100, 32) + Le16(22) + Le16(24) + Le32(3) + Le16(3) + guidTail;
  const auto wide = ParseWave(Riff(Chunk("fmt ", extensible) + Chunk("data", "12345678")));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->type, SampleType::Float32);
  EXPECT_EQ(wide->channels, 2);
  const auto bytes =
      ParseWave(Riff(Chunk("fmt ", Format(1, 1, 8000, 8)) + Chunk("data", "abc", 0)));
  ASSERT_TRUE(bytes);  // 8-bit frames may be odd in number: the last chunk lacks its pad
  EXPECT_EQ(bytes->type, SampleType::UInt8);
  EXPECT_EQ(bytes->samples, "abc");
  // Bytes after the RIFF chunk are no part of the wave.
  EXPECT_TRUE(ParseWave(GoodWave() + "trailing"));
}

TEST(WaveCache, PlaysTheShippedCues) {
  WaveCache cache;
  for (const char* name :
       {"click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"}) {
    const auto sound = cache.Load(std::filesystem::path(BRELVOX_ASSETS_DIR) / name);
    ASSERT_TRUE(sound) << name;
    EXPECT_EQ(sound->sampleRate, 44100) << name;
    EXPECT_GT(sound->samples.size(), 1000u) << name;
  }
}

TEST(ParseWave, EveryFileCutShortIsRefused) {
  const std::string good = GoodWave();
  for (std::size_t length = 0; length < good.size(); ++length) {
    EXPECT_FALSE(ParseWave(good.substr(0, length))) << "cut to " << length << " bytes";
  }
}

TEST(ParseWave, RefusesHeadersThatDoNotFitTheFileOrTheFormat) {
  const std::string fmt = Chunk("fmt ", Format(1, 1, 8000, 16));
  const std::string data = Chunk("data", kSamples);
  const std::string cases[] = {
      Riff(fmt + Chunk("data", "\x01\x02\x03")),         // half a 16-bit sample
      Riff(fmt + "data" + Le32(0xFFFFFFFF) + kSamples),  // data beyond the file
      Riff(fmt + "data" + Le32(0xFFFFFFF9) + kSamples),  // size that wraps around
      Riff(fmt + Chunk("data", "")),                     // no samples
      Riff(data + fmt),                                  // samples before the format
      Riff(fmt),                                         // no samples at all
      Riff(fmt + fmt + data),                            // two formats
      Riff(fmt + data + data),                           // two sample chunks
      Riff(fmt + data + "ab"),                           // stray bytes after the chunks
      Riff(Chunk("fmt ", Format(1, 1, 8000, 16).substr(0, 14)) + data),            // short format
      Riff(Chunk("fmt ", Format(2, 1, 8000, 16)) + data),                          // compressed
      Riff(Chunk("fmt ", Format(1, 1, 8000, 24)) + data),                          // 24-bit
      Riff(Chunk("fmt ", Format(3, 1, 8000, 16)) + data),                          // 16-bit floats
      Riff(Chunk("fmt ", Format(1, 0, 8000, 16)) + data),                          // no channels
      Riff(Chunk("fmt ", Format(1, 3, 8000, 16)) + data),                          // three channels
      Riff(Chunk("fmt ", Format(1, 1, 0, 16)) + data),                             // no rate
      Riff(Chunk("fmt ", Format(1, 1, 8000, 16).replace(12, 2, Le16(4))) + data),  // align
      Riff(Chunk("fmt ", Format(1, 1, 8000, 16).replace(8, 4, Le32(1))) + data),   // byte rate
      Riff(Chunk("fmt ", Format(0xFFFE, 1, 8000, 16) + Le16(0)) + data),  // bare extensible
      GoodWave().replace(8, 4, "AVI "),
      GoodWave().replace(4, 4, Le32(0xFFFFFFFF)),  // a RIFF size past the end
  };
  for (const std::string& wave : cases) {
    EXPECT_FALSE(ParseWave(wave)) << testing::PrintToString(wave);
  }
}

// Bytes this process has read so far, as the kernel counts them.
std::uint64_t BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  ADD_FAILURE() << "no rchar in /proc/self/io";
  return 0;
}

TEST(WaveCache, ReadsOnlyRegularFilesOfBoundedSizeAndOnlyWhenTheyChange) {
  test::TempDir dir;
  WaveCache cache;
  const std::string samples(1 << 20, '\x01');
  const std::size_t kFile = samples.size();
  // How many bytes `load` made the process read.
  auto bytesOf = [](auto&& load) {
    const std::uint64_t before = BytesRead();
    load();
    return BytesRead() - before;
  };
  const auto a = dir.path() / "a.wav";
  dir.Write("a.wav", Riff(Chunk("fmt ", Format(1, 1, 8000, 16)) + Chunk("data", samples)));
  std::shared_ptr<const WaveSound> first;
  EXPECT_GE(bytesOf([&] { first = cache.Load(a); }), kFile);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->samples, samples);
  EXPECT_LT(bytesOf([&] { EXPECT_EQ(cache.Load(a), first); }), kFile);
  // Damaged later: read once more, silent from then on.
  dir.Write("a.wav", GoodWave().substr(0, 30) + samples);
  EXPECT_GE(bytesOf([&] { EXPECT_FALSE(cache.Load(a)); }), kFile);
  EXPECT_LT(bytesOf([&] { EXPECT_FALSE(cache.Load(a)); }), kFile);

  // A pipe nobody writes to, a device and a folder are never read (nor waited on).
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.wav").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.wav");
  // A file past the bound is not read at all, however it begins.
  dir.Write("big.wav", GoodWave());
  std::filesystem::resize_file(dir.path() / "big.wav", kMaxWaveFileBytes + 1);
  EXPECT_LT(bytesOf([&] {
              for (const char* name : {"pipe.wav", "zero.wav", "", "missing.wav", "big.wav"})
                EXPECT_FALSE(cache.Load(dir.path() / name)) << name;
            }),
            kFile);
}

}  // namespace
}  // namespace brelvox
