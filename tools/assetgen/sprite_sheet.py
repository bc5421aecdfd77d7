"""Lays the sprites out on the 1600 x 3600 sheet, each inside its own region.

Every sprite is painted on a canvas the size of its region, and a margin of
transparent pixels is cleared around it, so the linear filtering of the game's
bitmap draws never picks up a neighbour.
"""

from PIL import Image

import battleships
import debris_sprites
import enemy_sprites
import player_sprites

SHEET_SIZE = (1600, 3600)
MARGIN = 2

LARGE_ENEMY_ORIGINS = [(0, 400), (400, 400), (800, 400), (0, 1200), (400, 1200), (800, 1200),
                       (0, 2000), (400, 2000), (800, 2000), (0, 2800)]

# (left, top) of each region and the painter that fills it; sizes come from the canvas.
REGIONS = [
    ((0, 0), player_sprites.player_ship),
    ((110, 30), player_sprites.option_pod),
    ((50, 0), enemy_sprites.scout),
    ((200, 0), player_sprites.enemy_marker),
    ((94, 84), debris_sprites.amber_spark),
    ((62, 84), debris_sprites.cyan_spark),
    ((110, 0), debris_sprites.hull_fragment),
    ((1200, 0), player_sprites.sight_frame),
    ((1200, 300), player_sprites.locked_sight),
    ((0, 100), enemy_sprites.mantis),
    ((300, 100), enemy_sprites.saucer),
    ((600, 100), enemy_sprites.bomber),
] + [(origin, painter) for origin, painter in zip(LARGE_ENEMY_ORIGINS, battleships.FLEET)]


def build():
    sheet = Image.new("RGBA", SHEET_SIZE, (0, 0, 0, 0))
    for origin, painter in REGIONS:
        canvas = painter()
        canvas.clear_border(MARGIN)
        sheet.paste(canvas.image(), origin)
    return sheet
