// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/model_shelf.h"

#include <tuple>

namespace vortimbal {

bool ModelShelf::Key::operator<(const Key& other) const {
    return std::tie(file, scale, offset.x, offset.y, offset.z, angle) <
           std::tie(other.file, other.scale, other.offset.x, other.offset.y, other.offset.z,
                    other.angle);
}

std::shared_ptr<Geometry> ModelShelf::find(const Key& key) const {
    const auto kept = models.find(key);
    return kept == models.end() ? nullptr : kept->second;
}

void ModelShelf::keep(const Key& key, std::shared_ptr<Geometry> geometry) {
    models[key] = std::move(geometry);
}

}  // namespace vortimbal
