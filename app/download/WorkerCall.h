// Work that must not hold up the window: run on a thread of its own while the window goes on
// painting and taking clicks, and the messages and questions it raises shown on the window's own
// thread, where dialogs live.
#pragma once

#include <QObject>

#include <functional>

#include "session/MessageSink.h"

namespace kirvo {

// Runs work on a worker thread and handles the calling thread's events until it has ended.
void RunBesideEvents(const std::function<void()>& work);

// A sink that may be called from any thread: the call is carried over to the thread of context and
// waits there for the answer. That thread must be handling events meanwhile (RunBesideEvents).
MessageSink SinkForAnyThread(QObject* context, MessageSink sink);

}  // namespace kirvo
