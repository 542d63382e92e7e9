// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/mesh.h"

#include <cmath>
#include <cstdlib>

#include "core/array.h"
#include "core/files.h"
#include "core/portable_math.h"
#include "core/random.h"
#include "models/face.h"
#include "models/material.h"
#include "models/material_pool.h"
#include "scene/angles.h"

namespace vortimbal {

namespace {

constexpr int chunkSize = 1024;
constexpr int lineStep = 64;
constexpr int indexStep = 4;
// Larger than any vertex count a list can hold, so a huge index is just out of range.
constexpr long long indexCap = 1LL << 32;

bool isLineEnd(char c) {
    return c == '\n' || c == '\r' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the digits at text, saturating instead of overflowing; returns the
// position after the last digit.
const char* readIndex(const char* text, long long& value) {
    value = 0;
    for (; isDigit(*text); ++text) {
        value = value * 10 + (*text - '0');
        if (value > indexCap) {
            value = indexCap;
        }
    }
    return text;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The start of the field after the one at text; any run of blanks separates.
const char* nextField(const char* text) {
    while (isBlank(*text)) {
        ++text;
    }
    while (*text != 0 && !isBlank(*text)) {
        ++text;
    }
    while (isBlank(*text)) {
        ++text;
    }
    return text;
}

// A face's vertex index as a 0-based position among `known` vertices, or -1
// when out of range; a negative one counts back from the last vertex read.
long long resolveIndex(long long index, bool negative, int known) {
    const long long resolved = negative ? known - index : index - 1;
    return index >= 1 && resolved >= 0 && resolved < known ? resolved : -1;
}

// A NaN would slip past every bounds comparison and an infinity would stretch
// the bounding cubes without end, so NaN becomes 0 and anything beyond the
// limit is held at it: the vertex keeps its place in the list and faces still
// find it by index.
float tameCoordinate(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value > Mesh::coordinateLimit) {
        return Mesh::coordinateLimit;
    }
    if (value < -Mesh::coordinateLimit) {
        return -Mesh::coordinateLimit;
    }
    return value;
}

}  // namespace

Mesh::Mesh(const char* fileName, MaterialPool* materialPool, float scale, SceneObject* parent,
           const Vector3& offset, float angle)
    : SceneObject(materialPool, parent),
      scale(scale),
      offset(offset),
      angle(angle),
      // A model is read once for every run, whichever maths the run uses.
      sinAngle(sine(degreesToRadians(angle), Maths::Portable)),
      cosAngle(cosine(degreesToRadians(angle), Maths::Portable)) {
    name = fileName;
    share(model(fileName));
}

Mesh::~Mesh() = default;

void Mesh::addLighterModel(const char* fileName) {
    const std::uint32_t left = seedRandom();
    seedRandom(left);
    setLighterGeometry(model(fileName));
    seedRandom(left);
}

// Shades come from a sequence of their own, so that a model looks the same
// whoever reads it first; the game's sequence still loses what reading took
// from it before models were shared, so recorded games replay the same.
std::shared_ptr<Geometry> Mesh::model(const char* fileName) {
    const ModelShelf::Key key{fileName, scale, offset, angle};
    std::shared_ptr<Geometry> kept =
        materialPool != nullptr ? materialPool->models().find(key) : nullptr;
    if (kept == nullptr) {
        kept = std::make_shared<Geometry>();
        reading = kept.get();
        currentMaterial = defaultMaterial;
        flatTextures = false;
        const std::uint32_t left = seedRandom();
        try {
            readFile(fileName);
        } catch (...) {
            seedRandom(left);
            throw;
        }
        seedRandom(left);
        if (materialPool != nullptr) {
            materialPool->models().keep(key, kept);
        }
    }
    skipRandom(kept->randomDraws());
    return kept;
}

void Mesh::readFile(const char* fileName) {
    InputFile file(fileName, true);
    Array<char> chunk(chunkSize);
    List<char> line(lineStep);
    bool lineTooLong = false;
    int got = 0;
    do {
        got = file.read(chunk);
        for (int i = 0; i < got; ++i) {
            const char c = chunk.get(i);
            if (isLineEnd(c)) {
                if (!lineTooLong) {
                    line.add(0);
                    processLine(line);
                }
                line.clear();
                lineTooLong = false;
            } else if (line.count() < maxLineLength) {
                line.add(c);
            } else {
                lineTooLong = true;
            }
        }
    } while (got == chunkSize);
    // Tools often end the last line without a line end.
    if (line.count() > 0 && !lineTooLong) {
        line.add(0);
        processLine(line);
    }
}

// The line ends with a 0; only its first two characters decide its kind.
void Mesh::processLine(const List<char>& line) {
    const int length = line.count() - 1;
    if (length <= 0) {
        return;
    }
    const char* text = line.data();
    const char c0 = text[0];
    const char c1 = length > 1 ? text[1] : 0;
    // The text after the keyword's two characters, empty on a shorter line.
    const char* rest = length > 2 ? text + 2 : text + length;
    switch (c0) {
        case 'v':
            if (isBlank(c1)) {
                readVertex(rest);
            }
            break;
        case 'f':
            readFace(rest);
            break;
        case 'u':
            if (c1 == 's') {
                // A bare "usemtl" switches the surface off until the next good name.
                if (length > 6) {
                    useMaterial(text + 7);
                } else {
                    currentMaterial = nullptr;
                }
            }
            break;
        case 'g':
            useMaterial(rest);
            break;
        case 'F':
            flatTextures = true;
            break;
        default:
            break;
    }
}

void Mesh::readVertex(const char* text) {
    const float a = float(std::strtod(text, nullptr)) * scale;
    text = nextField(text);
    const float b = float(std::strtod(text, nullptr)) * scale;
    text = nextField(text);
    const float c = float(std::strtod(text, nullptr)) * scale;
    // Tamed before turning too, so a NaN in one coordinate cannot spread to another.
    const float x = tameCoordinate(a + offset.x);
    const float y = tameCoordinate(c + offset.y);
    const float z = tameCoordinate(b + offset.z);
    reading->addVertex(Vector3(tameCoordinate(cosAngle * x + sinAngle * z), tameCoordinate(y),
                               tameCoordinate(-sinAngle * x + cosAngle * z)));
}

// Only vertex indices count: numbers after a slash are texture or normal
// indices. A face with any index out of range is dropped whole.
void Mesh::readFace(const char* text) {
    reading->trimVertices();
    const int known = reading->vertexCount();
    List<int> indices(indexStep);
    bool valid = true;
    int slashes = 0;
    while (*text != 0) {
        const char c = *text;
        const bool negative = c == '-' && isDigit(text[1]);
        if (isDigit(c) || negative) {
            long long index = 0;
            text = readIndex(negative ? text + 1 : text, index);
            if (slashes == 0) {
                const long long resolved = resolveIndex(index, negative, known);
                if (resolved < 0) {
                    valid = false;
                } else if (valid) {
                    indices.add(int(resolved));
                }
            }
            continue;
        }
        if (c == '/') {
            ++slashes;
        } else if (isBlank(c)) {
            slashes = 0;
        }
        ++text;
    }
    if (!valid) {
        indices.clear();
    }
    indices.trim();
    const int n = indices.count();
    if (currentMaterial == nullptr || n == 0) {
        return;
    }
    // Triangles and quads keep their vertices in the reverse of the file's order.
    if (currentMaterial->isTextured() == 1) {
        if (n != 3) {
            return;
        }
        const int i0 = indices.get(0), i1 = indices.get(1), i2 = indices.get(2);
        if (flatTextures) {
            reading->addFace(new FlatTexturedTriangle(i2, i1, i0, currentMaterial));
        } else {
            reading->addFace(new TexturedTriangle(i2, i1, i0, currentMaterial));
        }
    } else if (n == 3) {
        reading->addFace(
            new Triangle(indices.get(2), indices.get(1), indices.get(0), currentMaterial));
    } else if (n == 4) {
        reading->addFace(new Quad(indices.get(3), indices.get(2), indices.get(1), indices.get(0),
                                  currentMaterial));
    } else {
        reading->addFace(new Polygon(indices, currentMaterial));
    }
}

// An unknown name keeps the surface the faces had.
void Mesh::useMaterial(const char* name) {
    MaterialBase* found = findMaterial(name);
    if (found != nullptr) {
        currentMaterial = found;
    }
}

}  // namespace vortimbal
