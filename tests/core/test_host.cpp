// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/test_host.h"

#include <algorithm>

namespace brelvox::test {

void RecordingHost::DrawCell(std::uint8_t code, int col, int row) {
  events.push_back("draw " + std::to_string(code) + " " + std::to_string(col) + " " +
                   std::to_string(row));
}
void RecordingHost::PlayCue(const char* name) {
  events.push_back(std::string("cue ") + name);
}
void RecordingHost::StopGameControls() {
  events.push_back("stop");
}
void RecordingHost::SubmitScore(int level, int seconds) {
  events.push_back("submit " + std::to_string(level) + " " + std::to_string(seconds));
  submitted.emplace_back(level, seconds);
}
void RecordingHost::SetHintCounter(std::int32_t value) {
  events.push_back("hints " + std::to_string(value));
}
void RecordingHost::ShowTooManyHints() {
  events.push_back("too many hints");
}

std::vector<std::string> RecordingHost::Only(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& e : events) {
    if (e.rfind(prefix, 0) == 0) out.push_back(e);
  }
  return out;
}

int RecordingHost::Count(const std::string& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace brelvox::test
