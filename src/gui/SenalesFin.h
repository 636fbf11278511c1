// SIGTERM and SIGHUP (a logout, a shutdown) end the program as closing its
// window does. The handler only writes a byte to a pipe; the rest runs in
// the event loop, where anything may be done.
#pragma once

#include <functional>

class QObject;

// `alTerminar` runs in the event loop when either signal arrives.
void AtenderSenalesFin(QObject* padre, std::function<void()> alTerminar);
