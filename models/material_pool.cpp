// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/material_pool.h"

namespace vortimbal {

void MaterialPool::add(MaterialBase* surface, std::ostream& messages) {
    if (inUse) {
        messages << "material pool in use : could not add new materials to it.\n";
        return;
    }
    entries.add(surface);
}

MaterialBase* MaterialPool::find(const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < entries.count(); ++i) {
        MaterialBase* surface = entries.get(i);
        if (surface != nullptr && surface->getName() == name) {
            inUse = true;
            return surface;
        }
    }
    return nullptr;
}

}  // namespace vortimbal
