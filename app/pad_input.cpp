// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/pad_input.h"

#include <GL/glut.h>
#include <SDL2/SDL_gamecontroller.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "app/clean_exit.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/keyboard.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/replay_pace.h"
#include "app/shell_state.h"
#include "app/watch.h"
#include "audio/sound_player.h"
#include "game/game_listener.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "input/gamepad.h"
#include "platform/regular_file.h"
#include "saves/settings.h"

namespace vortimbal {

namespace {

constexpr Key enterKey = 13, escapeKey = 27;
// A stick pushed this far is a key held, for menus and the camera.
constexpr float stickAsKey = 0.5f;

// A stick read as four keys: each held while the stick leans its way.
struct StickKeys {
    bool up = false, down = false, left = false, right = false;
};

class PadInput : public PadListener {
  public:
    void padButton(PadButton button, bool pressed) override {
        const int direction = pressed ? 1 : -1;
        switch (button) {
            case PadButton::A:
            case PadButton::RightTrigger:
                if (gameState == Playing) {
                    act(Action::Fire, direction);
                } else if (button == PadButton::A) {
                    pressKey(enterKey, direction);
                }
                break;
            case PadButton::B:
                if (gameState != Playing) {
                    pressKey(escapeKey, direction);
                }
                break;
            case PadButton::Start:
                pressKey(escapeKey, direction);
                break;
            default:
                dpad(button, direction);
                break;
        }
    }

    void padWalk(float forward, float right) override {
        if (gameState == Playing) {
            const int f = int(std::lround(forward * 1000)), r = int(std::lround(right * 1000));
            recordInput(InputKind::Walk, f, r);
            replayWalk(f, r);
        }
        leanAsKeys(menuStick, forward, right, [](Key key, int direction) {
            if (gameState != Playing) {
                pressKey(key, direction);
            }
        });
    }

    void padLook(float forward, float right) override {
        if (settings.padInvert) {
            forward = -forward;
        }
        leanAsKeys(lookStick, forward, right, [](Key key, int direction) {
            const Action action = key == specialKey(GLUT_KEY_UP)     ? Action::CameraForward
                                  : key == specialKey(GLUT_KEY_DOWN) ? Action::CameraBack
                                  : key == specialKey(GLUT_KEY_LEFT) ? Action::CameraTurnLeft
                                                                     : Action::CameraTurnRight;
            act(action, direction);
        });
    }

    // A pad pulled out mid-game leaves its player nothing to play with.
    void padConnected(bool connected) override {
        if (!connected && gameState == Playing && !replaying()) {
            recordInput(InputKind::Pause, 0, 0);
            pauseGame();
        }
    }

  private:
    static void act(Action action, int direction) {
        recordInput(InputKind::Action, int(action), direction);
        doAction(action, direction);
    }

    // The D-pad walks in play and moves through the menus elsewhere.
    static void dpad(PadButton button, int direction) {
        static const Action walks[] = {Action::WalkForward, Action::WalkBack, Action::TurnLeft,
                                       Action::TurnRight};
        static const Key arrows[] = {specialKey(GLUT_KEY_UP), specialKey(GLUT_KEY_DOWN),
                                     specialKey(GLUT_KEY_LEFT), specialKey(GLUT_KEY_RIGHT)};
        const int way = int(button) - int(PadButton::DpadUp);
        if (gameState == Playing) {
            act(walks[way], direction);
        } else {
            pressKey(arrows[way], direction);
        }
    }

    template <typename Press>
    static void leanAsKeys(StickKeys& keys, float forward, float right, Press press) {
        const auto lean = [&](bool& held, bool now, int glutKey) {
            if (held != now) {
                held = now;
                press(specialKey(glutKey), now ? 1 : -1);
            }
        };
        lean(keys.up, forward > stickAsKey, GLUT_KEY_UP);
        lean(keys.down, forward < -stickAsKey, GLUT_KEY_DOWN);
        lean(keys.left, right < -stickAsKey, GLUT_KEY_LEFT);
        lean(keys.right, right > stickAsKey, GLUT_KEY_RIGHT);
    }

