#pragma once
// How a start-up bench child tells the bench that its window is on the screen: once the first
// paint of the window has finished, it writes one line to standard output and ends at once, so
// the bench times the start alone and not the tear-down.

class QWidget;

// Writes "shown" and ends the process after the first paint of window has completed.
void ReportFirstPaint(QWidget& window);
