#include "window/orvane.h"

// Report printing arrives with the report module.
void Orvane::printreport() { }
