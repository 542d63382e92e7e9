// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <map>
#include <memory>
#include <string>

#include "scene/geometry.h"
#include "scene/vector3.h"

namespace vortimbal {

// The models read with one pool's surfaces, by file and placement, so that a
// model is read once however many objects show it.
class ModelShelf {
  public:
    struct Key {
        std::string file;
        float scale;
        Vector3 offset;
        float angle;

        bool operator<(const Key& other) const;
    };

    // The geometry kept under the key, or null.
    std::shared_ptr<Geometry> find(const Key& key) const;
    void keep(const Key& key, std::shared_ptr<Geometry> geometry);

  private:
    std::map<Key, std::shared_ptr<Geometry>> models;
};

}  // namespace vortimbal
