#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

"""Builds the game's models and writes them as OBJ files.

    tools/make_models.py [folder]     (default: data/obj)

Three houses for the city (house2, houses, houses2), the four parts of a
figure (body, arm, head, leg), the same parts lighter for far away (body_far
and so on) and a bird. Everything is drawn here in the
frame the game shows it in: y up, units of the city, each part placed where
the game puts it. Each model is then written in the units of its file, undoing
the scale and offset the game loads it with.

What the game's loader reads, and so what this writes:
- "v a b c" with single blanks, the file's third number being the height and
  its second the depth;
- faces of three or four vertices, whose order the loader reverses: a face is
  given here counter-clockwise as seen from outside and written clockwise;
- textured faces only as triangles, and every textured triangle shows the same
  corner of its texture, so a textured rectangle is two triangles split along
  the falling diagonal (one shows the picture mirrored, the other upside down);
- surfaces by name with "usemtl".
"""

import math
import os
import sys

STONE, BRICK, WINDOWS, ROOF, WOOD, GRASS = (f"bmp/{i}.bmp" for i in range(1, 7))


def add(p, q):
    return (p[0] + q[0], p[1] + q[1], p[2] + q[2])


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1], p[2] - q[2])


def mul(p, s):
    return (p[0] * s, p[1] * s, p[2] * s)


def cross(u, v):
    return (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])


def dot(u, v):
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]


def number(v):
    text = f"{v:.4f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


