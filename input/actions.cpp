// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "input/actions.h"

#include <GL/glut.h>

#include <algorithm>

namespace vortimbal {

namespace {

struct ActionInfo {
    const char* name;
    Key key;
};

const ActionInfo actions[actionCount] = {
    {"walk_forward", specialKey(GLUT_KEY_UP)},
    {"walk_back", specialKey(GLUT_KEY_DOWN)},
    {"turn_left", specialKey(GLUT_KEY_LEFT)},
    {"turn_right", specialKey(GLUT_KEY_RIGHT)},
    {"fire", ' '},
    {"pause", 27},
    {"camera_forward", 'i'},
    {"camera_back", 'k'},
    {"camera_turn_left", 'j'},
    {"camera_turn_right", 'l'},
    {"camera_tilt_up", 'y'},
    {"camera_tilt_down", 'h'},
    {"camera_up", 'q'},
    {"camera_down", 'a'},
    {"camera_slide_left", 's'},
    {"camera_slide_right", 'd'},
    {"lamp_1", '1'},
    {"lamp_2", '2'},
    {"sound", 'm'},
    {"frame_rate", 'f'},
    {"screenshot", specialKey(GLUT_KEY_F12)},
};

struct KeyNameEntry {
    Key key;
    const char* name;
};

const KeyNameEntry namedKeys[] = {
    {' ', "space"},
    {13, "enter"},
    {27, "escape"},
    {8, "backspace"},
    {9, "tab"},
    {127, "delete"},
    {specialKey(GLUT_KEY_UP), "up"},
    {specialKey(GLUT_KEY_DOWN), "down"},
    {specialKey(GLUT_KEY_LEFT), "left"},
    {specialKey(GLUT_KEY_RIGHT), "right"},
    {specialKey(GLUT_KEY_PAGE_UP), "page_up"},
    {specialKey(GLUT_KEY_PAGE_DOWN), "page_down"},
    {specialKey(GLUT_KEY_HOME), "home"},
    {specialKey(GLUT_KEY_END), "end"},
    {specialKey(GLUT_KEY_INSERT), "insert"},
};

constexpr int functionKeys = 12;

// Names for the screen, whose font has no glyph for these.
const KeyNameEntry punctuation[] = {
    {'!', "exclamation"},   {'"', "quote"},     {'#', "hash"},         {'$', "dollar"},
    {'%', "percent"},       {'&', "ampersand"}, {'\'', "apostrophe"},  {'(', "left paren"},
    {')', "right paren"},   {'*', "asterisk"},  {'+', "plus"},         {',', "comma"},
    {';', "semicolon"},     {'<', "less"},      {'=', "equals"},       {'>', "greater"},
    {'?', "question"},      {'@', "at"},        {'[', "left bracket"}, {'\\', "backslash"},
    {']', "right bracket"}, {'^', "caret"},     {'_', "underscore"},   {'`', "backquote"},
    {'{', "left brace"},    {'|', "bar"},       {'}', "right brace"},  {'~', "tilde"},
};

}  // namespace

const char* actionName(Action action) {
    return actions[int(action)].name;
}

std::string actionLabel(Action action) {
    std::string label = actionName(action);
    std::replace(label.begin(), label.end(), '_', ' ');
    return label;
}

Key defaultKey(Action action) {
    return actions[int(action)].key;
}

std::string keyName(Key key) {
    for (const KeyNameEntry& entry : namedKeys) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    if (key >= specialKey(GLUT_KEY_F1) && key <= specialKey(functionKeys)) {
        return "f" + std::to_string(key - specialKey(0));
    }
    if (key > ' ' && key < 127) {
        return std::string(1, char(key));
    }
    return "none";
}

bool bindable(Key key) {
    return key != noKey && keyFromName(keyName(key)) == key;
}

std::string keyLabel(Key key) {
    for (const KeyNameEntry& entry : punctuation) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    if (key >= 'A' && key <= 'Z') {
        return std::string("shift ") + char(key - 'A' + 'a');
    }
    std::string label = keyName(key);
    std::replace(label.begin(), label.end(), '_', ' ');
    return label;
}

Key keyFromName(const std::string& name) {
    for (const KeyNameEntry& entry : namedKeys) {
        if (name == entry.name) {
            return entry.key;
        }
    }
    if (name.size() == 1 && name[0] > ' ' && name[0] < 127) {
        return Key(name[0]);
    }
    for (int f = GLUT_KEY_F1; f <= functionKeys; ++f) {
        if (name == "f" + std::to_string(f)) {
            return specialKey(f);
        }
    }
    return noKey;
}

int boundAction(const KeyBindings& keys, Key key) {
    const auto bound = std::find(keys.begin(), keys.end(), key);
    return bound == keys.end() ? -1 : int(bound - keys.begin());
}

}  // namespace vortimbal
