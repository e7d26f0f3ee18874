// The time the keyboard takes to relabel every key from a keyboard state and layout.
#pragma once

class TBenchLayout;

struct TRelabelFigures {
    double medianMs = 0;
    // The slower of the first two runs, the first in each state: the keys' translations in a
    // state are remembered once asked.
    double firstMs = 0;
};

// One full relabel over runs runs (at least two); Shift changes between runs, so that each
// run draws new captions.
TRelabelFigures MeasureRelabels(TBenchLayout& layout, int runs);
