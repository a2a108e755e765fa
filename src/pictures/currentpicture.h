#pragma once

#include "pictures/picturebox.h"

namespace kinrow {

class PicturePanel;
class Session;

// Shows person recNo's current picture on a page's panel: the session's shared counter is
// limited to the person's pictures, and a missing file leaves the panel showing its caption.
// Returns the counter's state for the page's own counter and buttons; drawn, when given, tells
// whether a picture is drawn on the panel.
PictureCounterState ShowCurrentPicture(Session& session, PicturePanel& panel, qint32 recNo,
                                       bool* drawn = nullptr);

} // namespace kinrow
