// timer_overlay.h: the timer in a corner of play, the word on a level's finish, and the run's
// splits on the win screen (level_timer.h counts them).
//
// All of it shows only while the timer option is on. The timer and the word on a finish are
// drawn straight onto the screen after everything else, as no object of the level, so that a
// level plays and replays the same with the timer shown or not: the level's time (m:ss.cc),
// under it the run's total when the option asks for it and a run is under way, and a mark
// while an assist is on. For three seconds after a level's exit, in the next level, the
// selector or the win screen: that level's time and its difference from the best it had,
// green when faster, red when slower.
#pragma once

// Letters for the overlay: held by whoever draws it (a level holds them with the pause menu's
// pictures; the selector and win screen load them while the timer is on).
void KeepTimerLetters(bool keep);
// The level's draw, after its layers.
void DrawLevelTimer();
// A menu screen's draw, after its objects: the word on the finish that led here.
void DrawFinishNotice();
// The win screen's table of the run just finished, each level's time beside its best and the
// run's total: registered objects, made by its Init when the timer is on and a run from Level
// 1 has just ended here.
void CreateRunSplits();
