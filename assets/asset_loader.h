// Start-up loading of the two pictures and the six sounds, and the bitmaps
// made from the pictures whenever the device resources are built.
#pragma once

#include "platform/imaging.h"
#include "platform/render.h"

// Created and released by the application shell (createWicFactory, releaseWicFactory).
extern ImagingFactory* wicFactory;

// Frame 0 of each picture, decoded once at start-up and released at teardown,
// so a rebuild of the device resources never reads the files again.
extern ImageFrame* backgroundImage;
extern ImageFrame* shipImage;

// Loads every picture, then every sound into the sound bank. On the first
// failure of either group shows its message box, loads nothing further and
// returns false.
bool loadAssets();

// Decodes frame 0 of the file into *image. Throws the integer -1 on any
// failure and leaves *image untouched.
void loadImage(const wchar_t* path, ImageFrame** image);

// A bitmap of image for target; 0 or the code of the step that failed.
HResult createBitmapFromImage(ImageFrame* image, RenderTarget* target, Bitmap** bitmap);
