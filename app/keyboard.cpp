// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/keyboard.h"

#include <GL/glut.h>

#include <string>
#include <utility>

#include "app/clean_exit.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/menus.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/settings_in_force.h"
#include "app/shell_state.h"
#include "app/watch.h"
#include "audio/sound_player.h"
#include "control/camera.h"
#include "game/game_listener.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "input/key_repeat_filter.h"
#include "saves/high_scores.h"
#include "saves/settings.h"
#include "screens/notice.h"
#include "screens/options_page.h"
#include "screens/replays_page.h"
#include "screens/scores_page.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

constexpr unsigned char escapeKey = 27;
constexpr unsigned char enterKey = 13;
constexpr unsigned char lineFeedKey = 10;
constexpr float slideThrust = 0.02f;

KeyRepeatFilter repeats;
// The Escape that stopped a watched replay: its release must not also leave the page.
bool escapeStoppedReplay = false;

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
            // Fire on a page of games came as what it did (an older replay's did nothing).
            if (helpShown == ScoresPage || helpShown == ReplaysPage) {
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

void record(Key key, int direction) {
    if (key >= specialKey(0)) {
        recordInput(InputKind::Special, key - specialKey(0), direction > 0 ? 1 : 0);
    } else {
        recordInput(InputKind::Key, key, direction);
    }
}

bool onPageOfGames() {
    return gameState == Title && (helpShown == ScoresPage || helpShown == ReplaysPage);
}

// What fire does there depends on what is listed, which comes from the table
// and the folder, not from the run: so it is recorded as what it did, going
// back from an empty page as Escape does, or not at all when it watches a game.
void fireOnPageOfGames(int direction) {
    if (direction > 0) {
        return;
    }
    const bool scores = helpShown == ScoresPage;
    const std::string file = scores ? chosenScoreReplay() : chosenReplayFile();
    if (scores ? highScores.entries().empty() : file.empty()) {
        record(escapeKey, direction);
        escape();
    } else if (file.empty()) {
        showNotice("no replay kept for this game");
    } else {
        watchReplay(file);
    }
}

// In the menus these keep their meaning whatever is bound to them: a pad's A
// and B come as Enter and Escape, and a player must always be able to choose.
bool menuKey(Key key) {
    return key == enterKey || key == lineFeedKey || key == escapeKey ||
           (key >= specialKey(GLUT_KEY_LEFT) && key <= specialKey(GLUT_KEY_DOWN));
}

// Enter and 'z' fire as long as no action has them.
bool firesUnbound(Key key) {
    return key == enterKey || key == lineFeedKey || key == 'z';
}

// Keys that keep their meaning whatever the player binds: the arrows move
// through the title's menu, and Enter, 'z' and Escape fire and go back as long
// as no action has them. True when the key did something.
bool fixedKey(Key key, int direction, bool bound) {
    const bool upOrDown = key == specialKey(GLUT_KEY_UP) || key == specialKey(GLUT_KEY_DOWN);
    if (gameState == Title && direction > 0 && upOrDown) {
        const int step = key == specialKey(GLUT_KEY_UP) ? -1 : 1;
        if (helpShown == ScoresPage) {
            scoresCursor(step);
            return true;
        }
        if (helpShown == ReplaysPage) {
            replaysCursor(step);
            return true;
        }
        if (!helpShown) {
            step < 0 ? titleCursorUp() : titleCursorDown();
            return true;
        }
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

// The page changes the settings; the shell puts them in force and keeps them.
void keyOnOptionsPage(Key key, int direction) {
    const SettingsChange change = optionsKey(key, direction);
    if (change == SettingsChange::Values) {
        applySettings();
    }
    if (change != SettingsChange::None) {
        saveSettings();
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
            mutedForRun = false;
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

void stopWatchingOnEscape() {
    stopWatching();
    escapeStoppedReplay = true;
}

void noteLoopTurn() {
    repeats.nextTurn();
}

void onKeyDown(unsigned char key, int, int) {
    // A replay takes no live key but the one that stops it.
    if (replaying() && key == escapeKey) {
        if (!watching()) {
            endGame();
        }
        stopWatchingOnEscape();
        return;
    }
    if (key == lastKeyDown || replaying()) {
        return;
    }
    if (!repeats.press(key, currentTimeMs())) {
        return;
    }
    lastKeyDown = key;
    pressKey(Key(key), +1);
}

void onKeyUp(unsigned char key, int, int) {
    if (replaying()) {
        return;
    }
    lastKeyDown = 0;
    if (repeats.release(key)) {
        pressKey(Key(key), -1);
    }
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

// Recorded as what they do: the player's actions by name, the fixed keys when
// they act, the Options page's keys as the page reads them, so a game replays
// the same whatever keys played it and whatever keys watch it.
void pressKey(Key key, int direction) {
    if (key == escapeKey && direction < 0 && std::exchange(escapeStoppedReplay, false)) {
        return;
    }
    if (optionsPageShown()) {
        // As the page reads it, so a replay needs none of the player's keys.
        const Key meant = optionsMeaning(key);
        if (meant != noKey) {
            record(meant, direction);
        }
        keyOnOptionsPage(key, direction);
        return;
    }
    const int action = gameState != Playing && menuKey(key) ? -1 : boundAction(settings.keys, key);
    if (onPageOfGames() && (action == int(Action::Fire) || (action < 0 && firesUnbound(key)))) {
        fireOnPageOfGames(direction);
        return;
    }
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
        keyOnOptionsPage(key, direction);
        return;
    }
    // A fixed key was recorded only when it acted, whatever was bound then.
    if (!keysByDefault) {
        fixedKey(key, direction, false);
        return;
    }
    // Older replays wrote keys, which meant the keys every player had then.
    int action = -1;
    for (int i = 0; i < actionCount; ++i) {
        action = defaultKey(Action(i)) == key ? i : action;
    }
    if (action >= 0) {
        doAction(Action(action), direction);
    }
    fixedKey(key, direction, action >= 0);
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
