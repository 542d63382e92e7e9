// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/world.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "control/camera.h"
#include "core/random.h"
#include "game/bird.h"
#include "game/city_layout.h"
#include "game/figure.h"
#include "game/game_listener.h"
#include "models/material.h"
#include "models/material_pool.h"
#include "models/mesh.h"
#include "scene/ground_tile.h"
#include "scene/octree.h"
#include "scene/switches.h"

namespace vortimbal {

GameListener* gameListener = nullptr;

const HousePlacement cityHouses[cityHouseCount] = {
    {"obj/house2.obj", 0.05f, {7.0f, 0, 4.5f}, 5, {-18, 0, 24}},
    {"obj/houses.obj", 0.04f, {0, 0, 0}, 0, {-10, 0, 5}},
    {"obj/houses2.obj", 0.04f, {0, 0, 0}, 0, {-11, 0, -9}},
    {"obj/houses2.obj", 0.04f, {0, 0, 0}, 170, {10, 0, 18}},
    {"obj/house2.obj", 0.05f, {7.0f, 0, 4.5f}, 178, {18, 0, 2}},
    {"obj/houses.obj", 0.04f, {0, 0, 0}, 180, {10, 0, -20}},
};

namespace {

constexpr int tilesPerSide = 3;  // on each side of the centre tile
constexpr float tileSpacing = 20;
constexpr float tileHalfSize = 10;
constexpr int birdCount = 50;
constexpr int citizenCount = 50;
constexpr float squareEdge = 70;
constexpr float playerLightHeight = 20;
constexpr int shotSteps = 100;
constexpr float shotStart = 3;
constexpr float hitRadiusSquared = 16;
constexpr int citizenDraws = 500;

void setLight(Light& light, const Color& ambient, const Color& diffuse, const Color& specular,
              const Color& position) {
    light.ambient = ambient;
    light.diffuse = diffuse;
    light.specular = specular;
    light.position = position;
}

Figure* asFigure(SceneObject* object) {
    return object != nullptr && object->classId() == Figure::FigureClassId
               ? static_cast<Figure*>(object)
               : nullptr;
}

// Every mover of the world is a scene object.
Figure* asFigure(Controller* mover) {
    return asFigure(static_cast<SceneObject*>(mover));
}

// Moves a coordinate that left the square over to the other side, and its
// drawn copy with it, so the object does not slide across the city. True when
// it did.
bool wrap(float& coordinate, float& drawn) {
    if (coordinate < -squareEdge) {
        coordinate = drawn = squareEdge;
    } else if (coordinate > squareEdge) {
        coordinate = drawn = -squareEdge;
    } else {
        return false;
    }
    return true;
}

}  // namespace

World::World()
    : SceneObject(nullptr, nullptr), light0(GL_LIGHT0), light1(GL_LIGHT1), playerLight(GL_LIGHT2) {
    setLight(light0, Color(0.15f, 0.15f, 0.1f, 1), Color(0.23f, 0.22f, 0.14f, 1),
             Color(0.4f, 0.4f, 0.3f, 1), Color(0, 28, 5, 1));
    setLight(light1, Color(0.1f, 0.1f, 0.15f, 1), Color(0.2f, 0.2f, 0.25f, 1),
             Color(0.4f, 0.4f, 0.4f, 1), Color(5, 28, -25, 1));
    setLight(playerLight, Color(0.2f, 0.2f, 0.3f, 1), Color(0.27f, 0.27f, 0.32f, 1),
             Color(0.5f, 0.5f, 0.5f, 1), Color(5, 20, 5, 1));
}

World::~World() {
    for (int i = 0; i < departed.count(); ++i) {
        delete departed.get(i);
    }
    for (int i = 0; i < figurePools.count(); ++i) {
        MaterialPool* pool = figurePools.get(i);
        for (int m = 0; m < pool->count(); ++m) {
            delete pool->entry(m);
        }
        delete pool;
    }
}

void World::depart(Figure* figure) {
    removeChild(figure);
    departed.add(figure);
}

// A bad guy may still hunt a citizen that left: it goes on towards where that
// one was, as it always has, so the citizen is kept until no one follows it.
void World::freeDeparted() {
    for (int d = departed.count() - 1; d >= 0; --d) {
        Controller* gone = departed.get(d);
        bool followed = camera.getTarget() == gone;
        for (int i = 0; i < movers.count() && !followed; ++i) {
            followed = movers.get(i)->getTarget() == gone;
        }
        if (!followed) {
            delete departed.get(d);
            departed.removeAt(d);
        }
    }
}

// A pool of the four materials a figure's parts are painted with.
MaterialPool* World::figurePool(const Color& body, const Color& limbs, const Color& head) {
    const Color black(0, 0, 0, 1);
    auto* pool = new MaterialPool;
    pool->add(new Material("body", body, black));
    pool->add(new Material("arm", limbs, black));
    pool->add(new Material("leg", limbs, black));
    pool->add(new Material("head", head, black));
    figurePools.add(pool);
    return pool;
}

void World::build() {
    addGround();
    addHouses();
    MaterialPool* playerPool = makePlayerPool();
    for (int i = 0; i < birdCount; ++i) {
        addChild(new Bird(citizenPool));
    }
    player = new Figure(playerPool, this);
    addChild(player);
    addFigures(citizenCount, false);
    // Counted now, so a New Game chosen before the first step adds no one.
    goodCounted = citizenCount + 1;
    camera.setTarget(player);
}

void World::addGround() {
    int k = 0;
    for (int i = -tilesPerSide; i <= tilesPerSide; ++i) {
        for (int j = -tilesPerSide; j <= tilesPerSide; ++j) {
            auto* tile = new GroundTile(tileHalfSize, 0);
            tile->position = Vector3(tileSpacing * float(i), 0, tileSpacing * float(j));
            tile->rotation.y = 180.0f * float(k++);
            addChild(tile);
        }
    }
}

void World::addHouses() {
    for (const HousePlacement& house : cityHouses) {
        auto* mesh =
            new Mesh(house.file, citizenPool, house.scale, nullptr, house.offset, house.angle);
        mesh->position = house.position;
        mesh->placed();
        addChild(mesh);
        houses.add(mesh);
    }
}

MaterialPool* World::makePlayerPool() {
    return figurePool(Color(0.8f, 0.8f, 1.0f, 1), Color(0.7f, 0.7f, 1.0f, 1),
                      Color(1.0f, 1.0f, 1.0f, 1));
}

int World::addFigures(int count, bool bad) {
    if (bad) {
        count = std::min(count, maxBadGuys - badGuysInTheCity());
    }
    if (count <= 0) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        if (bad) {
            addBadGuy(badGuyColours());
        } else {
            addCitizen();
        }
    }
    return count;
}

