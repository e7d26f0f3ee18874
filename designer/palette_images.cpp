#include "palette_images.h"

#include <cstdint>

#include "support/menus/image_list.h"

namespace {
// Pictures as text: '.' is the transparent magenta, '#' black, 'w' white, 'g' grey, 'd' dark grey, 'b' blue.
using Picture = const char* const[kPaletteImageSize];

constexpr Picture kLabel = {
    "....................", "....................", "....................", "........##..........",
    "........##..........", ".......####.........", ".......#..#.........", "......##..##........",
    "......##..##........", ".....##....##.......", ".....########.......", "....##......##......",
    "....##......##......", "...###......###.....", "....................", "....................",
    "..bbbbbbbbbbbbbbb...", "....................", "....................", "....................",
};
constexpr Picture kEdit = {
    "....................", "....................", "....................", "....................",
    "ddddddddddddddddddd.", "dwwwwwwwwwwwwwwwwwg.", "dwwwwwwwwwwwwwwwwwg.", "dww#wwwwwwwwwwwwwwg.",
    "dww#w##w#ww#wwwwwwg.", "dww#ww##w##wwwwwwwg.", "dww#ww#w#w#wwwwwwwg.", "dww#ww#www#wwwwwwwg.",
    "dww#wwwwwwwwwwwwwwg.", "dwwwwwwwwwwwwwwwwwg.", "dwwwwwwwwwwwwwwwwwg.", "gggggggggggggggggggg",
    "....................", "....................", "....................", "....................",
};
// A raised key with a mark in the middle.
constexpr Picture kKey = {
    "....................", "..wwwwwwwwwwwwwwwd..", "..w..............d..", "..w..............d..",
    "..w......##......d..", "..w.....#..#.....d..", "..w.........#....d..", "..w......###.....d..",
    "..w.....#..#.....d..", "..w.....#..#.....d..", "..w......##.#....d..", "..w..............d..",
    "..w..............d..", "..w..............d..", "..w..............d..", "..w..............d..",
    "..w..............d..", "..wddddddddddddddd..", "...#################", "....................",
};
constexpr Picture kKeyFx = {
    "....................", "..wwwwwwwwwwwwwwwd..", "..w..............d..", "..w..............d..",
    "..w...#####..#...d..", "..w...#.....##...d..", "..w...#......#...d..", "..w...####...#...d..",
    "..w...#......#...d..", "..w...#......#...d..", "..w...#.....###..d..", "..w..............d..",
    "..w..............d..", "..w..............d..", "..w..............d..", "..w..............d..",
    "..w..............d..", "..wddddddddddddddd..", "...#################", "....................",
};
constexpr Picture kKeySym = {
    "....................", "..wwwwwwwwwwwwwwwd..", "..w..............d..", "..w.......#......d..",
    "..w......#.#.....d..", "..w.....#...#....d..", "..w....#.....#...d..", "..w...###...###..d..",
    "..w.....#...#....d..", "..w.....#...#....d..", "..w.....#####....d..", "..w..............d..",
    "..w..............d..", "..w..............d..", "..w..............d..", "..w..............d..",
    "..w..............d..", "..wddddddddddddddd..", "...#################", "....................",
};
constexpr Picture kKeyCmd = {
    "....................", "..wwwwwwwwwwwwwwwd..", "..w..............d..", "..w..............d..",
    "..w.....bbbbb....d..", "..w....b.....b...d..", "..w...b..b.b..b..d..", "..w...b.......b..d..",
    "..w...b.b...b.b..d..", "..w...b..bbb..b..d..", "..w....b.....b...d..", "..w.....bbbbb....d..",
    "..w..............d..", "..w..............d..", "..w..............d..", "..w..............d..",
    "..w..............d..", "..wddddddddddddddd..", "...#################", "....................",
};

constexpr uint32_t kTransparent = 0xFF00FF;

uint32_t ArgbOf(char cell) {
    switch (cell) {
        case '#': return 0xFF000000u;
        case 'w': return 0xFFFFFFFFu;
        case 'g': return 0xFFC0C0C0u;
        case 'd': return 0xFF808080u;
        case 'b': return 0xFF0000C0u;
        default: return 0xFF000000u | kTransparent;
    }
}

void Add(TImageList& list, const Picture& rows) {
    TBitmapImage image(kPaletteImageSize, kPaletteImageSize);
    for (int y = 0; y < kPaletteImageSize; ++y)
        for (int x = 0; x < kPaletteImageSize && rows[y][x]; ++x) image.SetPixel(x, y, ArgbOf(rows[y][x]));
    list.Add(image);
}
}  // namespace

void DrawPaletteImages(TImageList& list) {
    list.SetSize(kPaletteImageSize, kPaletteImageSize);
    list.SetTransparentColor(kTransparent);
    for (const Picture* picture : {&kLabel, &kEdit, &kKey, &kKeyFx, &kKeySym, &kKeyCmd}) Add(list, *picture);
}
