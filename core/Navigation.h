#pragma once

// Where "Next", "Prev" and "Go to Blk" lead. Block-screen index 0 is the control
// screen; 1-3 enter Schedule 0.0, 4-12 Schedule 21.1 and 13-21 Schedule 5.1.
namespace r78 {

// The screen after formIndex in the schedule; 0 after the schedule's last screen.
int NextFormIndex(int curSchType, int formIndex);
// The screen before formIndex; the listing's first screen stays put.
int PrevFormIndex(int curSchType, int formIndex);
// The screen that enters block blockNo of the schedule. A block number the
// schedule does not have leads to its first screen (blocks 1 and 2).
int BlockFormIndex(int curSchType, double blockNo);

}  // namespace r78
