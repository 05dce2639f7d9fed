#pragma once

#include "model_writer.h"

// A model to time with: a tube of 80 × ring triangles (3,040 unless told) in two meshes around 40
// bones standing in a chain 80 units tall, a 512 × 512 texture, and sequences of that many frames:
// 4 that sway every bone; "sink", which sways too while its root goes down 36 units as a
// player's does; and "aim", whose 3 blend sets from -90 to 90 bend the tube back, not at all and
// forward.
model_writer::Description large_model(int ring = 38, int frames = 31);

// A model of a player model's size, some 3 MB: large_model()'s tube, its chain of bones joined by
// 16 limbs without vertices of their own, and 120 sequences of 31 frames that move and turn every
// bone, each variant along sines of its own.
model_writer::Description player_sized_model(int variant);
