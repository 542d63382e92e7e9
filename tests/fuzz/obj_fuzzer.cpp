// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// libFuzzer entry point: the OBJ reader on arbitrary bytes, and every face it
// kept drawn into the GL stand-in. Besides the sanitizers' checks, every
// vertex must stay within the coordinate limit and no face may reach past the
// vertices: drawing one throws then.

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/exception.h"
#include "gl_recorder.h"
#include "models/face.h"
#include "models/material_pool.h"
#include "models/mesh.h"

using namespace vortimbal;

namespace {

// A texture without an image, so textured faces are made too.
class PlainTexture : public MaterialBase {
  public:
    PlainTexture() : MaterialBase("bmp/1.bmp") {}
    void apply() override {}
    int isTextured() const override { return 1; }
};

MaterialPool& pool() {
    static Material white("white", Color(1, 1, 1, 1), Color(0, 0, 0, 1));
    static Material glass("glass", Color(0, 0, 1, 0.5f), Color(0, 0, 0, 1));
    static PlainTexture texture;
    static MaterialPool surfaces;
    if (surfaces.count() == 0) {
        defaultMaterial = &white;
        for (MaterialBase* surface :
             {static_cast<MaterialBase*>(&white), static_cast<MaterialBase*>(&glass),
              static_cast<MaterialBase*>(&texture)}) {
            surfaces.add(surface);
        }
    }
    return surfaces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader takes a file name: a file in memory has one under /proc.
    static const int file = memfd_create("obj_fuzz", 0);
    static const std::string name = "/proc/self/fd/" + std::to_string(file);
    if (file < 0 || ftruncate(file, 0) != 0 ||
        pwrite(file, data, size, 0) != static_cast<ssize_t>(size)) {
        return 0;
    }
    glrec::reset();
    try {
        Mesh mesh(name.c_str(), &pool(), 0.5f, nullptr, Vector3(1, 2, 3), 30);
        for (int i = 0; i < mesh.getVertices().count(); ++i) {
            const Vector3& v = mesh.getVertices().get(i);
            for (float c : {v.x, v.y, v.z}) {
                if (!(std::fabs(c) <= Mesh::coordinateLimit)) {
                    __builtin_trap();
                }
            }
        }
        for (int i = 0; i < mesh.getFaces().count(); ++i) {
            mesh.getFaces().get(i)->draw(mesh.getVertices());
        }
    } catch (Exception* error) {
        __builtin_trap();  // the file always opens; a face out of range is the fault
    }
    return 0;
}
