#pragma once
// The player's creature: a rolling, breathing body, a face whose eyes close
// from the top when it blinks, and a mouth; face and mouth warn of danger.

// Draws the Vop of the current kind at its screen position; nothing for a
// kind outside 1..6. Call between BeginSprites and EndSprites.
void DrawVop();
