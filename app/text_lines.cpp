// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace brelvox {

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  std::size_t p = 0;
  while (p < text.size() && text[p] == ' ') ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  int base = 10;
  if (p < text.size() && text[p] == '$') {
    base = 16;
    ++p;
  }
  if (p == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; p < text.size(); ++p) {
    const char ch = text[p];
    int digit;
    if (ch >= '0' && ch <= '9') {
      digit = ch - '0';
    } else if (base == 16 && ch >= 'a' && ch <= 'f') {
      digit = ch - 'a' + 10;
    } else if (base == 16 && ch >= 'A' && ch <= 'F') {
      digit = ch - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > 2147483648LL) return std::nullopt;  // leading zeros stay harmless
  }
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

namespace {

// Splits bytes into lines as they come, keeping at most `maxLines`.
class LineSplitter {
 public:
  LineSplitter(LeadingLines& into, std::size_t maxLines, bool stopAtNul)
      : result_(into), maxLines_(maxLines), stopAtNul_(stopAtNul) {}

  // False once the text has ended or enough lines are had.
  bool Take(const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size && !Full(); ++i) {
      if (stopAtNul_ && bytes[i] == '\0') {
        ended_ = true;
        break;
      }
      TakeByte(bytes[i]);
    }
    return !ended_ && !Full();
  }

  // The text ends here; `cutShort` when it ends before the file did.
  void Finish(bool cutShort) {
    if (inLine_ && !Full()) {
      result_.lines.push_back(std::move(line_));
      result_.cut.push_back(cut_ || cutShort);
    }
  }

 private:
  bool Full() const { return result_.lines.size() >= maxLines_; }

  void TakeByte(char ch) {
    if (ch == '\n' && afterCr_) {  // the LF of a CR LF break
      afterCr_ = false;
      return;
    }
    afterCr_ = ch == '\r';
    if (ch == '\r' || ch == '\n') {
      result_.lines.push_back(std::move(line_));
      result_.cut.push_back(cut_);
      line_.clear();
      inLine_ = false;
      cut_ = false;
      return;
    }
    if (line_.size() < kMaxLineLength) {
      line_ += ch;
    } else {
      cut_ = true;
    }
    inLine_ = true;
  }

  LeadingLines& result_;
  const std::size_t maxLines_;
  const bool stopAtNul_;
  std::string line_;
  bool inLine_ = false;  // some text (or an empty line's break) is pending
  bool afterCr_ = false;
  bool cut_ = false;  // the pending line grew past the limit
  bool ended_ = false;
};

// Opens the file at `place` for reading, or says why not.
UniqueFd OpenForReading(const FilePlace& place, FileRead& status) {
  status = FileRead::Unreadable;
  if (place.kind == PlaceKind::Missing || place.kind == PlaceKind::Dangling) {
    status = FileRead::Missing;
    return UniqueFd();
  }
  if (place.kind != PlaceKind::Present) return UniqueFd();
  // Not blocking: a named pipe put here must not hang the game.
  UniqueFd fd(::openat(place.folder.get(), place.name.c_str(),
                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENOENT) status = FileRead::Missing;
    return fd;
  }
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return UniqueFd();
  status = FileRead::Read;
  return fd;
}

// Feeds the file to `lines` until the text ends or `budget` bytes are read.
// False on a read error.
bool ReadBounded(int fd, LineSplitter& lines, std::size_t budget) {
  char buffer[1 << 16];
  std::size_t left = budget;
  bool more = true;
  while (more && left > 0) {
    const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, left));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    left -= static_cast<std::size_t>(got);
    more = lines.Take(buffer, static_cast<std::size_t>(got));
  }
  // Lines still wanted when the bytes ran out: the last one is cut short,
  // unless the file ends right there.
  char next;
  lines.Finish(more && left == 0 && ::read(fd, &next, 1) > 0);
  return true;
}

}  // namespace

LeadingLines ReadLeadingLinesOf(const FilePlace& place, std::size_t maxLines, bool stopAtNul) {
  LeadingLines result;
  const UniqueFd fd = OpenForReading(place, result.status);
  if (result.status != FileRead::Read) return result;
  LineSplitter lines(result, maxLines, stopAtNul);
  if (!ReadBounded(fd.get(), lines, maxLines * (kMaxLineLength + 2))) {
    result = LeadingLines();
    result.status = FileRead::Unreadable;
  }
  return result;
}

LeadingLines ReadLeadingLinesOf(const std::string& path, std::size_t maxLines, bool stopAtNul) {
  return ReadLeadingLinesOf(FindFile(path), maxLines, stopAtNul);
}

}  // namespace brelvox