    StickKeys menuStick, lookStick;
};

PadInput padInput;

// While a replay plays the pad only sets its pace, as the keys do: A pauses,
// the D-pad's left and right slow it and speed it up, down goes to its end;
// B or Start stops it, as Escape does.
class WatchPadInput : public PadListener {
  public:
    void padButton(PadButton button, bool pressed) override {
        if (!pressed) {
            return;
        }
        switch (button) {
            case PadButton::B:
            case PadButton::Start:
                if (!watching()) {
                    endGame();
                }
                stopWatchingOnEscape();
                break;
            case PadButton::A:
                replayKey(' ');
                break;
            case PadButton::DpadLeft:
            case PadButton::DpadRight:
            case PadButton::DpadDown:
                replaySpecialKey(button == PadButton::DpadLeft    ? GLUT_KEY_LEFT
                                 : button == PadButton::DpadRight ? GLUT_KEY_RIGHT
                                                                  : GLUT_KEY_END);
                break;
            default:
                break;
        }
    }
    void padWalk(float, float) override {}
    void padLook(float, float) override {}
    void padConnected(bool) override {}
};

WatchPadInput watchPadInput;

// A short rumble when a citizen is lost, beside the sound of it.
class PlayListener : public GameListener {
  public:
    void shotFired(const Vector3& from) override { soundPlayer.shotFired(from); }
    void figureHit(const Vector3& at, bool badGuy) override {
        soundPlayer.figureHit(at, badGuy);
        if (!badGuy && settings.padRumble) {
            gamepads.rumble();
        }
    }
    void levelCleared() override { soundPlayer.levelCleared(); }
    void gameOver() override { soundPlayer.gameOver(); }
    void titleChoice() override { soundPlayer.titleChoice(); }
};

PlayListener playListener;

// A test pad's script: "STEP button N 0|1" and "STEP axis N VALUE", SDL's
// button and axis numbers, played on the virtual pad at those steps.
struct PadEvent {
    long step;
    bool button;
    int which, value;
};
std::vector<PadEvent> script;
constexpr std::size_t maxScriptBytes = 1 << 20;
std::size_t nextEvent = 0;

// Read like every other file: a regular one, of a bounded size, each line's
// numbers within what SDL takes; a line that is not is left out with a word.
void readScript(const char* file, std::ostream& messages) {
    std::FILE* in = openRegularFile(file);
    std::string text(maxScriptBytes + 1, '\0');
    text.resize(in == nullptr ? 0 : std::fread(&text[0], 1, text.size(), in));
    if (in == nullptr || text.size() > maxScriptBytes) {
        messages << "The test pad " << file << " cannot be read or is too large\n";
    }
    if (in != nullptr) {
        std::fclose(in);
    }
    std::istringstream lines(text.size() > maxScriptBytes ? "" : text);
    std::string line, kind;
    for (PadEvent event{}; std::getline(lines, line);) {
        std::istringstream fields(line);
        if (!(fields >> event.step >> kind >> event.which >> event.value)) {
            continue;
        }
        event.button = kind == "button";
        const bool known =
            event.button
                ? event.which >= 0 && event.which < SDL_CONTROLLER_BUTTON_MAX &&
                      (event.value == 0 || event.value == 1)
                : kind == "axis" && event.which >= 0 && event.which < SDL_CONTROLLER_AXIS_MAX &&
                      event.value >= SDL_JOYSTICK_AXIS_MIN && event.value <= SDL_JOYSTICK_AXIS_MAX;
        if (known && event.step >= 0) {
            script.push_back(event);
        } else {
            messages << "The test pad " << file << ": \"" << line << "\" is out of range\n";
        }
    }
    if (!gamepads.attachVirtualPad()) {
        messages << "The test pad could not be attached\n";
    }
}

}  // namespace

void startPads(const std::string& configFolder, std::ostream& messages) {
    gameListener = &playListener;
    const std::string mappings = configFolder.empty() ? "" : configFolder + "/gamecontrollerdb.txt";
    if (!gamepads.start(mappings, messages)) {
        return;
    }
    gamepads.deadZone = settings.padDeadZone;
    if (const char* file = std::getenv("VORTIMBAL_TEST_PAD")) {
        readScript(file, messages);
    }
}

void pollPads() {
    if (!gamepads.started()) {
        return;
    }
    for (; nextEvent < script.size() && script[nextEvent].step <= stepsTaken; ++nextEvent) {
        const PadEvent& e = script[nextEvent];
        e.button ? gamepads.setVirtualButton(e.which, e.value != 0)
                 : gamepads.setVirtualAxis(e.which, e.value);
    }
    gamepads.deadZone = settings.padDeadZone;
    // A replay plays the recorded pad, not the one in the player's hands.
    if (!replaying()) {
        gamepads.poll(padInput);
    } else if (!headless) {
        gamepads.poll(watchPadInput);
    }
}

void replayWalk(int forwardThousandths, int rightThousandths) {
    gameWorld->steerAnalogue(float(forwardThousandths) / 1000, float(rightThousandths) / 1000);
}

}  // namespace vortimbal
