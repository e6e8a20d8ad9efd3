// SPDX-License-Identifier: GPL-3.0-or-later
// A program started with standard input, output or error closed would hand
// that number to the next file it opens, and then print into its settings or
// score file. These are opened on /dev/null first.
#pragma once

namespace brelvox {

// Opens each of the three standard streams that is closed on /dev/null.
// Returns the closed ones as a bit set: 1 input, 2 output, 4 error.
unsigned OpenClosedStandardStreams();

}  // namespace brelvox