class Model:
    """One OBJ file. Points are in the game's frame; `origin` is where the
    game puts the model's frame and `scale`, `offset` what it loads it with."""

    def __init__(self, title, scale=1.0, offset=(0, 0, 0), origin=(0, 0, 0), flip=False):
        self.title = title
        self.scale = scale
        self.offset = offset
        self.origin = origin
        self.flip = flip  # the game draws the model turned upside down about z
        self.vertices = []
        self.index = {}
        self.faces = []
        self.surface = None
        self.textured = 0

    def vertex(self, p):
        x, y, z = sub(p, self.origin)
        if self.flip:
            x, y = -x, -y
        a = (x - self.offset[0]) / self.scale
        b = (z - self.offset[2]) / self.scale
        c = (y - self.offset[1]) / self.scale
        key = f"v {number(a)} {number(b)} {number(c)}"
        if key not in self.index:
            self.vertices.append(key)
            self.index[key] = len(self.vertices)
        return self.index[key]

    def use(self, surface):
        if surface != self.surface:
            self.faces.append(f"usemtl {surface}")
            self.surface = surface

    def face(self, surface, *points):
        """A plain face, counter-clockwise as seen from outside."""
        assert len(points) in (3, 4)
        self.use(surface)
        ids = [self.vertex(p) for p in reversed(points)]
        self.faces.append("f " + " ".join(map(str, ids)))

    def texture_rect(self, texture, bl, br, tr, tl):
        """A textured rectangle, its corners counter-clockwise from outside."""
        self.use(texture)
        for corners in ((tl, tr, br), (br, bl, tl)):
            self.faces.append("f " + " ".join(str(self.vertex(p)) for p in corners))
            self.textured += 1

    def texture_triangle(self, texture, a, b, c):
        """A textured triangle, counter-clockwise from outside; the picture's
        corner runs up from a to b and across from b to c."""
        self.use(texture)
        self.faces.append("f " + " ".join(str(self.vertex(p)) for p in (c, b, a)))
        self.textured += 1

    def rect(self, surface, corner, right, up, tiles=(1, 1)):
        """A rectangle from `corner` along `right` and `up`; it faces right x up.
        A texture is laid on it in tiles, one whole picture per tile."""
        if not surface.startswith("bmp/"):
            self.face(surface, corner, add(corner, right), add(add(corner, right), up),
                      add(corner, up))
            return
        nx, ny = tiles
        for i in range(nx):
            for j in range(ny):
                bl = add(add(corner, mul(right, i / nx)), mul(up, j / ny))
                br = add(bl, mul(right, 1 / nx))
                self.texture_rect(surface, bl, br, add(br, mul(up, 1 / ny)),
                                  add(bl, mul(up, 1 / ny)))

    def box(self, surface, lo, hi, sides=None, skip=()):
        """An axis-aligned box; `sides` may give the four walls their own
        surface and tiles as {"+x": (surface, tiles), ...}."""
        x0, y0, z0 = lo
        x1, y1, z1 = hi
        dx, dy, dz = x1 - x0, y1 - y0, z1 - z0
        walls = {
            "+x": ((x1, y0, z1), (0, 0, -dz), (0, dy, 0)),
            "-x": ((x0, y0, z0), (0, 0, dz), (0, dy, 0)),
            "+z": ((x0, y0, z1), (dx, 0, 0), (0, dy, 0)),
            "-z": ((x1, y0, z0), (-dx, 0, 0), (0, dy, 0)),
            "+y": ((x0, y1, z1), (dx, 0, 0), (0, 0, -dz)),
            "-y": ((x0, y0, z0), (dx, 0, 0), (0, 0, dz)),
        }
        for name, (corner, right, up) in walls.items():
            if name in skip:
                continue
            own, tiles = (sides or {}).get(name, (surface, (1, 1)))
            self.rect(own, corner, right, up, tiles)

    def loft(self, surface, rings, cap_top=True, cap_bottom=True):
        """A tube through rings of points made by `ring`, lowest ring first,
        closed at both ends unless told otherwise."""
        n = len(rings[0])
        for low, high in zip(rings, rings[1:]):
            for k in range(n):
                m = (k + 1) % n
                self.face(surface, low[k], low[m], high[m], high[k])
        for ring, cap, upward in ((rings[-1], cap_top, True), (rings[0], cap_bottom, False)):
            if not cap:
                continue
            centre = mul(ring[0], 0)
            for p in ring:
                centre = add(centre, mul(p, 1 / n))
            for k in range(n):
                m = (k + 1) % n
                if upward:
                    self.face(surface, centre, ring[k], ring[m])
                else:
                    self.face(surface, centre, ring[m], ring[k])

    def write(self, path):
        with open(path, "w", newline="\n") as out:
            out.write(f"# {self.title}\n# Made by tools/make_models.py; edit that instead.\n")
            out.write(f"# {len(self.vertices)} vertices, {self.face_count()} faces\n")
            for line in self.vertices:
                out.write(line + "\n")
            for line in self.faces:
                out.write(line + "\n")

    def face_count(self):
        return sum(1 for line in self.faces if line.startswith("f "))


def ring(centre, rx, rz, sides=8, turn=0.0):
    """Points around a vertical axis at height centre[1], for `Model.loft`."""
    cx, y, cz = centre
    points = []
    for k in range(sides):
        angle = 2 * math.pi * (k + turn) / sides
        points.append((cx + rx * math.cos(angle), y, cz - rz * math.sin(angle)))
    return points


# ---------------------------------------------------------------------------
# Houses. The city keeps the square around the player's start free, so every
# house stays within about six units of the place it is put.


