#pragma once

#include "Utilities.h"

namespace kavrotether::mousecursor {

// Pushes the cursor of the given kind onto the application's override stack;
// every kind without a picture pops one instead.
void apply(Utilities::CursorType kind);

} // namespace kavrotether::mousecursor
