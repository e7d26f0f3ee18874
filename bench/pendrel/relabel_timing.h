// The time the keyboard takes to relabel every key from a keyboard state and layout.
#pragma once

class TBenchLayout;

// The median milliseconds of one full relabel over runs runs; Shift changes between runs,
// so that each run translates and draws new captions.
double MedianRelabelMs(TBenchLayout& layout, int runs);
