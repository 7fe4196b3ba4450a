// MainWindow's arrangement for its current client width and mode.
#pragma once

#include "app/main_window_state.h"

namespace kameng {

class Framework;

// MainWindow's size-changed handler: the toolbar flush right at the top,
// the address row at the top left, the browser between the toolbar and the
// status bar, the status bar's parts and the microblog link.
void layoutMainWindow(Framework& framework, const MainWindowState& state);

// Puts the microblog link at the right end of the status bar, 5 pixels from
// its right edge and centred vertically; the link keeps its size.
void dockStatusLink(Framework& framework);

}  // namespace kameng