MaterialPool* World::badGuyColours() {
    if (badGuyPool == nullptr) {
        badGuyPool =
            figurePool(Color(0.5f, 0, 0, 1), Color(0.5f, 0, 0, 1), Color(1.0f, 0.5f, 0.5f, 1));
    }
    return badGuyPool;
}

int World::badGuysInTheCity() {
    int count = 0;
    for (int i = 0; i < movers.count(); ++i) {
        const Figure* figure = asFigure(movers.get(i));
        count += figure != nullptr && figure->isBad() ? 1 : 0;
    }
    return count;
}

// Nine in ten citizens circle the player; the rest may follow him too.
void World::addCitizen() {
    auto* citizen = new Figure(citizenPool, this);
    addChild(citizen);
    citizen->setTarget(player);
    if (rand() % 10 != 0) {
        citizen->setMode(2 + rand() % 2);
    } else {
        citizen->setMode(rand() % 4);
    }
    const float z = float(50 - rand() % 100);
    const float y = float(50 - rand() % 100);
    const float x = float(50 - rand() % 100);
    citizen->position += Vector3(x, y, z);
    citizen->placed();
    citizen->linearStep = float(rand() % 100) / 10000 + 0.09f;
}

void World::switchOnLights() {
    for (Light* light : {&light0, &light1, &playerLight}) {
        light->upload();
        light->enable();
    }
}

