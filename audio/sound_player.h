// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>
#include <string>

#include "game/game_listener.h"

namespace vortimbal {

// Plays the game's events through OpenAL: shots and hits from where they
// happen, heard from the camera, the rest as they are. A few sources play
// at once; when all are busy the one started longest ago is taken. Without a
// sound device, or without a sound file, the game goes on silently after one
// message.
class SoundPlayer : public GameListener {
  public:
    enum Effect { Shot, Hit, CitizenLost, LevelCleared, GameOver, MenuTick, EffectCount };
    static constexpr int sourceCount = 16;

    SoundPlayer() = default;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;
    ~SoundPlayer() override { close(); }

    // Opens the default device and reads the effects from `folder`.
    void open(const std::string& folder, std::ostream& messages);
    void close();

    // Puts the listener where the camera is, facing where it looks.
    void followCamera();
    void setMuted(bool mute);
    bool isMuted() const { return muted; }
    // Whether a device plays what is not muted.
    bool hasDevice() const { return device != nullptr; }
    // From 0, silent, to 10, as loud as the effects were made.
    void setVolume(int tenths);

    void shotFired(const Vector3& from) override { play(Shot, &from); }
    void figureHit(const Vector3& at, bool badGuy) override {
        play(badGuy ? Hit : CitizenLost, &at);
    }
    void levelCleared() override { play(LevelCleared, nullptr); }
    void gameOver() override { play(GameOver, nullptr); }
    void titleChoice() override { play(MenuTick, nullptr); }

  private:
    // From `at` in the city, or at the listener when `at` is null.
    void play(Effect effect, const Vector3* at);
    void loadEffects(const std::string& folder, std::ostream& messages);
    void applyGain();

    void* device = nullptr;
    void* context = nullptr;
    unsigned buffers[EffectCount] = {};
    unsigned sources[sourceCount] = {};
    int nextSource = 0;
    bool muted = false;
    int volume = 10;
};

// The game's sound, opened at start-up.
extern SoundPlayer soundPlayer;

}  // namespace vortimbal
