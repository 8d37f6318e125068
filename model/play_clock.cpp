#include "model/play_clock.h"

#include <chrono>
#include <cstdio>
#include <utility>

namespace tessellix {

namespace {

std::int64_t SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

PlayClock::PlayClock(TimeSource source) {
    SetTimeSource(std::move(source));
}

void PlayClock::SetTimeSource(TimeSource source) {
    const std::int64_t elapsed = now ? ElapsedMs() : banked;
    now = source ? std::move(source) : TimeSource(SteadyMs);
    banked = elapsed;
    since = now();
}

void PlayClock::Restart(std::int64_t elapsedMs) {
    state = State::Waiting;
    banked = elapsedMs;
}

void PlayClock::Moved() {
    if (state != State::Waiting) {
        return;
    }
    state = State::Running;
    since = now();
}

std::int64_t PlayClock::Stop() {
    banked = ElapsedMs();
    state = State::Stopped;
    return banked;
}

void PlayClock::SetPaused(bool pause) {
    if (pause == paused) {
        return;
    }
    banked = ElapsedMs();
    paused = pause;
    since = now();
}

std::int64_t PlayClock::ElapsedMs() const {
    return Counting() ? banked + (now() - since) : banked;
}

std::string ElapsedText(std::int64_t seconds) {
    const long long s = seconds < 0 ? 0 : seconds;
    char text[32];
    if (s >= 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
    }
    return text;
}

}  // namespace tessellix
