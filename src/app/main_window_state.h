// State of MainWindow shared by the code that arranges and switches it.
// One instance lives as long as the program runs; tests make fresh ones.
#pragma once

namespace kameng {

struct MainWindowState {
    // 1 while full-screen mode is on; the layout then starts the browser at
    // the top of the client area.
    int isFullScreen = 0;
};

}  // namespace kameng
