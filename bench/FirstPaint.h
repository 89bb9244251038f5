#pragma once

class QWidget;

// Watches a window for its first paint. Once that paint has been flushed, prints the moment on the
// monotonic clock (nanoseconds, which the parent process shares) and ends the event loop.
void quitAfterFirstPaint(QWidget& window);
