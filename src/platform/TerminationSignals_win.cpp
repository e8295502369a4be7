// SPDX-License-Identifier: MIT

#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

// Windows ends a program with window messages, not signals: the session's end reaches the program through Qt.
TerminationSignals::TerminationSignals() = default;

TerminationSignals::~TerminationSignals() = default;
