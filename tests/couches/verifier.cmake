# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Compiles three one-line files with the include path of layer COUCHE: one of
# its own headers must build; a header of ui/ and a Qt header must not.
set(dossier ${CMAKE_CURRENT_BINARY_DIR}/couche-${COUCHE})
file(MAKE_DIRECTORY ${dossier})
set(options -std=c++20 -fsyntax-only)
foreach(chemin ${INCLUSIONS})
    list(APPEND options -I${chemin})
endforeach()
file(GLOB entetes RELATIVE ${SOURCES} ${SOURCES}/${COUCHE}/*.h)
list(GET entetes 0 propre)

function(compiler nom inclusion resultat)
    file(WRITE ${dossier}/${nom}.cpp "#include ${inclusion}\n")
    # In the C locale: the compiler says "No such file" whatever the machine speaks.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C ${COMPILATEUR} ${options} ${dossier}/${nom}.cpp
                    RESULT_VARIABLE statut ERROR_VARIABLE erreurs OUTPUT_QUIET)
    set(${resultat} ${statut} PARENT_SCOPE)
    set(erreurs_${nom} "${erreurs}" PARENT_SCOPE)
endfunction()

compiler(propre "\"${propre}\"" statut)
if(NOT statut EQUAL 0)
    message(FATAL_ERROR "${COUCHE}: its own header ${propre} does not build:\n${erreurs_propre}")
endif()
compiler(ui "\"ui/FrmPrinc.h\"" statut)
if(statut EQUAL 0 OR NOT erreurs_ui MATCHES "No such file")
    message(FATAL_ERROR "${COUCHE} can include ui/FrmPrinc.h:\n${erreurs_ui}")
endif()
compiler(qt "<QWidget>" statut)
if(statut EQUAL 0 OR NOT erreurs_qt MATCHES "No such file")
    message(FATAL_ERROR "${COUCHE} can include a Qt header:\n${erreurs_qt}")
endif()
message(STATUS "${COUCHE}: sees ${propre}, not ui/ nor Qt")

# The file layouts call no system function of their own: the platform's file
# services open, lock, sync and rename for them.
if(COUCHE STREQUAL "formats")
    file(GLOB sources ${SOURCES}/formats/*.cpp ${SOURCES}/formats/*.h)
    foreach(source ${sources})
        file(STRINGS ${source} appels REGEX "#include <(unistd|fcntl|sys/[a-z]+)\\.h>|std::filesystem::(rename|remove|exists|create)")
        if(appels)
            message(FATAL_ERROR "${source} calls the system itself: ${appels}")
        endif()
    endforeach()
endif()
