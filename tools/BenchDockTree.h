// The docking-pane part of the frame benchmark: a tree of panes laid out after a frame resize and a slider step, against a plain window moving as many children.
#pragma once

// Runs the measurement for trees of 4, 16 and 64 panes and prints it.
void BenchDockTrees(int nTimes, int nRounds);
