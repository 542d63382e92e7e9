#include "app/keyboard.h"

#include <GL/glut.h>

#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/game_state.h"
#include "app/menus.h"
#include "app/notice.h"
#include "app/replay.h"
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

}  // namespace

void noteLoopTurn() {
    ++loopTurn;
}

void onKeyDown(unsigned char key, int x, int y) {
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
    recordInput(InputKind::Key, key, +1);
    handleKey(key, x, y, +1);
}

void onKeyUp(unsigned char key, int x, int y) {
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
    recordInput(InputKind::Key, key, -1);
    handleKey(key, x, y, -1);
}

void handleKey(unsigned char key, int, int, int direction) {
    const bool pressed = direction > 0;
    switch (key) {
        case escapeKey:
            if (!pressed) {
                escape();
            }
            break;
        case enterKey:
        case lineFeedKey:
            enter(direction);
            break;
        case ' ':
        case 'z':
            fire(direction);
            break;
        case 'i':
            camera.setForward(pressed);
            break;
        case 'k':
            camera.setBackward(pressed);
            break;
        case 'j':
            camera.setTurnLeft(pressed);
            break;
        case 'l':
            camera.setTurnRight(pressed);
            break;
        case 'y':
            camera.setPitchUp(pressed);
            break;
        case 'h':
            camera.setPitchDown(pressed);
            break;
        case 'q':
            camera.raise(pressed);
            break;
        case 'a':
            camera.lower(pressed);
            break;
        case 's':
            camera.thrust.x += float(direction) * slideThrust;
            break;
        case 'd':
            camera.thrust.x -= float(direction) * slideThrust;
            break;
        case '1':
            if (pressed) {
                noticeSwitch("lamp 1", gameWorld->toggleLight0());
            }
            break;
        case 'm':
            if (pressed) {
                soundPlayer.toggleMute();
                noticeSwitch("sound", !soundPlayer.isMuted());
            }
            break;
        case '2':
            if (pressed) {
                noticeSwitch("lamp 2", gameWorld->toggleLight1());
            }
            break;
        default:
            break;
    }
}

void onSpecialDown(int key, int, int) {
    if (replaying()) {
        return;
    }
    recordInput(InputKind::Special, key, 1);
    handleSpecialKey(key, true);
}

void onSpecialUp(int key, int, int) {
    if (replaying()) {
        return;
    }
    recordInput(InputKind::Special, key, 0);
    handleSpecialKey(key, false);
}

void handleSpecialKey(int key, bool pressed) {
    switch (key) {
        case GLUT_KEY_LEFT:
            gameWorld->steerLeft(pressed);
            break;
        case GLUT_KEY_UP:
            gameWorld->steerForward(pressed);
            break;
        case GLUT_KEY_RIGHT:
            gameWorld->steerRight(pressed);
            break;
        case GLUT_KEY_DOWN:
            gameWorld->steerBack(pressed);
            break;
        default:
            return;
    }
    if (gameState == Title && pressed && !helpShown) {
        if (key == GLUT_KEY_UP) {
            titleCursorUp();
        } else if (key == GLUT_KEY_DOWN) {
            titleCursorDown();
        }
    }
}

}  // namespace vortimbal
