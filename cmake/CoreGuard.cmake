# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the core free of windows and rigs. Qt Core's include path also reaches Qt Gui's and Qt
# Widgets' headers ("QtWidgets/QWidget"), and Hamlib's lie in the system folder, so the core
# gets a folder of its own, searched first, where each of those headers stops the build.
function(ledra_guard_core target)
    set(guard ${CMAKE_CURRENT_BINARY_DIR}/${target}-guard)
    set(headers_root ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS})
    set(stop "#error \"the core links Qt Core and Qt Network only: no windows, no rigs\"\n")
    foreach(module QtGui QtWidgets QtOpenGL QtPrintSupport)
        file(GLOB headers RELATIVE ${headers_root} ${headers_root}/${module}/*)
        foreach(header IN LISTS headers)
            if(NOT EXISTS ${guard}/${header})
                file(WRITE ${guard}/${header} "${stop}")
            endif()
        endforeach()
    endforeach()
    file(GLOB hamlib_headers RELATIVE ${HAMLIB_INCLUDEDIR} ${HAMLIB_INCLUDEDIR}/hamlib/*)
    foreach(header IN LISTS hamlib_headers)
        if(NOT EXISTS ${guard}/${header})
            file(WRITE ${guard}/${header} "${stop}")
        endif()
    endforeach()
    target_include_directories(${target} BEFORE PRIVATE ${guard})
endfunction()
