#pragma once
// Questions about the screens and the active window that controls ask before placing popups
// or showing hot-tracking.

#include "platform/ui/geometry.h"

class QScreen;

// The part of the screen left to windows (without panels and docks); empty for no screen.
TRect GetMonitorWorkArea(const QScreen* monitor);

// The screen whose handle (its address) is given while it is still connected; nullptr for a
// screen that went away or any other value.
QScreen* FindMonitorByHandle(const void* handle);

// True when the application's active window belongs to the calling thread. Widgets live on the
// user-interface thread only, so every other thread gets false.
bool ActiveWindowInThread();
