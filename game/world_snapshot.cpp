// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// What a world keeps in a snapshot: everything its rules go on from, so a
// game can start again where it started, whatever came before it in the run.

#include <unordered_map>

#include "control/camera.h"
#include "core/snapshot.h"
#include "game/bird.h"
#include "game/figure.h"
#include "game/world.h"
#include "scene/octree.h"

namespace vortimbal {

namespace {

enum MoverKind { HouseKind, BirdKind, PlayerKind, CitizenKind, BadGuyKind };

// Far more figures than the city ever holds, rising and gone ones included.
constexpr int maxFigures = 10000;
// So that a score of 100 points a bad guy still fits an int.
constexpr int maxShots = 10000000;

MoverKind kindOf(const SceneObject* mover, const Figure* player) {
    if (mover == player) {
        return PlayerKind;
    }
    if (mover->classId() == Figure::FigureClassId) {
        return static_cast<const Figure*>(mover)->isBad() ? BadGuyKind : CitizenKind;
    }
    return dynamic_cast<const Bird*>(mover) != nullptr ? BirdKind : HouseKind;
}

}  // namespace

int World::fixedMovers() const {
    int at = movers.count() - 1;
    while (at >= 0 && movers.get(at) != player) {
        --at;
    }
    return at + 1;
}

void World::save(SnapshotWriter& out) const {
    out.line("world") << int(difficulty) << goodCounted << badGuysCounted << badGuysShot
                      << citizensLost << light0.isEnabled() << light1.isEnabled()
                      << playerLight.isEnabled();
    std::unordered_map<const Controller*, int> place;
    for (int i = 0; i < movers.count(); ++i) {
        place.emplace(movers.get(i), i);
    }
    for (int i = 0; i < departed.count(); ++i) {
        place.emplace(departed.get(i), movers.count() + i);
    }
    // A figure gone long ago is followed by none that still moves.
    auto placeOf = [&place](const Controller* target) {
        const auto found = place.find(target);
        return found == place.end() ? -1 : found->second;
    };
    out.line("movers") << movers.count() << departed.count();
    for (int i = 0; i < movers.count(); ++i) {
        Controller* mover = movers.get(i);
        saveMover(out, static_cast<SceneObject*>(mover), placeOf(mover->getTarget()));
    }
    for (int i = 0; i < departed.count(); ++i) {
        saveMover(out, departed.get(i), placeOf(departed.get(i)->getTarget()));
    }
    out.line("follows") << placeOf(camera.getTarget());
    saveOctree(out);
}

void World::saveMover(SnapshotWriter& out, SceneObject* mover, int target) const {
    const MoverKind kind = kindOf(mover, player);
    out.line("mover") << int(kind) << target;
    if (kind == HouseKind) {
        mover->savePose(out);
        mover->Controller::save(out);
    } else if (kind == BirdKind) {
        static_cast<Bird*>(mover)->save(out);
    } else {
        static_cast<Figure*>(mover)->save(out);
    }
}

void World::restoreMover(SnapshotReader& in, SceneObject* mover) {
    const MoverKind kind = kindOf(mover, player);
    if (kind == HouseKind) {
        mover->restorePose(in);
        mover->Controller::restore(in);
    } else if (kind == BirdKind) {
        static_cast<Bird*>(mover)->restore(in);
    } else {
        static_cast<Figure*>(mover)->restore(in);
    }
}

bool World::restore(SnapshotReader& in) {
    int chosen = 0, good = 0, badLeft = 0, shot = 0, lost = 0;
    bool lamps[3] = {};
    in.line("world").in(chosen, 0, difficultyCount - 1).in(good, 0, maxFigures);
    in.in(badLeft, 0, maxFigures).in(shot, 0, maxShots).in(lost, 0, maxShots);
    in >> lamps[0] >> lamps[1] >> lamps[2];
    const int fixed = fixedMovers();
    int inTheCity = 0, gone = 0;
    in.line("movers").in(inTheCity, fixed, fixed + maxFigures).in(gone, 0, maxFigures);
    const int everyone = inTheCity + gone;
    std::vector<int> targets;
    std::vector<std::unique_ptr<Figure>> fresh;
    for (int i = 0; i < everyone && in.ok(); ++i) {
        int kind = 0, target = -1;
        in.line("mover").in(kind, HouseKind, BadGuyKind).in(target, -1, everyone - 1);
        targets.push_back(target);
        if (i < fixed) {
            SceneObject* mover = static_cast<SceneObject*>(movers.get(i));
            if (kind != kindOf(mover, player)) {
                in.fail();
            }
            restoreMover(in, mover);
        } else if (kind < CitizenKind) {
            in.fail();
        } else if (in.ok()) {
            fresh.emplace_back(
                new Figure(kind == BadGuyKind ? badGuyColours() : citizenPool, this));
            fresh.back()->restore(in);
            if (fresh.back()->isBad() != (kind == BadGuyKind)) {
                in.fail();
            }
        }
    }
    int follows = -1;
    in.line("follows").in(follows, -1, everyone - 1);
    if (!in.ok()) {
        return false;
    }
    replaceFigures(fresh, inTheCity - fixed);
    auto at = [this, inTheCity](int place) -> Controller* {
        return place < 0           ? nullptr
               : place < inTheCity ? movers.get(place)
                                   : departed.get(place - inTheCity);
    };
    for (int i = 0; i < everyone; ++i) {
        at(i)->setTarget(at(targets[i]));
    }
    camera.setTarget(at(follows));
    difficulty = Difficulty(chosen);
    goodCounted = good;
    badGuysCounted = badLeft;
    badGuysShot = shot;
    citizensLost = lost;
    Light* const lights[3] = {&light0, &light1, &playerLight};
    for (int i = 0; i < 3; ++i) {
        if (lights[i]->isEnabled() != lamps[i]) {
            lights[i]->toggle();
        }
    }
    restoreOctree(in);
    return in.ok();
}

// The tree names the figures that go: it goes with them.
void World::replaceFigures(std::vector<std::unique_ptr<Figure>>& fresh, int inTheCity) {
    delete octree;
    octree = nullptr;
    const int fixed = fixedMovers();
    for (int i = movers.count() - 1; i >= fixed; --i) {
        auto* figure = static_cast<SceneObject*>(movers.get(i));
        removeChild(figure);
        delete figure;
    }
    for (int i = 0; i < departed.count(); ++i) {
        delete departed.get(i);
    }
    departed.clear();
    for (int i = 0; i < int(fresh.size()); ++i) {
        Figure* figure = fresh[i].release();
        if (i < inTheCity) {
            addChild(figure);
        } else {
            departed.add(figure);
        }
    }
}

}  // namespace vortimbal