def window(m, corner, right, up, width, height, normal):
    """A framed glass window standing a little out of a wall."""
    out = mul(normal, 0.04)
    base = add(corner, out)
    r = mul(right, 1 / math.sqrt(dot(right, right)))
    u = mul(up, 1 / math.sqrt(dot(up, up)))
    f = 0.12  # frame width
    m.rect("bone1", base, mul(r, width), mul(u, f))
    m.rect("bone1", add(base, mul(u, height - f)), mul(r, width), mul(u, f))
    m.rect("bone1", add(base, mul(u, f)), mul(r, f), mul(u, height - 2 * f))
    m.rect("bone1", add(add(base, mul(u, f)), mul(r, width - f)), mul(r, f),
           mul(u, height - 2 * f))
    m.rect("bone1", add(add(base, mul(u, height * 0.55)), mul(r, f)), mul(r, width - 2 * f),
           mul(u, f * 0.6))
    m.rect("glass", add(add(base, mul(u, f)), mul(r, f)), mul(r, width - 2 * f),
           mul(u, height - 2 * f))
    # The sill sticks out below the window.
    sill = add(add(base, mul(u, -0.1)), mul(r, -0.1))
    m.rect("estrade", add(sill, mul(normal, 0.2)), mul(r, width + 0.2), mul(u, 0.12))
    m.rect("estrade", add(add(sill, mul(normal, 0.2)), mul(u, 0.12)), mul(r, width + 0.2),
           mul(normal, -0.2))


def door(m, corner, right, width, height, normal):
    """A wooden door with a dark frame, standing a little out of a wall."""
    out = mul(normal, 0.05)
    r = mul(right, 1 / math.sqrt(dot(right, right)))
    up = (0, 1, 0)
    m.rect("dkgrey", add(corner, mul(out, 0.5)), mul(r, width + 0.3), mul(up, height + 0.15))
    m.rect(WOOD, add(add(corner, out), mul(r, 0.15)), mul(r, width), mul(up, height))


def hip_roof(m, lo, hi, height, overhang=0.4):
    """Tiled roof over the rectangle lo..hi (x, z) at eave height lo[1]."""
    x0, y, z0 = lo[0] - overhang, lo[1], lo[2] - overhang
    x1, z1 = hi[0] + overhang, hi[2] + overhang
    inset = (z1 - z0) / 2
    top = y + height
    r0, r1 = (x0 + inset, top, (z0 + z1) / 2), (x1 - inset, top, (z0 + z1) / 2)
    a, b, c, d = (x0, y, z1), (x1, y, z1), (x1, y, z0), (x0, y, z0)
    # The long sides are trapezoids, the ends triangles.
    for corners in ((a, b, r1, r0), (c, d, r0, r1)):
        m.texture_rect(ROOF, *corners)
    # The ends: the rows of tiles run along the eaves.
    for apex, left, right in ((r0, d, a), (r1, b, c)):
        m.texture_triangle(ROOF, apex, left, right)
    # The eaves seen from below.
    m.face("estrade2", a, d, c, b)


