cmake_minimum_required(VERSION 3.25)

# Installs the build into a scratch prefix, as `cmake --install` does for a
# user or a package, and checks that everything lands where the program and
# the desktop look for it.
#   cmake -DBUILD_DIR=build -DPREFIX=scratch -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(result)
    message(FATAL_ERROR "cmake --install failed (${result}): ${errors}")
endif()

# The manuals beside bin/, in share/velmora/, is where "Manual" looks.
set(expected
    bin/velmora bin/velmora-cli
    share/velmora/ManualCas.pdf share/velmora/ManualCat.pdf
    share/velmora/translations/velmora_ca.qm
    share/applications/velmora.desktop)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/velmora.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(LENGTH installed count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
    message(FATAL_ERROR "installed ${count} files, expected ${wanted}: ${installed}")
endif()

# The installed tool runs from its new place.
execute_process(COMMAND ${PREFIX}/bin/velmora-cli --help RESULT_VARIABLE result OUTPUT_VARIABLE help ERROR_QUIET)
if(result OR NOT help MATCHES "import-budget")
    message(FATAL_ERROR "the installed velmora-cli does not run (${result}): ${help}")
endif()

# The desktop entry starts the installed program with the installed icon.
file(STRINGS ${PREFIX}/share/applications/velmora.desktop entry)
foreach(line "Exec=velmora" "Icon=velmora" "Type=Application")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "velmora.desktop lacks ${line}")
    endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/velmora.desktop
                    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(result OR report)
        message(FATAL_ERROR "velmora.desktop: ${report}")
    endif()
else()
    message(WARNING "desktop-file-validate not found (desktop-file-utils): the desktop entry is not validated")
endif()
file(REMOVE_RECURSE ${PREFIX})
