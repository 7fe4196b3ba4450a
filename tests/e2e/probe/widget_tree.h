// What GTK shows: every top-level window with its widget tree.
#pragma once

#include "json_text.h"

namespace kameng::e2e {

// Appends an array of the top-level windows: title, whether it is a popup,
// whether it is mapped, the client area's origin on the screen, the frame,
// and the widget tree (type, place relative to the window, visibility,
// label / button / entry texts, and the "uri" and "title" of web views).
void appendWidgetTree(JsonText& json);

}  // namespace kameng::e2e
