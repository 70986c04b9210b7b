#pragma once
// Which way a search travels toward a target x. The way is set once, from
// where the Vop stands when the travel begins, so a Vop that overshoots the
// target counts as there; it never follows from the level's goal, which on
// many levels lies the other way from a stage's target.

// +1 travels right, -1 left.
inline int TravelDirection(int fromX, int targetX)
{
    return targetX >= fromX ? 1 : -1;
}

// The travel that set off in `direction` has reached (or passed) the target.
inline bool ReachedTravelTarget(int direction, int targetX, int x)
{
    return direction > 0 ? x >= targetX : x <= targetX;
}
