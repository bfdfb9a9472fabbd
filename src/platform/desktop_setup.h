#pragma once

class QApplication;

namespace orvetta {

// The look the window was designed for on any desktop: one widget style,
// metric-compatible stand-ins for its fonts and Italian texts on the
// toolkit's own buttons.
void prepareDesktop(QApplication& app);

} // namespace orvetta
