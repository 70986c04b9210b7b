#pragma once
// The enemies and machines of the live level move by the rules of their kind
// every tick; the hot trail heats walkers and bouncers until they die.

// Once per in-game tick, after the camera and the end sequence, before the
// danger update; it also runs while the Vop is dead and after the goal.
void UpdateLevelObjects();
// Once per tick after the danger update, in boss levels only: the goal opens
// once no walker or bouncer is alive.
void CheckBossBeaten();
// Once per tick at the end of the in-game update: the Vop's and the objects' eyes.
void UpdateEyeBlink();
