// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/cue_thread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using namespace brelvox::ui;

namespace {

using namespace std::chrono_literals;

// A cue told apart from the others by its sample rate.
std::shared_ptr<const brelvox::WaveSound> Cue(int id) {
  auto sound = std::make_shared<brelvox::WaveSound>();
  sound->sampleRate = id;
  return sound;
}

// What a stand-in player saw, shared with the test.
struct Log {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<int> played;
  std::thread::id loadedOn, playedOn, closedOn;
  bool gateOpen = true;  // false: Play waits (a stalled sound server) until it opens
  std::chrono::milliseconds closing{0};  // how long the player takes to close

  template <typename Pred>
  bool WaitFor(Pred pred) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 5s, pred);
  }
  void Open() {
    const std::lock_guard lock(mutex);
    gateOpen = true;
    changed.notify_all();
  }
};

class StandIn : public CueOutput {
 public:
  explicit StandIn(std::shared_ptr<Log> log) : log_(std::move(log)) {}
  ~StandIn() override {
    // As a sound library closing its stream: it waits for the server and runs
    // its own thread's events meanwhile.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < log_->closing.count()) QCoreApplication::processEvents();
    const std::lock_guard lock(log_->mutex);
    log_->closedOn = std::this_thread::get_id();
    log_->changed.notify_all();
  }
  void Play(std::shared_ptr<const brelvox::WaveSound> sound) override {
    std::unique_lock lock(log_->mutex);
    log_->played.push_back(sound->sampleRate);
    log_->playedOn = std::this_thread::get_id();
    log_->changed.notify_all();
    log_->changed.wait(lock, [this] { return log_->gateOpen; });
  }

 private:
  std::shared_ptr<Log> log_;
};

CueThread::Loader StandInLoader(std::shared_ptr<Log> log) {
  return [log] {
    const std::lock_guard lock(log->mutex);
    log->loadedOn = std::this_thread::get_id();
    return std::make_unique<StandIn>(log);
  };
}

TEST(CueThread, PlayNeverWaitsForAStalledPlayerAndDropsTheCuesThatCouldNotStart) {
  auto log = std::make_shared<Log>();
  log->gateOpen = false;
  CueThread cues(StandInLoader(log));
  cues.Play(Cue(1));
  ASSERT_TRUE(log->WaitFor([&] { return log->played.size() == 1; }));

  // The player is stuck in its first cue; every later one returns at once.
  for (int id = 2; id <= 50; ++id) {
    QElapsedTimer clock;
    clock.start();
    cues.Play(Cue(id));
    EXPECT_LT(clock.elapsed(), 50) << "cue " << id;
  }
  log->Open();
  // Only the newest of the waiting cues plays once the player is free.
  ASSERT_TRUE(log->WaitFor([&] { return log->played.size() == 2; }));
  std::this_thread::sleep_for(100ms);
  const std::lock_guard lock(log->mutex);
  EXPECT_EQ(log->played, (std::vector<int>{1, 50}));
  EXPECT_NE(log->loadedOn, std::this_thread::get_id());
  EXPECT_EQ(log->playedOn, log->loadedOn);
}

TEST(CueThread, ClosingWaitsForThePlayerOnItsThreadAndRunsNoEventsOfTheCaller) {
  auto log = std::make_shared<Log>();
  log->closing = 150ms;
  auto cues = std::make_unique<CueThread>(StandInLoader(log));
  cues->Play(Cue(1));
  ASSERT_TRUE(log->WaitFor([&] { return log->played.size() == 1; }));

  // A timer of the caller's thread, as the window's clock and animation.
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(5);
  QElapsedTimer clock;
  clock.start();
  while (ticks == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents();
  const int before = ticks;
  cues.reset();
  EXPECT_EQ(ticks, before);
  const std::lock_guard lock(log->mutex);
  EXPECT_EQ(log->closedOn, log->playedOn);  // closed, on the sound thread
}

TEST(CueThreadDeathTest, APlayerStuckForGoodEndsTheProcessSoonAfterTheClose) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QElapsedTimer clock;
  clock.start();
  EXPECT_EXIT(
      {
        auto log = std::make_shared<Log>();
        log->gateOpen = false;  // never opens
        {
          CueThread cues(StandInLoader(log));
          cues.Play(Cue(1));
          if (!log->WaitFor([&] { return !log->played.empty(); })) std::_Exit(3);
        }
        std::_Exit(4);  // not reached: the close ends the process
      },
      testing::ExitedWithCode(0), "");
  EXPECT_LT(clock.elapsed(), 5000);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