bool World::toggleLight(Light& light) {
    light.toggle();
    return light.isEnabled();
}

void World::draw() {
    light0.upload();
    light1.upload();
    playerLight.upload();
    FrameBatch::open = &figureBatch;
    GroundBatch::open = &groundBatch;
    try {
        SceneObject::draw();
    } catch (...) {
        FrameBatch::open = nullptr;
        GroundBatch::open = nullptr;
        throw;
    }
    FrameBatch::open = nullptr;
    GroundBatch::open = nullptr;
    // The tiles are the city's first children, so they came last: the same
    // order as when each drew itself.
    groundBatch.draw();
    figureBatch.draw();
}

void World::update() {
    if (player != nullptr) {
        playerLight.position.set(player->position.x, player->position.y + playerLightHeight,
                                 player->position.z, 1);
    }
    SceneObject::update();
    int bad = 0;
    int good = 0;
    for (int i = movers.count() - 1; i >= 0; --i) {
        applyRules(static_cast<SceneObject*>(movers.get(i)), bad, good);
    }
    badGuysCounted = bad;
    goodCounted = good;
    freeDeparted();
}

void World::applyRules(SceneObject* mover, int& bad, int& good) {
    mover->velocity.y -= gravity;
    if (mover->position.y <= 0) {
        mover->position.y = 0;
        if (mover->velocity.y < 0) {
            mover->velocity.y = 0;
        }
    }
    if (Figure* figure = asFigure(mover); figure != nullptr && !figure->isWithdrawn()) {
        (figure->isBad() ? bad : good) += 1;
    }
    const bool wrappedX = wrap(mover->position.x, mover->drawPosition.x);
    if (wrap(mover->position.z, mover->drawPosition.z) || wrappedX) {
        mover->holdDrawnPose();
    }
}

void World::fire(Figure* shooter) {
    // A figure on its way out of the city is out of the game: it neither
    // shoots nor counts again.
    if (shooter == nullptr || shooter->isRising()) {
        return;
    }
    if (gameListener != nullptr) {
        gameListener->shotFired(shooter->position);
    }
    Figure* target = figureHitAlong(shooter);
    if (target == nullptr || target->isRising() || (target->isBad() && shooter->isBad()) ||
        target == player) {
        return;
    }
    (target->isBad() ? badGuysShot : citizensLost) += 1;
    target->hit();
    if (gameListener != nullptr) {
        gameListener->figureHit(target->position, target->isBad());
    }
}

// The first figure other than the shooter within reach of p, looking at the
// objects from last to first.
template <typename Objects>
Figure* figureNear(const Vector3& p, const Figure* shooter, const Objects& objects, int count) {
    for (int i = count - 1; i >= 0; --i) {
        Figure* figure = asFigure(objects.get(i));
        if (figure != nullptr && figure != shooter &&
            (p - figure->position).lengthSquared() < hitRadiusSquared) {
            return figure;
        }
    }
    return nullptr;
}

// The first figure within reach of the points 4 to 103 units ahead, or null.
// The octree only narrows the search to one cell; without it every mover is
// looked at, so the switch never changes what a shot hits.
Figure* World::figureHitAlong(const Figure* shooter) const {
    const bool throughOctree = useOctrees && octree != nullptr;
    const bool housesStop = shooter->isBad() && rulesOf(difficulty).housesStopShots;
    const Vector3 direction = shooter->forward();
    Vector3 point = shooter->position + direction * shotStart;
    for (int step = 0; step < shotSteps; ++step) {
        point = point + direction;
        if (housesStop && insideHouse(point)) {
            return nullptr;
        }
        Figure* figure = nullptr;
        if (!throughOctree) {
            figure = figureNear(point, shooter, movers, movers.count());
        } else if (Octree* leaf = octree->findLeaf(point)) {
            const Array<SceneObject*> objects = leaf->leafObjects();
            figure = figureNear(point, shooter, objects, objects.size());
        }
        if (figure != nullptr) {
            return figure;
        }
    }
    return nullptr;
}

