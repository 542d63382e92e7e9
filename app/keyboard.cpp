// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/keyboard.h"

#include <GL/glut.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "app/clean_exit.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_flow.h"
#include "app/menus.h"
#include "app/mouse.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/replay_pace.h"
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

bool upOrDown(Key key) {
    return key == specialKey(GLUT_KEY_UP) || key == specialKey(GLUT_KEY_DOWN);
}

// The arrows move through the title's menu and its lists, bound or not.
bool movesCursor(Key key, int direction) {
    return gameState == Title && direction > 0 && upOrDown(key) && helpShown != HelpPage;
}

// Keys that keep their meaning whatever the player binds: the arrows on the
// title, and Enter, 'z' and Escape fire and go back as long as no action has them.
bool fixedHere(Key key, int direction) {
    return movesCursor(key, direction) || firesUnbound(key) || key == escapeKey;
}

void moveCursor(Key key) {
    const int step = key == specialKey(GLUT_KEY_UP) ? -1 : 1;
    if (helpShown == ScoresPage) {
        scoresCursor(step);
    } else if (helpShown == ReplaysPage) {
        replaysCursor(step);
    } else {
        step < 0 ? titleCursorUp() : titleCursorDown();
    }
}

// What a fixed key does; older replays' keys come here whether or not they
// meant anything.
void fixedKey(Key key, int direction) {
    if (movesCursor(key, direction)) {
        moveCursor(key);
        return;
    }
    switch (key) {
        case enterKey:
        case lineFeedKey:
            enter(direction);
            break;
        case 'z':
            fire(direction);
            break;
        case escapeKey:
            if (direction < 0) {
                escape();
            }
            break;
        default:
            break;
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
            if (!settings.muted && !soundPlayer.hasDevice()) {
                showNotice("sound on - no sound device");
            }
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

// What a key means on the screen it reached, found once, before anything
// acts: what is recorded and what is done.
struct Meaning {
    enum Kind {
        Nothing,
        OptionsKey,
        BoundAction,
        FixedKey,
        WatchChosen,
        KeepChosen
    } kind = Nothing;
    int code = 0;  // the key the page read, the action or the fixed key
};

// Fire on a page of games: what it does there depends on what is listed,
// which comes from the table and the folder, not from the run. Going back from
// an empty page is recorded as the Escape it amounts to; watching, which
// leaves the run as it was, not at all.
Meaning fireOnPageOfGames(int direction) {
    if (direction > 0) {
        return {};
    }
    const bool listsNone =
        helpShown == ScoresPage ? highScores.entries().empty() : chosenReplayFile().empty();
    return listsNone ? Meaning{Meaning::FixedKey, escapeKey} : Meaning{Meaning::WatchChosen};
}

Meaning meaningOf(Key key, int direction) {
    if (optionsPageShown()) {
        const Key meant = optionsMeaning(key);
        return meant == noKey ? Meaning{} : Meaning{Meaning::OptionsKey, meant};
    }
    const int action = gameState != Playing && menuKey(key) ? -1 : boundAction(settings.keys, key);
    const bool onPageOfGames =
        gameState == Title && (helpShown == ScoresPage || helpShown == ReplaysPage);
    if (onPageOfGames && (action == int(Action::Fire) || (action < 0 && firesUnbound(key)))) {
        return fireOnPageOfGames(direction);
    }
    // Keeping a replay changes the folder, not the run: nothing to record.
    const bool leftOrRight = key == specialKey(GLUT_KEY_LEFT) || key == specialKey(GLUT_KEY_RIGHT);
    if (onPageOfGames && helpShown == ReplaysPage && leftOrRight) {
        return direction > 0 ? Meaning{Meaning::KeepChosen, key == specialKey(GLUT_KEY_RIGHT)}
                             : Meaning{};
    }
    if (action >= 0) {
        return {Meaning::BoundAction, action};
    }
    return fixedHere(key, direction) ? Meaning{Meaning::FixedKey, key} : Meaning{};
}

void recordMeaning(const Meaning& meaning, int direction) {
    switch (meaning.kind) {
        case Meaning::OptionsKey:
        case Meaning::FixedKey:
            record(Key(meaning.code), direction);
            break;
        case Meaning::BoundAction:
            recordInput(InputKind::Action, meaning.code, direction);
            break;
        default:
            break;
    }
}

void watchChosen() {
    const std::string file = helpShown == ScoresPage ? chosenScoreReplay() : chosenReplayFile();
    if (file.empty()) {
        showNotice("no replay kept for this game");
    } else {
        watchReplay(file);
    }
}

void keepChosen(bool keep) {
    if (!keepChosenReplay(keep)) {
        showNotice(std::string("cannot keep it: ") + std::strerror(errno));
    } else if (!chosenReplayFile().empty()) {
        showNotice(keep ? "kept for good" : "goes with the others");
    }
}

// The one place a key acts, live or replayed.
void act(const Meaning& meaning, int direction) {
    switch (meaning.kind) {
        case Meaning::OptionsKey:
            keyOnOptionsPage(Key(meaning.code), direction);
            break;
        case Meaning::BoundAction:
            doAction(Action(meaning.code), direction);
            break;
        case Meaning::FixedKey:
            fixedKey(Key(meaning.code), direction);
            break;
        case Meaning::WatchChosen:
            watchChosen();
            break;
        case Meaning::KeepChosen:
            keepChosen(meaning.code != 0);
            break;
        default:
            break;
    }
}

// Older replays wrote keys, which meant the keys every player had then.
void replayDefaultKey(Key key, int direction) {
    int action = -1;
    for (int i = 0; i < actionCount; ++i) {
        action = defaultKey(Action(i)) == key ? i : action;
    }
    if (action < 0) {
        fixedKey(key, direction);
        return;
    }
    doAction(Action(action), direction);
    if (movesCursor(key, direction)) {
        moveCursor(key);
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
    windowHasInput();
    // A replay takes no live key but the one that stops it.
    if (replaying() && key == escapeKey) {
        if (!watching()) {
            endGame();
        }
        stopWatchingOnEscape();
        return;
    }
    // A replay takes the watcher's keys for its pace alone, each once however long held.
    if (replaying()) {
        if (key != lastKeyDown) {
            replayKey(key);
        }
        lastKeyDown = key;
        return;
    }
    if (key == lastKeyDown) {
        return;
    }
    if (!repeats.press(key, currentTimeMs())) {
        return;
    }
    lastKeyDown = key;
    pressKey(Key(key), +1);
}

void onKeyUp(unsigned char key, int, int) {
    lastKeyDown = 0;
    if (replaying()) {
        return;
    }
    if (repeats.release(key)) {
        pressKey(Key(key), -1);
    }
}

void onSpecialDown(int key, int, int) {
    windowHasInput();
    if (!replaying()) {
        pressKey(specialKey(key), +1);
    } else {
        replaySpecialKey(key);
    }
}

void onSpecialUp(int key, int, int) {
    if (!replaying()) {
        pressKey(specialKey(key), -1);
    }
}

// Recorded as what they meant: the player's actions by name, the fixed keys
// when they mean something, the Options page's keys as the page reads them,
// so a game replays the same whatever keys played it and whatever keys watch it.
void pressKey(Key key, int direction) {
    if (key == escapeKey && direction < 0 && std::exchange(escapeStoppedReplay, false)) {
        return;
    }
    const Meaning meaning = meaningOf(key, direction);
    recordMeaning(meaning, direction);
    act(meaning, direction);
}

void replayKey(Key key, int direction, bool keysByDefault) {
    if (optionsPageShown()) {
        act({Meaning::OptionsKey, key}, direction);
    } else if (!keysByDefault) {
        act({Meaning::FixedKey, key}, direction);
    } else {
        replayDefaultKey(key, direction);
    }
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
