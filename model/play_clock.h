#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tessellix {

// How long the player has worked on the board. It waits on a fresh board, runs from the first
// move, stands still while paused (the window minimised or in the background), and stops for
// good when the puzzle is solved, until the next board restarts it. Undoing is a move like any
// other: the clock goes on.
class PlayClock {
  public:
    // Milliseconds on a clock that never goes back.
    using TimeSource = std::function<std::int64_t()>;

    // Without a source, the system's steady clock.
    explicit PlayClock(TimeSource now = {});
    // Replaces the time source, for tests to drive the clock.
    void SetTimeSource(TimeSource now);

    // A board begins: the clock waits for its first move, showing `elapsedMs`, the time a kept
    // board had already taken.
    void Restart(std::int64_t elapsedMs = 0);
    // A move on the board; the first one after Restart starts the clock.
    void Moved();
    // The solved sequence begins: the clock stops and answers the time taken.
    std::int64_t Stop();
    // While paused no time counts; moves still start a waiting clock.
    void SetPaused(bool paused);

    std::int64_t ElapsedMs() const;
    std::int64_t ElapsedSeconds() const { return ElapsedMs() / 1000; }
    // Started by a move and not stopped; it may be paused.
    bool Running() const { return state == State::Running; }
    // Stopped by a solve, and not restarted since.
    bool Stopped() const { return state == State::Stopped; }
    bool Paused() const { return paused; }

  private:
    enum class State { Waiting, Running, Stopped };
    // Counting now: running and not paused.
    bool Counting() const { return state == State::Running && !paused; }

    TimeSource now;
    State state = State::Waiting;
    bool paused = false;
    std::int64_t banked = 0;  // time counted before `since`
    std::int64_t since = 0;   // when counting last began
};

// Elapsed time as the player reads it: "0:07", "2:35", "1:02:05".
std::string ElapsedText(std::int64_t seconds);

}  // namespace tessellix
