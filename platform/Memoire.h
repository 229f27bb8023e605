// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <malloc.h>

namespace vorlinde {

// The memory freed since the last call goes back to the system, rather than
// staying with the program for the rest of its session.
inline void RendreMemoireLibre()
{
    ::malloc_trim(0);
}

}  // namespace vorlinde
