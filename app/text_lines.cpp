#include "app/text_lines.h"

#include <sys/stat.h>

#include <cstdio>

namespace brelvox {
namespace {

constexpr std::size_t kMaxLineLength = std::size_t{64} << 20;

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t p = 0;
  while (p < text.size()) {
    std::size_t start = p;
    while (p < text.size() && text[p] != '\r' && text[p] != '\n') ++p;
    lines.emplace_back(text.substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
  }
  return lines;
}

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

std::optional<std::vector<std::string>> ReadLeadingLines(const std::string& path,
                                                         std::size_t maxLines, bool stopAtNul) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  bool inLine = false;   // some text (or an empty line's break) is pending
  bool afterCr = false;  // the last byte was a CR: a LF now joins its break
  bool failed = false;
  char buffer[1 << 16];
  while (lines.size() < maxLines) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
    if (got == 0) {
      failed = std::ferror(file) != 0;
      break;
    }
    bool ended = false;
    for (std::size_t i = 0; i < got && lines.size() < maxLines; ++i) {
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
        line.clear();
        inLine = false;
        afterCr = ch == '\r';
      } else {
        if (line.size() >= kMaxLineLength) {
          failed = true;  // no line of ours is anywhere near this long
          break;
        }
        line += ch;
        inLine = true;
      }
    }
    if (ended || failed) break;
  }
  std::fclose(file);
  if (failed) return std::nullopt;
  if (inLine && lines.size() < maxLines) lines.push_back(std::move(line));
  return lines;
}

}  // namespace brelvox
