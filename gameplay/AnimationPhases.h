#pragma once
// Ever-growing phases behind the wobbling, swaying and pulsing drawings, and
// the decay of the screen flash of a kill.

extern float vopPhaseA, vopPhaseB;  // the Vop's wobble; faster when hotter
extern float swayPhase;             // scenery, hints, level buttons
extern float secondPhase;           // menus, intro, credits
extern float bloomFlashInput;       // 800 at a kill, decays by 21 per update

void AdvanceAnimationPhases();
// Once per update step on every screen, before the screen's own logic.
void DecayFlashes();
