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
// What the gauge loses to a drain of `units` at the pace in effect: all of it normally, half of it at the
// relaxed pace (an odd unit is carried, so two frames take exactly one drain).
int PacedDrain(int units);
// RankInsert of the ranking board, unless this game ran at the relaxed pace (then 0: no entry).
int RankIfCounted(int score);
// No game runs any more (the title or the pack selection is shown): the next game starts unmarked.
void EndRelaxedMark();
