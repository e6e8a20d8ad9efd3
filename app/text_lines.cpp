// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "app/atomic_file.h"

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

LeadingLines ReadLeadingLinesOf(const std::string& path, std::size_t maxLines, bool stopAtNul) {
  LeadingLines result;
  std::string target;
  if (!FollowLinks(path, target)) {
    result.status = FileRead::Unreadable;
    return result;
  }
  // Not blocking: a named pipe put here must not hang the game.
  const int fd = ::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.status = errno == ENOENT ? FileRead::Missing : FileRead::Unreadable;
    return result;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    result.status = FileRead::Unreadable;
    return result;
  }
  std::vector<std::string>& lines = result.lines;
  std::string line;
  bool inLine = false;   // some text (or an empty line's break) is pending
  bool afterCr = false;  // the last byte was a CR: a LF now joins its break
  bool cut = false;      // the pending line grew past the limit
  bool failed = false;
  bool ended = false;
  char buffer[1 << 16];
  while (!ended && lines.size() < maxLines) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      failed = got < 0;
      break;
    }
    for (ssize_t i = 0; i < got && lines.size() < maxLines; ++i) {
      const char ch = buffer[i];
      if (stopAtNul && ch == '\0') {
        ended = true;
        break;
      }
      if (ch == '\n' && afterCr) {
        afterCr = false;
        continue;
      }
      afterCr = false;
      if (ch == '\r' || ch == '\n') {
        lines.push_back(std::move(line));
        result.cut.push_back(cut);
        line.clear();
        inLine = false;
        cut = false;
        afterCr = ch == '\r';
      } else {
        if (line.size() < kMaxLineLength) {
          line += ch;
        } else {
          cut = true;
        }
        inLine = true;
      }
    }
  }
  ::close(fd);
  if (failed) {
    result.status = FileRead::Unreadable;
    result.lines.clear();
    result.cut.clear();
    return result;
  }
  if (inLine && lines.size() < maxLines) {
    lines.push_back(std::move(line));
    result.cut.push_back(cut);
  }
  result.status = FileRead::Read;
  return result;
}

}  // namespace brelvox
