// SPDX-License-Identifier: GPL-3.0-or-later
// The length limit of a player's name, counted as the score table counts it:
// in code points, whatever their length in UTF-16.
#pragma once

class QLineEdit;

// Limits `edit` to the score table's name length; an edit that would go
// beyond it is refused, as with a maximum length.
void LimitToNameLength(QLineEdit* edit);
