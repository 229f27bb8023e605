// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

namespace vorlinde::ui {

// Runs `action` from the event loop when the session ends under the program:
// SIGTERM, SIGHUP or SIGINT (a logout, a shutdown, Ctrl+C in a terminal).
// The signal handler only writes a byte to a pipe that the loop watches, so
// a handler under way (a save) finishes first. Installed once; `parent` owns
// the watch.
void SurFinDeSession(QObject* parent, std::function<void()> action);

}  // namespace vorlinde::ui
