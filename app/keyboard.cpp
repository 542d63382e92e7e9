// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/keyboard.h"

#include <GL/glut.h>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/game_state.h"
#include "app/menus.h"
#include "app/notice.h"
#include "app/options_page.h"
#include "app/replay.h"
#include "app/settings.h"
#include "app/title_screen.h"
#include "audio/sound_player.h"
#include "control/camera.h"
#include "game/game_listener.h"
#include "game/playable_world.h"

namespace vortimbal {

namespace {

constexpr unsigned char escapeKey = 27;
constexpr unsigned char enterKey = 13;
constexpr unsigned char lineFeedKey = 10;
constexpr float slideThrust = 0.02f;

// X repeats a held key as a release and a press. freeglut drops such a pair
// only while the key is still down when it reads them; read late, after the
// key came up, they arrive together in one turn of the loop. A press right
// after a release of that key which had no press of its own in the same turn
// is such a repeat, if the key was down long enough for the system to repeat
// it: it is dropped, and so is the release that follows it. A quicker double
// tap is two presses.
struct KeyEvent {
    unsigned char key;
    int turn;
    bool lone;
    double time;
};
// Shorter than any system's delay before it repeats a held key, longer than a tap.
constexpr double repeatDelayMs = 200;
int loopTurn = 0;
KeyEvent lastPress{0, -1, false, 0};
KeyEvent lastRelease{0, -1, false, 0};
unsigned char staleRepeatKey = 0;

bool isLateRepeat(unsigned char key, double now) {
    const bool heldLongEnough = key != lastPress.key || now - lastPress.time >= repeatDelayMs;
    return key == lastRelease.key && lastRelease.turn == loopTurn && lastRelease.lone &&
           heldLongEnough;
}

void fire(int direction) {
    const bool pressed = direction > 0;
    switch (gameState) {
        case Playing:
            gameWorld->playerFire(pressed);
            break;
        case Title:
            if (pressed) {
                break;
            }
            if (helpShown) {
                helpShown = 0;
            } else {
                if (gameListener != nullptr) {
                    gameListener->titleChoice();
                }
                onMenu(selectedTitleItem());
            }
            break;
        case LevelCleared:
            if (!pressed) {
                startNextLevel();
            }
            break;
        default:
            break;
    }
}

void escape() {
    switch (gameState) {
        case Playing:
            pauseGame();
            break;
        case Title:
            if (helpShown) {
                helpShown = 0;
            } else {
                resumeGame();
            }
            break;
        case LevelCleared:
            startNextLevel();
            break;
        case GameOver:
            leaveFinishedGame();
            break;
        default:
            break;
    }
}

void enter(int direction) {
    if (direction < 0 && gameState == GameOver) {
        leaveFinishedGame();
    } else {
        fire(direction);
    }
}

// The action the player put on `key`, or -1.
int boundAction(Key key) {
    for (int i = 0; i < actionCount; ++i) {
        if (settings.keys[std::size_t(i)] == key) {
            return i;
        }
    }
    return -1;
}

void record(Key key, int direction) {
    if (key >= specialKey(0)) {
        recordInput(InputKind::Special, key - specialKey(0), direction > 0 ? 1 : 0);
    } else {
        recordInput(InputKind::Key, key, direction);
    }
}

// Keys that keep their meaning whatever the player binds: the arrows move
// through the title's menu, and Enter, 'z' and Escape fire and go back as long
// as no action has them. True when the key did something.
bool fixedKey(Key key, int direction, bool bound) {
    if (gameState == Title && direction > 0 && !helpShown &&
        (key == specialKey(GLUT_KEY_UP) || key == specialKey(GLUT_KEY_DOWN))) {
        key == specialKey(GLUT_KEY_UP) ? titleCursorUp() : titleCursorDown();
        return true;
    }
    if (bound) {
        return false;
    }
    switch (key) {
        case enterKey:
        case lineFeedKey:
            enter(direction);
            return true;
        case 'z':
            fire(direction);
            return true;
        case escapeKey:
            if (direction < 0) {
                escape();
            }
            return true;
        default:
            return false;
    }
}

// The camera's keys; its tilt turns the other way for a player who asked so.
void cameraAction(Action action, int direction) {
    const bool pressed = direction > 0;
    const bool invert = settings.invertTilt;
    switch (action) {
        case Action::CameraForward:
            camera.setForward(pressed);
            break;
        case Action::CameraBack:
            camera.setBackward(pressed);
            break;
        case Action::CameraTurnLeft:
            camera.setTurnLeft(pressed);
            break;
        case Action::CameraTurnRight:
            camera.setTurnRight(pressed);
            break;
        case Action::CameraTiltUp:
            invert ? camera.setPitchDown(pressed) : camera.setPitchUp(pressed);
            break;
        case Action::CameraTiltDown:
            invert ? camera.setPitchUp(pressed) : camera.setPitchDown(pressed);
            break;
        case Action::CameraUp:
            camera.raise(pressed);
            break;
        case Action::CameraDown:
            camera.lower(pressed);
            break;
        case Action::CameraSlideLeft:
            camera.thrust.x += float(direction) * slideThrust;
            break;
        case Action::CameraSlideRight:
            camera.thrust.x -= float(direction) * slideThrust;
            break;
        default:
            break;
    }
}

// The switches a key flips on its press.
void switchAction(Action action) {
    switch (action) {
        case Action::Lamp1:
            noticeSwitch("lamp 1", gameWorld->toggleLight0());
            break;
        case Action::Lamp2:
            noticeSwitch("lamp 2", gameWorld->toggleLight1());
            break;
        case Action::Sound:
            // From what is heard, which --mute may have changed for this run.
            settings.muted = !soundPlayer.isMuted();
            soundPlayer.setMuted(settings.muted);
            noticeSwitch("sound", !settings.muted);
            saveSettings();
            break;
        case Action::FrameRate:
            settings.showFrameRate = !settings.showFrameRate;
            noticeSwitch("frame rate", settings.showFrameRate);
            saveSettings();
            break;
        case Action::Screenshot:
            requestScreenshot();
            break;
        default:
            break;
    }
}

}  // namespace

void noteLoopTurn() {
    ++loopTurn;
}

void onKeyDown(unsigned char key, int, int) {
    if (key == lastKeyDown || replaying()) {
        return;
    }
    const double now = currentTimeMs();
    if (isLateRepeat(key, now)) {
        staleRepeatKey = key;
        return;
    }
    lastKeyDown = key;
    lastPress = {key, loopTurn, false, now};
    pressKey(Key(key), +1);
}

void onKeyUp(unsigned char key, int, int) {
    if (replaying()) {
        return;
    }
    lastKeyDown = 0;
    const bool lone = !(key == lastPress.key && lastPress.turn == loopTurn);
    lastRelease = {key, loopTurn, lone, 0};
    if (key == staleRepeatKey) {
        staleRepeatKey = 0;
        return;
    }
    pressKey(Key(key), -1);
}

void onSpecialDown(int key, int, int) {
    if (!replaying()) {
        pressKey(specialKey(key), +1);
    }
}

void onSpecialUp(int key, int, int) {
    if (!replaying()) {
        pressKey(specialKey(key), -1);
    }
}

// Recorded as what they do: the player's actions by name, the fixed keys and
// the Options page by key, so a game replays the same whatever keys played it.
void pressKey(Key key, int direction) {
    if (optionsPageShown()) {
        record(key, direction);
        optionsKey(key, direction);
        return;
    }
    const int action = boundAction(key);
    if (action >= 0) {
        recordInput(InputKind::Action, action, direction);
        doAction(Action(action), direction);
    }
    if (fixedKey(key, direction, action >= 0)) {
        record(key, direction);
    }
}

void replayKey(Key key, int direction, bool keysByDefault) {
    if (optionsPageShown()) {
        optionsKey(key, direction);
        return;
    }
    // Older replays wrote keys, which meant the keys every player had then.
    int action = -1;
    for (int i = 0; keysByDefault && i < actionCount; ++i) {
        action = defaultKey(Action(i)) == key ? i : action;
    }
    if (action >= 0) {
        doAction(Action(action), direction);
    }
    fixedKey(key, direction, keysByDefault ? action >= 0 : boundAction(key) >= 0);
}

void doAction(Action action, int direction) {
    const bool pressed = direction > 0;
    switch (action) {
        case Action::WalkForward:
            gameWorld->steerForward(pressed);
            break;
        case Action::WalkBack:
            gameWorld->steerBack(pressed);
            break;
        case Action::TurnLeft:
            gameWorld->steerLeft(pressed);
            break;
        case Action::TurnRight:
            gameWorld->steerRight(pressed);
            break;
        case Action::Fire:
            fire(direction);
            break;
        case Action::Pause:
            if (!pressed) {
                escape();
            }
            break;
        default:
            cameraAction(action, direction);
            if (pressed) {
                switchAction(action);
            }
            break;
    }
}

}  // namespace vortimbal
