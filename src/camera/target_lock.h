// Pointing secondaryCam at the entity the player targets, and ending it. Both run in every frame,
// after the follow steps; no record of an existing lock is kept.
#pragma once

// Points secondaryCam at the targeted entity while a target is held and the player is not aiming.
void lockOnTarget();
// Ends the pointing when the target input is released, the player aims, or nothing is targeted.
void releaseTarget();
