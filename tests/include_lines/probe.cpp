// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled as part of a library with a header that library may not use; the
// compiler must not find the header.
#include FORBIDDEN_HEADER
