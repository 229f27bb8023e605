# SPDX-FileCopyrightText: 2026 The Vorlinde developers
# SPDX-License-Identifier: MIT
#
# Compiles one-line files with the include path of layer COUCHE (a folder of
# the tree): one of its own headers must build; the headers of the layers
# above it (INTERDITS) must not, nor Qt's unless QT is set. No file of the
# layer reaches out of its folder by a relative path ("../").
string(REPLACE "/" "-" nom ${COUCHE})
set(dossier ${CMAKE_CURRENT_BINARY_DIR}/couche-${nom})
file(MAKE_DIRECTORY ${dossier})
set(options -std=c++20 -fsyntax-only -fPIC)
foreach(chemin ${INCLUSIONS})
    list(APPEND options -I${chemin})
endforeach()
# Its headers as the layer's include root shows them: "plateau/Plateau.h".
cmake_path(GET COUCHE PARENT_PATH parent)
file(GLOB entetes RELATIVE ${SOURCES}/${parent} ${SOURCES}/${COUCHE}/*.h)
list(GET entetes 0 propre)
if(NOT DEFINED INTERDITS)
    set(INTERDITS "fenetre/FrmPrinc.h")
endif()
string(REPLACE "," ";" INTERDITS "${INTERDITS}")

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
set(inclusions)
foreach(interdit ${INTERDITS})
    list(APPEND inclusions "\"${interdit}\"")
endforeach()
if(NOT QT OR SANS_WIDGETS)
    list(APPEND inclusions "<QWidget>")
endif()
foreach(inclusion ${inclusions})
    compiler(au_dessus "${inclusion}" statut)
    if(statut EQUAL 0 OR NOT erreurs_au_dessus MATCHES "No such file")
        message(FATAL_ERROR "${COUCHE} can include ${inclusion}:\n${erreurs_au_dessus}")
    endif()
endforeach()
file(GLOB_RECURSE sources ${SOURCES}/${COUCHE}/*.cpp ${SOURCES}/${COUCHE}/*.h)
foreach(source ${sources})
    file(STRINGS ${source} remontees REGEX "#include \"\\.\\./")
    if(remontees)
        message(FATAL_ERROR "${source} reaches out of ${COUCHE}: ${remontees}")
    endif()
endforeach()
message(STATUS "${COUCHE}: sees ${propre}, not ${INTERDITS}")

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
