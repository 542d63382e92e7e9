// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// Prints a digest of the portable maths' results over angles and lengths from
// the tiny to the huge, so the Linux and Windows builds can be compared bit
// for bit beyond what any replay reaches.
#include <stdint.h>
#include <stdio.h>
#include <string.h>

float vortimbal_musl_sinf(float);
float vortimbal_musl_cosf(float);
float vortimbal_musl_atan2f(float, float);
float vortimbal_musl_hypotf(float, float);

static uint64_t digest = 1469598103934665603u;

static void take(float value) {
    uint32_t bits;
    memcpy(&bits, &value, sizeof bits);
    digest = (digest ^ bits) * 1099511628211u;
}

int main(void) {
    // Every 4099th float, positive and negative: tiny, ordinary and huge alike.
    for (uint32_t bits = 0; bits < 0x7f800000u; bits += 4099) {
        float x, y;
        memcpy(&x, &bits, sizeof x);
        y = x * 0.75f - 1.0f;
        take(vortimbal_musl_sinf(x));
        take(vortimbal_musl_cosf(-x));
        take(vortimbal_musl_atan2f(x, y));
        take(vortimbal_musl_hypotf(x, y));
    }
    printf("%016llx\n", (unsigned long long)digest);
    return 0;
}