// Within a house's walls, as its model's bounds stand in the city.
bool World::insideHouse(const Vector3& point) const {
    for (int i = 0; i < houses.count(); ++i) {
        const SceneObject* house = houses.get(i);
        const Vector3 low = house->position + house->getVertexMin();
        const Vector3 high = house->position + house->getVertexMax();
        if (point.x >= low.x && point.x <= high.x && point.z >= low.z && point.z <= high.z &&
            point.y <= high.y) {
            return true;
        }
    }
    return false;
}

bool World::inSight(const Vector3& from, const Vector3& to) const {
    const Vector3 way = to - from;
    const int steps = int(std::sqrt(way.lengthSquared()));
    for (int i = 1; i < steps; ++i) {
        if (insideHouse(from + way * (float(i) / float(steps)))) {
            return false;
        }
    }
    return true;
}

LineOfFire World::lineOfFire() const {
    LineOfFire line;
    if (player == nullptr) {
        return line;
    }
    line.from = player->position;
    line.direction = player->forward();
    const Figure* target = figureHitAlong(player);
    if (target != nullptr && !target->isRising()) {
        line.target = target->isBad() ? LineOfFire::BadGuy : LineOfFire::Citizen;
        line.targetAt = target->position;
    }
    return line;
}

void World::badGuysAt(std::vector<Vector3>& into) const {
    into.clear();
    for (int i = 0; i < movers.count(); ++i) {
        const Figure* figure = asFigure(movers.get(i));
        if (figure != nullptr && figure->isBad() && !figure->isRising()) {
            into.push_back(figure->position);
        }
    }
}

void World::playerFire(bool pressed) {
    if (pressed) {
        fire(player);
    }
}

Figure* World::randomCitizen() {
    if (movers.count() == 0) {
        return nullptr;
    }
    for (int draw = 0; draw < citizenDraws; ++draw) {
        Figure* figure = asFigure(movers.get(rand() % movers.count()));
        if (figure != nullptr && figure != player && !figure->isBad()) {
            return figure;
        }
    }
    return nullptr;
}

void World::resetPlayer(float speedFactor) {
    if (player != nullptr) {
        player->reset(speedFactor);
    }
}

// Citizens hit by the last game and still rising leave with its bad guys: the
// new game's census must not count them, or it refills the city one short per
// citizen and their going costs nothing.
void World::removeBadGuys() {
    for (int i = movers.count() - 1; i >= 0; --i) {
        Figure* figure = asFigure(movers.get(i));
        if (figure == nullptr || figure->isWithdrawn()) {
            continue;
        }
        if (figure->isBad()) {
            figure->withdraw();
        } else if (figure->isRising()) {
            figure->withdraw();
            goodCounted -= 1;
        }
    }
    badGuysShot = 0;
    citizensLost = 0;
}

void World::steerLeft(bool pressed) {
    if (player != nullptr) {
        player->setTurnLeft(pressed);
    }
}

void World::steerForward(bool pressed) {
    if (player != nullptr) {
        player->setForward(pressed);
    }
}

void World::steerRight(bool pressed) {
    if (player != nullptr) {
        player->setTurnRight(pressed);
    }
}

void World::turnPlayer(float degrees) {
    if (player != nullptr) {
        player->rotation.y -= degrees;
    }
}

void World::steerAnalogue(float forward, float right) {
    if (player == nullptr) {
        return;
    }
    player->setForward(forward > 0);
    player->setBackward(forward < 0);
    player->setTurnRight(right > 0);
    player->setTurnLeft(right < 0);
    player->forwardScale = forward != 0 ? std::fabs(forward) : 1.0f;
    player->turnScale = right != 0 ? std::fabs(right) : 1.0f;
}

void World::steerBack(bool pressed) {
    if (player != nullptr) {
        player->setBackward(pressed);
    }
}

}  // namespace vortimbal
