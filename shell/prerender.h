// Everything a frame draws of tiles, lamps and point values is prepared once, when play
// begins: the tile sprites in four looks, the lamp images, the point sprites and the
// play-screen background with its empty lamp sockets.
#pragma once

void prerender_sprites();
void prepare_play_screen();
