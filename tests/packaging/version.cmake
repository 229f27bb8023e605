# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# The newest entry of debian/changelog (CHANGELOG) is at the project's
# VERSION: its upstream part, once the epoch ("1:"), the Debian revision
# ("-1") and a repack or pre-release suffix ("+ds", "~rc1") are left out.
# Run with TEXTE=<first line> instead, it checks that line alone.
if(NOT DEFINED TEXTE)
    file(STRINGS ${CHANGELOG} TEXTE LIMIT_COUNT 1)
endif()
if(NOT TEXTE MATCHES "^vorlinde \\(([^)]+)\\)")
    message(FATAL_ERROR "debian/changelog does not start with an entry of vorlinde: ${TEXTE}")
endif()
set(debian ${CMAKE_MATCH_1})
string(REGEX REPLACE "^[0-9]+:" "" amont "${debian}")
string(REGEX REPLACE "-[^-]*$" "" amont "${amont}")
string(REGEX REPLACE "[+~].*$" "" amont "${amont}")
if(NOT amont STREQUAL VERSION)
    message(FATAL_ERROR "debian/changelog is at ${debian} (upstream ${amont}), the project at ${VERSION}")
endif()
message(STATUS "debian/changelog at ${debian}: the project's ${VERSION}")
