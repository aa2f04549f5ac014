// Measures how much heap a piece of code holds at its peak, on the calling
// thread only (a test server on another thread does not count). The global
// operator new and delete of any program that links allocation_meter.cpp are
// replaced to do the counting.
#pragma once

#include <cstddef>

// Starts counting on this thread from zero.
void StartAllocationMeter();
// Stops counting; the most bytes held at once since the start, beyond what
// was held at the start.
std::size_t StopAllocationMeter();
// While counting: the bytes held now beyond what was held at the start
// (negative when more was freed than allocated).
long long AllocationMeterHeld();