def house2():
    """A brick house with a tiled hip roof, a door to the street (+x) and a
    chimney. Loaded at scale 0.05 with offset (7, 0, 4.5): drawn here around
    that offset."""
    m = Model("Brick house", scale=0.05, offset=(7.0, 0, 4.5))
    cx, cz = 7.0, 4.5
    x0, x1, z0, z1 = cx - 4.5, cx + 4.5, cz - 3.5, cz + 3.5
    wall_top = 6.0
    # Stone plinth, then brick walls.
    m.box("estrade", (x0 - 0.1, 0, z0 - 0.1), (x1 + 0.1, 0.6, z1 + 0.1), skip=("-y",),
          sides={k: (STONE, (t, 1)) for k, t in (("+x", 5), ("-x", 5), ("+z", 6), ("-z", 6))})
    m.box(BRICK, (x0, 0.6, z0), (x1, wall_top, z1), skip=("-y", "+y"),
          sides={"+x": (BRICK, (3, 2)), "-x": (BRICK, (3, 2)), "+z": (BRICK, (4, 2)),
                 "-z": (BRICK, (4, 2))})
    # Windows: two storeys on every side, a door in the middle of the front.
    for storey, sill in ((0, 1.2), (1, 3.9)):
        for z in (z0 + 0.9, z1 - 2.1):
            window(m, (x1, sill, z + 1.2), (0, 0, -1), (0, 1, 0), 1.2, 1.6, (1, 0, 0))
            window(m, (x0, sill, z), (0, 0, 1), (0, 1, 0), 1.2, 1.6, (-1, 0, 0))
        if storey == 1:
            window(m, (x1, sill, cz + 0.6), (0, 0, -1), (0, 1, 0), 1.2, 1.6, (1, 0, 0))
        for x in (x0 + 1.0, cx - 0.6, x1 - 2.2):
            window(m, (x, sill, z1), (1, 0, 0), (0, 1, 0), 1.2, 1.6, (0, 0, 1))
            window(m, (x + 1.2, sill, z0), (-1, 0, 0), (0, 1, 0), 1.2, 1.6, (0, 0, -1))
    door(m, (x1, 0.6, cz + 0.75), (0, 0, -1), 1.2, 2.2, (1, 0, 0))
    # Steps up to the door.
    m.box("estrade2", (x1, 0, cz - 0.9), (x1 + 0.9, 0.3, cz + 0.9), skip=("-y", "-x"))
    m.box("estrade2", (x1, 0.3, cz - 0.9), (x1 + 0.5, 0.6, cz + 0.9), skip=("-y", "-x"))
    hip_roof(m, (x0, wall_top, z0), (x1, wall_top, z1), 3.2)
    # A brick chimney with a red pot.
    m.box(BRICK, (x0 + 2.0, 6.5, z0 + 1.0), (x0 + 2.8, 9.6, z0 + 1.8), skip=("-y", "+y"))
    m.box("fldkdkgrey", (x0 + 1.9, 9.6, z0 + 0.9), (x0 + 2.9, 9.8, z0 + 1.9), skip=())
    m.box("redbrick", (x0 + 2.25, 9.8, z0 + 1.25), (x0 + 2.55, 10.1, z0 + 1.55), skip=("-y",))
    return m


def townhouse(m, x0, x1, z0, z1, tiles_up, roof, shop):
    """One house of a row: a stone ground floor with a shop window or a door
    on the street (+x), plastered storeys with windows above, and a flat
    roof with a cornice or a tiled ridge roof."""
    ground = 3.2
    tile_height = 6.0 if tiles_up == 1 else 4.5
    top = ground + tile_height * tiles_up
    width, depth = x1 - x0, z1 - z0
    across = max(1, round(depth / 4.5))
    along = max(1, round(width / 4.5))
    m.box(STONE, (x0, 0, z0), (x1, ground, z1), skip=("-y", "+y"),
          sides={"+x": (STONE, (2, 1)), "-x": (STONE, (2, 1)), "+z": (STONE, (2, 1)),
                 "-z": (STONE, (2, 1))})
    m.box(WINDOWS, (x0, ground, z0), (x1, top, z1), skip=("-y", "+y"),
          sides={"+x": (WINDOWS, (across, tiles_up)), "-x": (WINDOWS, (across, tiles_up)),
                 "+z": (WINDOWS, (along, tiles_up)), "-z": (WINDOWS, (along, tiles_up))})
    # A band between the shop and the storeys.
    m.box("estrade", (x0 - 0.15, ground - 0.25, z0 - 0.15), (x1 + 0.15, ground, z1 + 0.15))
    mid = (z0 + z1) / 2
    if shop:
        m.rect("Object001", (x1 + 0.03, 0.4, z1 - 0.5), (0, 0, -(depth / 2 - 0.9)), (0, 2.3, 0))
        m.rect("glass", (x1 + 0.06, 0.55, z1 - 0.65), (0, 0, -(depth / 2 - 1.2)), (0, 2.0, 0))
        door(m, (x1, 0, mid - 0.4), (0, 0, -1), 1.1, 2.3, (1, 0, 0))
    else:
        door(m, (x1, 0, mid + 0.65), (0, 0, -1), 1.1, 2.3, (1, 0, 0))
        window(m, (x1, 0.9, z1 - 0.6), (0, 0, -1), (0, 1, 0), 1.4, 1.6, (1, 0, 0))
        window(m, (x1, 0.9, z0 + 2.0), (0, 0, -1), (0, 1, 0), 1.4, 1.6, (1, 0, 0))
    if roof == "flat":
        # The roof is the top of a cornice, with a parapet around it.
        m.box("fldkdkgrey", (x0 - 0.2, top - 0.3, z0 - 0.2), (x1 + 0.2, top + 0.1, z1 + 0.2),
              sides={"+y": ("dkgrey", (1, 1))}, skip=("-y",))
        for lo, hi in (((x0 - 0.2, z0 - 0.2), (x1 + 0.2, z0 + 0.1)),
                       ((x0 - 0.2, z1 - 0.1), (x1 + 0.2, z1 + 0.2)),
                       ((x0 - 0.2, z0 + 0.1), (x0 + 0.1, z1 - 0.1)),
                       ((x1 - 0.1, z0 + 0.1), (x1 + 0.2, z1 - 0.1))):
            m.box("fldkdkgrey", (lo[0], top + 0.1, lo[1]), (hi[0], top + 0.7, hi[1]),
                  skip=("-y",))
    else:
        hip_roof(m, (x0, top, z0), (x1, top, z1), 2.6, overhang=0.3)
    return top


