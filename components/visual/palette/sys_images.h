// The pictures of a palette tab's select button and arrows, kept among the library's resources.
#pragma once

class TImageList;

constexpr int kSysImageSize = 18;
// Magenta (0xFF00FF) around the pictures is transparent.
constexpr unsigned kSysImageBackground = 0xFF00FF;

// Fills list with the three 18 x 18 images of the bitmap resource "HBottonsTab_SysImages":
// select, left, right. A missing or damaged resource leaves the list empty, so that the
// buttons show no picture.
void LoadSysImages(TImageList& list);
