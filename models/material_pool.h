// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <iostream>

#include "core/list.h"
#include "models/material.h"
#include "models/model_shelf.h"

namespace vortimbal {

// Surfaces by name, for the model loader. The pool does not own them. Once a
// lookup has succeeded the pool is in use and takes no more surfaces, so every
// model loaded from it sees the same set.
class MaterialPool {
  public:
    // Appends the surface, unless the pool is in use: then it only says so on `messages`.
    void add(MaterialBase* surface, std::ostream& messages = std::cout);
    // The first surface added under this exact name, or null.
    MaterialBase* find(const char* name);

    int count() const { return entries.count(); }
    MaterialBase* entry(int i) const { return entries.get(i); }
    bool isInUse() const { return inUse; }
    // The models read with these surfaces.
    ModelShelf& models() { return shelf; }

  private:
    List<MaterialBase*> entries{64};
    bool inUse = false;
    ModelShelf shelf;
};

}  // namespace vortimbal
