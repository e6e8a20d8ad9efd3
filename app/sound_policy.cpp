#include "app/sound_policy.h"

#include <string>
#include <system_error>

namespace brelvox {
namespace {

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> FindWaveFile(const std::filesystem::path& directory,
                                                  const char* name) {
  const std::filesystem::path exact = directory / name;
  if (IsRegularFile(exact)) return exact;
  std::error_code ec;
  const std::filesystem::path where = directory.empty() ? "." : directory;
  std::filesystem::directory_iterator it(where, ec);
  if (ec) return std::nullopt;
  // Directory order is arbitrary: take the smallest matching name so the same
  // folder always gives the same file.
  std::optional<std::filesystem::path> found;
  for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const std::string entry = it->path().filename().string();
    if (!EqualIgnoringAsciiCase(entry, name) || !IsRegularFile(it->path())) continue;
    if (!found || entry < found->filename().string()) found = directory / entry;
  }
  return found;
}

}  // namespace brelvox