def houses():
    """A row of three town houses along the street (+x), loaded at scale 0.04."""
    m = Model("Row of town houses", scale=0.04)
    townhouse(m, -3.0, 3.0, 0.5, 4.5, 1, "flat", shop=True)
    townhouse(m, -3.5, 2.5, -3.5, 0.5, 2, "flat", shop=False)
    townhouse(m, -3.0, 3.0, -7.5, -3.5, 1, "ridge", shop=True)
    return m


def tower(m, x0, x1, z0, z1, floors):
    """An office tower: glass storeys between grey floor bands."""
    storey = 3.0
    y = 0.0
    m.box("Object001", (x0, 0, z0), (x1, 0.8, z1), skip=("-y",))
    y = 0.8
    for _ in range(floors):
        glass_top = y + storey - 0.6
        m.box("glass", (x0 + 0.1, y, z0 + 0.1), (x1 - 0.1, glass_top, z1 - 0.1),
              skip=("-y", "+y"))
        m.box("estrade2", (x0, glass_top, z0), (x1, y + storey, z1))
        # Mullions on every side.
        for t in (0.25, 0.5, 0.75):
            x = x0 + (x1 - x0) * t
            z = z0 + (z1 - z0) * t
            m.box("Object001", (x - 0.07, y, z1 - 0.12), (x + 0.07, glass_top, z1 - 0.02),
                  skip=("-y", "+y", "-z"))
            m.box("Object001", (x - 0.07, y, z0 + 0.02), (x + 0.07, glass_top, z0 + 0.12),
                  skip=("-y", "+y", "+z"))
            m.box("Object001", (x1 - 0.12, y, z - 0.07), (x1 - 0.02, glass_top, z + 0.07),
                  skip=("-y", "+y", "-x"))
            m.box("Object001", (x0 + 0.02, y, z - 0.07), (x0 + 0.12, glass_top, z + 0.07),
                  skip=("-y", "+y", "+x"))
        y += storey
    m.box("fldkdkgrey", (x0 - 0.2, y, z0 - 0.2), (x1 + 0.2, y + 0.4, z1 + 0.2))
    # Machinery on the roof.
    m.box("dkgrey", (x0 + 1.0, y + 0.4, z0 + 1.0), (x0 + 2.6, y + 1.6, z0 + 2.4), skip=("-y",))


