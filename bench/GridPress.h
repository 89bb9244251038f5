#pragma once

#include "BenchStats.h"

class QAbstractButton;
class QTableWidget;

// A results window's Calculate press timed to its grid painted, run by run against the floor: the same number of
// cells with texts made beforehand, filled into a plain table and painted.
struct GridPressTimes
{
    Samples pressed; // wall time
    Samples pressedCpu; // processor time
    Samples floor; // processor time
};

GridPressTimes timeGridPress(QAbstractButton& calculate, QTableWidget& grid, int runs);

// The figures, the median of the processor time against its target, and the ratio to the floor.
void printGridPress(const char* what, const GridPressTimes& times, double targetMilliseconds);
