#pragma once

namespace kameng {

class Framework;

// The Home action (主页 and Alt+G, and the first page at start): loads the
// address that the address box holds, without surrounding spaces. A box
// that holds no address gets the focus instead.
void goHome(Framework& framework);

}  // namespace kameng
