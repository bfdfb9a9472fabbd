// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvetta {

// The look the window was designed for on any desktop: one widget style and
// metric-compatible stand-ins for its fonts. Call once the application exists.
void prepareDesktop();

} // namespace orvetta
