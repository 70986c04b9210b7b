#pragma once
// The main menu's turning discs and six-layer landscape, which the options
// and the credits show too, and the black silhouettes in front of them.

// discX, discY: centre of the discs with the camera at 0; the
// discs move with the camera by discPanX / discPanY; spin scales their turn.
void DrawMenuDiscs(float discX, float discY, const float discPanX[4], const float discPanY[4],
                   float spin);
void DrawMenuLandscape();
// The three black trees and the black world circle standing on it.
void DrawMenuSilhouettes(float x1, float x2, float x3, float circleX);
