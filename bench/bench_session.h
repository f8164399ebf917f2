// The benchmark's hold on the real game: started in this process with the
// real archives, stepped frame by frame, timed with the monotonic clock.
//
// startBenchGame writes a settings file into a fresh temporary
// XDG_DATA_HOME (welcome off or on, 48 pieces), moves into
// $MEADOW_GAME_DIR and runs the game's own start-up.  Figures are
// milliseconds unless named otherwise; medians are of whole runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SceneObject;

double nowMs();                            // CLOCK_MONOTONIC, milliseconds
double threadCpuMs();                      // CPU time of the calling thread
double processCpuMs();                     // CPU time of every thread (the rasteriser's too)
double median(std::vector<double> values); // 0 for none
double maximum(const std::vector<double>& values);

// Settings folder and working folder for a run; false when the game folder is missing.
bool prepareBenchRun(bool showWelcome);
// prepareBenchRun, then startGame.
bool startBenchGame(bool showWelcome);

double timedStep();     // one stepFrame, its wall time
void runFor(double ms); // frames until ms of wall time have passed
double emptyFrame();    // clear, swap, both picking stages with no candidates
// Frames until the board stands and a frame paints nothing (the still
// screen's own work, started on that frame, under way); false when that
// takes more than half a minute.
bool settleBoard();

// Right arrow, then frames for windowMs and until the next board stands;
// the longest frame.  The time of every frame that painted anything (the
// switch's own animation, not the frames at rest around it) goes into
// `frames` when given.  -1 when no new board came within half a minute.
double switchToNextPicture(double windowMs, std::vector<double>* frames);

// Pointer over an object's centre, frames until the picker finds it.
bool pointAtObject(SceneObject* object);

long statusKilobytes(const char* field); // "VmRSS", "VmHWM" from /proc/self/status

// Everything a pipe or file gives until its end.
std::string readUntilEnd(int fd);
// The last non-blank line of text when it is a number and nothing else;
// false otherwise (value untouched).
bool lastLineNumber(const std::string& text, double& value);
// The last two such lines (the start-up child's first frame shown, then
// done); false unless both are numbers.
bool shownAndDone(const std::string& text, double& shown, double& done);

// One "name value" line on stdout, read by scripts/bench.
void report(const std::string& name, double value);