def houses2():
    """A glass office tower with a brick hall beside it on the street (+x),
    loaded at scale 0.04."""
    m = Model("Office tower and hall", scale=0.04)
    tower(m, -5.5, 0.5, -5.0, 1.0, 3)
    # The hall: brick walls, tall windows, a tiled roof and a door.
    x0, x1, z0, z1 = -5.0, 5.5, 1.0, 5.5
    m.box(BRICK, (x0, 0, z0), (x1, 5.0, z1), skip=("-y", "+y"),
          sides={"+x": (BRICK, (2, 2)), "-x": (BRICK, (2, 2)), "+z": (BRICK, (4, 2)),
                 "-z": (BRICK, (4, 2))})
    for x in (-3.6, -1.1, 1.4, 3.9):
        window(m, (x, 1.4, z1), (1, 0, 0), (0, 1, 0), 1.1, 2.8, (0, 0, 1))
    door(m, (x1, 0, 3.9), (0, 0, -1), 1.6, 2.6, (1, 0, 0))
    # A canopy over the door.
    m.box("fldkdkgrey", (x1, 2.8, 2.9), (x1 + 1.0, 3.0, 5.0), skip=("-x",))
    hip_roof(m, (x0, 5.0, z0), (x1, 5.0, z1), 2.2)
    # A low wall in front of the tower with a planted bed.
    m.box("estrade", (0.5, 0, -5.0), (5.5, 0.7, -4.4), skip=("-y",))
    m.box("estrade", (5.0, 0, -4.4), (5.5, 0.7, 0.6), skip=("-y",))
    m.box("PINC2_LEAF", (0.8, 0.7, -4.9), (5.2, 1.1, -4.5), skip=("-y",))
    return m


# ---------------------------------------------------------------------------
# The figure. Drawn in the body's frame: feet on the ground at y = 0, facing
# +z. The game puts the parts at these places (scale, offset, joint):
#   body  scale 1.0, offset (0, 0.7, 0.2), at the figure's position
#   arm   scale 0.5, offset (0, 1.0, 0), joint (-0.8 s, 0.1, 0) swinging about z 0.2
#   leg   scale 0.5, offset (0, 1.0, 0), joint (-0.3 s, -1.0, 0) swinging about z 0.2
#   head  scale 0.5, offset (0, 1.0, 0), joint (0, 0.9, 0.4)
# Arms and legs of both sides are the same model, so each is built around the
# joint of the side s = -1 and must look right on either side.

ARM_JOINT = (0.8, 0.1, 0.2)
LEG_JOINT = (0.3, -1.0, 0.2)
HEAD_JOINT = (0.0, 0.9, 0.4)


def body():
    m = Model("Figure: body", scale=1.0, offset=(0, 0.7, 0.2))
    # Hips to shoulders, wider than deep; the chest stands forward a little.
    rings = [ring((0, 0.85, 0.2), 0.46, 0.24, 10),
             ring((0, 1.15, 0.2), 0.42, 0.23, 10),
             ring((0, 1.5, 0.22), 0.5, 0.27, 10),
             ring((0, 1.8, 0.2), 0.56, 0.26, 10),
             ring((0, 1.92, 0.2), 0.4, 0.2, 10)]
    m.loft("body", rings)
    # Shoulders that the arms hang from.
    for side in (-1, 1):
        x = 0.58 * side
        m.box("body", (x - 0.16, 1.66, 0.02), (x + 0.16, 1.92, 0.38), skip=("-y",))
    # Neck and a belt.
    m.loft("body", [ring((0, 1.9, 0.22), 0.14, 0.14, 8), ring((0, 2.0, 0.22), 0.13, 0.13, 8)],
           cap_bottom=False)
    m.loft("body", [ring((0, 0.95, 0.2), 0.47, 0.25, 10), ring((0, 1.05, 0.2), 0.45, 0.25, 10)],
           cap_top=False, cap_bottom=False)
    return m


