#pragma once

class Pen;

// The rules of a stage: its start and end, one frame of search, lives.
void StartNextStage();
// True while the order holds a stage after the current one that the game would play.
bool NextStageExists();
void EndStage();
void StartBonus();
void StageStep();
int LoseLife(Pen& pen);
int GainLife(Pen& pen);

// The gauge after one step of the fast drain that follows the fifth find.
int ClearDrainStep(int gauge);
// What one search step takes off the gauge at a stage number.
int SearchDrain(int stageNumber);
