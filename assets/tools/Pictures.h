// The picture families, one file each; each draws its pictures on the canvas
// it is given (at the canvas's scale) and saves them there.
#pragma once

#include "Canvas.h"

namespace drawart {

// Icons.cpp: the window icon at every desktop size (scale 1 only: the sizes
// are its scales), from assets/src/emblem.svg and emblem-small.svg.
void drawWindowIcons(Canvas &canvas);
// Icons.cpp: about.png, the emblem on a card.
void drawAbout(Canvas &canvas);
// TitleAndCrests.cpp: main-title.jpg and main-heroines.jpg.
void drawTitleAndCrests(Canvas &canvas);
// Board.cpp: quiz-board.jpg.
void drawBoard(Canvas &canvas);
// CometsTitle.cpp: comets-title.jpg, the pixel-art title screen.
void drawCometsTitle(Canvas &canvas);
// Browser.cpp: the browser's toolbar buttons tb-*.png.
void drawBrowserToolbar(Canvas &canvas);
// Robots.cpp: robot-1.jpg to robot-4.jpg, the ray-traced toy robot.
void drawRobotFrames(Canvas &canvas);

} // namespace drawart
