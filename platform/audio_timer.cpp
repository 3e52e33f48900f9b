// One periodic timer thread on the steady clock. A late callback does not
// shift the schedule; after a long stall the schedule restarts from now
// instead of firing a burst of catch-up calls.
#include "platform/audio_timer.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {
std::thread timerThread;
std::mutex timerMutex;
std::condition_variable timerWake;
bool stopRequested = false;
std::atomic<bool> running{false};

void RunTimer(std::chrono::milliseconds period, AudioTimerCallback callback) {
  auto next = std::chrono::steady_clock::now() + period;
  std::unique_lock<std::mutex> lock(timerMutex);
  while (!timerWake.wait_until(lock, next, [] { return stopRequested; })) {
    lock.unlock();
    callback();
    lock.lock();
    next += period;
    auto now = std::chrono::steady_clock::now();
    if (next + 4 * period < now) next = now + period;
  }
}
}  // namespace

bool AudioStartTimer(int32_t periodMs, AudioTimerCallback callback) {
  if (callback == nullptr || periodMs < 1) return false;
  AudioStopTimer();
  stopRequested = false;
  timerThread = std::thread(RunTimer, std::chrono::milliseconds(periodMs), callback);
  running = true;
  return true;
}

void AudioStopTimer() {
  if (!timerThread.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(timerMutex);
    stopRequested = true;
  }
  timerWake.notify_all();
  timerThread.join();
  running = false;
}

bool AudioTimerRunning() { return running; }