def arm():
    m = Model("Figure: arm", scale=0.5, offset=(0, 1.0, 0), origin=ARM_JOINT)
    x, z = ARM_JOINT[0], ARM_JOINT[2]
    # Shoulder to elbow to wrist, then a hand.
    rings = [ring((x, 1.42, z + 0.02), 0.11, 0.11, 8),
             ring((x, 1.75, z), 0.14, 0.14, 8),
             ring((x, 1.9, z), 0.1, 0.1, 8)]
    m.loft("arm", rings, cap_bottom=False)
    forearm = [ring((x, 1.1, z + 0.05), 0.09, 0.09, 8),
               ring((x, 1.45, z + 0.02), 0.12, 0.12, 8)]
    m.loft("arm", forearm, cap_top=False)
    m.box("arm", (x - 0.07, 0.92, z - 0.03), (x + 0.07, 1.12, z + 0.13))
    return m


def leg():
    m = Model("Figure: leg", scale=0.5, offset=(0, 1.0, 0), origin=LEG_JOINT)
    x, z = LEG_JOINT[0], LEG_JOINT[2]
    rings = [ring((x, 0.1, z - 0.02), 0.1, 0.1, 8),
             ring((x, 0.5, z), 0.13, 0.13, 8),
             ring((x, 0.9, z), 0.18, 0.18, 8),
             ring((x, 1.05, z), 0.17, 0.17, 8)]
    m.loft("leg", rings, cap_bottom=False)
    # The foot points forward.
    m.box("leg", (x - 0.11, 0.0, z - 0.15), (x + 0.11, 0.16, z + 0.25))
    m.box("leg", (x - 0.1, 0.0, z + 0.25), (x + 0.1, 0.12, z + 0.34), skip=("-z",))
    return m


def head():
    m = Model("Figure: head", scale=0.5, offset=(0, 1.0, 0), origin=HEAD_JOINT)
    cy, cz, r = 2.2, 0.26, 0.27
    rings = []
    for i, lat in enumerate((-70, -40, -10, 20, 50, 75)):
        a = math.radians(lat)
        rings.append(ring((0, cy + r * math.sin(a), cz), r * math.cos(a), r * 1.05 * math.cos(a),
                          10))
    m.loft("head", rings)
    # A nose and two eyes, so that one sees where the figure looks.
    m.box("head", (-0.035, 2.13, cz + 0.24), (0.035, 2.23, cz + 0.31), skip=("-z",))
    for side in (-1, 1):
        ex = 0.1 * side
        m.box("head", (ex - 0.035, 2.26, cz + 0.22), (ex + 0.035, 2.3, cz + 0.27), skip=("-z",))
    return m


# The lighter figure, drawn in the distance instead of the one above: the same
# parts at the same places, about 120 triangles in all instead of over 600.


def body_far():
    m = Model("Figure far away: body", scale=1.0, offset=(0, 0.7, 0.2))
    m.loft("body", [ring((0, 0.85, 0.2), 0.46, 0.24, 6),
                    ring((0, 1.5, 0.22), 0.52, 0.27, 6),
                    ring((0, 1.92, 0.2), 0.7, 0.24, 6)])
    return m


def limb_far(title, surface, joint, top, bottom, reach):
    """A four-sided stick from `top` down to `bottom` (heights, with their
    half widths), open at the top where the body hides it; its lower end
    reaches `reach` forward, as a hand or a foot does."""
    m = Model(title, scale=0.5, offset=(0, 1.0, 0), origin=joint)
    x, z = joint[0], joint[2]
    (y0, r0), (y1, r1) = bottom, top
    m.loft(surface, [ring((x, y0, z + reach / 2), r0, r0 + reach / 2, 4, 0.5),
                     ring((x, y1, z), r1, r1, 4, 0.5)], cap_top=False)
    return m


def arm_far():
    return limb_far("Figure far away: arm", "arm", ARM_JOINT, (1.9, 0.12), (0.95, 0.08), 0.05)


def leg_far():
    return limb_far("Figure far away: leg", "leg", LEG_JOINT, (1.05, 0.17), (0.0, 0.11), 0.3)


