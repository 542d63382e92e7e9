// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <memory>
#include <vector>

#include "game/playable_world.h"
#include "models/light.h"
#include "scene/frame_batch.h"
#include "scene/ground_tile.h"
#include "scene/scene_object.h"

namespace vortimbal {

class Figure;
class MaterialPool;
class SnapshotReader;
class SnapshotWriter;

// The whole game: the city's ground, houses and birds, its lamps, the player,
// the citizens and the bad guys, and the rules they live by.
class World : public SceneObject, public PlayableWorld {
  public:
    World();
    // Frees what the world made: departed figures and the figures' material pools.
    ~World() override;

    void setCitizenPool(MaterialPool* pool) { citizenPool = pool; }
    // Lays out the city once: ground, houses, birds, the player and fifty citizens.
    void build();
    int addFigures(int count, bool bad) override;

    void switchOnLights() override;
    bool toggleLight0() override { return toggleLight(light0); }
    bool toggleLight1() override { return toggleLight(light1); }
    // The lamps are uploaded first, under the camera's transform; distant
    // figures are drawn last, all at once.
    void draw() override;

    // One step: everyone moves, falls, stays in the square and is counted.
    void update() override;
    int badGuysLeft() const override { return badGuysCounted; }
    int goodLeft() const override { return goodCounted; }
    int score() const override { return 100 * badGuysShot - 10 * citizensLost; }
    int citizensShot() const override { return citizensLost; }

    // A shot along the shooter's line of sight, through the octree.
    void fire(Figure* shooter);
    void playerFire(bool pressed) override;
    LineOfFire lineOfFire() const override;
    void badGuysAt(std::vector<Vector3>& into) const override;
    // No house stands between the two points.
    bool inSight(const Vector3& from, const Vector3& to) const;
    // A citizen drawn at random, or null after 500 unlucky draws.
    Figure* randomCitizen();
    void resetPlayer(float speedFactor) override;
    void removeBadGuys() override;
    void setDifficulty(Difficulty chosen) override { difficulty = chosen; }
    Difficulty getDifficulty() const override { return difficulty; }

    void steerLeft(bool pressed) override;
    void steerForward(bool pressed) override;
    void steerRight(bool pressed) override;
    void steerBack(bool pressed) override;
    void steerAnalogue(float forward, float right) override;
    void turnPlayer(float degrees) override;

    // A figure that has risen out of the city leaves it for good; it is freed
    // once no one hunts or follows it any more.
    void depart(Figure* figure);

    Figure* getPlayer() const { return player; }

    // What the rules go on from: the counts, every mover, the figures gone but
    // still followed, whom each follows, the camera's target and the tree the
    // last step sorted them into. Restoring replaces every figure but the
    // player; false when the snapshot is not one of this city, with the
    // figures left as they were if it failed before them.
    void save(SnapshotWriter& out) const override;
    bool restore(SnapshotReader& in) override;

    float gravity = 0.15f;
    // More would slow every step to a crawl and fill memory, as a hostile
    // replay could ask for.
    int maxBadGuys = 2000;
    Light light0;
    Light light1;
    Light playerLight;

  private:
    static bool toggleLight(Light& light);
    void addGround();
    void addHouses();
    MaterialPool* makePlayerPool();
    MaterialPool* figurePool(const Color& body, const Color& limbs, const Color& head);
    MaterialPool* badGuyColours();
    void addCitizen();
    void addBadGuy(MaterialPool* pool);
    // The movers laid out once and never replaced: houses, birds, the player.
    int fixedMovers() const;
    void saveMover(SnapshotWriter& out, SceneObject* mover, int target) const;
    void restoreMover(SnapshotReader& in, SceneObject* mover);
    void replaceFigures(std::vector<std::unique_ptr<Figure>>& fresh, int inTheCity);
    int badGuysInTheCity();
    void freeDeparted();
    // Gravity, the ground and the wrap-around for one mover; counts figures.
    void applyRules(SceneObject* mover, int& bad, int& good);
    Figure* figureHitAlong(const Figure* shooter) const;
    bool insideHouse(const Vector3& point) const;

    MaterialPool* citizenPool = nullptr;
    MaterialPool* badGuyPool = nullptr;
    Figure* player = nullptr;
    int badGuysCounted = 0;
    int goodCounted = 0;
    int badGuysShot = 0;
    int citizensLost = 0;
    Difficulty difficulty = Difficulty::Normal;
    List<SceneObject*> houses{8};
    List<Figure*> departed{64};
    FrameBatch figureBatch;
    GroundBatch groundBatch;
    List<MaterialPool*> figurePools{64};
};

}  // namespace vortimbal