def head_far():
    m = Model("Figure far away: head", scale=0.5, offset=(0, 1.0, 0), origin=HEAD_JOINT)
    cy, cz, r = 2.2, 0.26, 0.27
    rings = []
    for lat in (-55, 10, 60):
        a = math.radians(lat)
        rings.append(ring((0, cy + r * math.sin(a), cz), r * math.cos(a), r * 1.05 * math.cos(a),
                          6))
    m.loft("head", rings)
    return m


# ---------------------------------------------------------------------------
# The bird, loaded at scale 0.02 with offset (-0.4, -6.3, -6.2) and drawn
# rolled by 180 degrees about z, flying towards -z.


def bird():
    m = Model("Bird", scale=0.02, offset=(-0.4, -6.3, -6.2), flip=True)
    # The body: rings across the flight direction, from the head to the tail.
    rings = [ring_across((0, 0.01, -0.42), 0.05, 0.05),
             ring_across((0, 0.02, -0.3), 0.09, 0.09),
             ring_across((0, 0, -0.08), 0.12, 0.11),
             ring_across((0, 0, 0.16), 0.08, 0.07),
             ring_across((0, 0.02, 0.34), 0.03, 0.03)]
    for front, back in zip(rings, rings[1:]):
        for k in range(len(front)):
            q = (k + 1) % len(front)
            m.face("bone1", front[k], front[q], back[q], back[k])
    tail_centre = (0, 0.02, 0.34)
    for k in range(len(rings[-1])):
        m.face("bone1", tail_centre, rings[-1][k], rings[-1][(k + 1) % len(rings[-1])])
    beak = (0, 0, -0.58)
    for k in range(len(rings[0])):
        m.face("yellow", beak, rings[0][(k + 1) % len(rings[0])], rings[0][k])
    # Wings: flat panels, bent up a little at the tips and drawn on both sides.
    for side in (-1, 1):
        root_front, root_back = (0.08 * side, 0.03, -0.2), (0.08 * side, 0.03, 0.08)
        mid_front, mid_back = (0.5 * side, 0.08, -0.12), (0.5 * side, 0.08, 0.12)
        tip = (0.85 * side, 0.15, 0.16)
        for surface, points in (("white", (root_front, mid_front, mid_back, root_back)),
                                ("dkgrey", (mid_front, tip, mid_back))):
            two_sided(m, surface, points)
    two_sided(m, "dkgrey", ((-0.13, 0.02, 0.52), (0.13, 0.02, 0.52), (0, 0.02, 0.3)))
    return m


def ring_across(centre, rx, ry, sides=6):
    """Points around an axis along z, turning so that quads between a ring
    and the next one further along +z face outwards."""
    cx, cy, cz = centre
    return [(cx + rx * math.cos(2 * math.pi * k / sides),
             cy + ry * math.sin(2 * math.pi * k / sides), cz) for k in range(sides)]


def two_sided(m, surface, points):
    """A thin panel seen from above and from below."""
    normal = cross(sub(points[1], points[0]), sub(points[2], points[0]))
    if normal[1] < 0:
        points = tuple(reversed(points))
    m.face(surface, *points)
    m.face(surface, *reversed(points))


MODELS = {
    "house2.obj": house2,
    "houses.obj": houses,
    "houses2.obj": houses2,
    "body.obj": body,
    "arm.obj": arm,
    "leg.obj": leg,
    "head.obj": head,
    "body_far.obj": body_far,
    "arm_far.obj": arm_far,
    "leg_far.obj": leg_far,
    "head_far.obj": head_far,
    "bird.obj": bird,
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "obj")
    os.makedirs(folder, exist_ok=True)
    for name, build in MODELS.items():
        model = build()
        model.write(os.path.join(folder, name))
        print(f"{name}: {len(model.vertices)} vertices, {model.face_count()} faces")


if __name__ == "__main__":
    main()
