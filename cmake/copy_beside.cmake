# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Copies every file of DIRS into OUT, so the program finds them beside itself.
foreach(dir ${DIRS})
    file(GLOB files "${dir}/*")
    foreach(f ${files})
        if(NOT IS_DIRECTORY "${f}")
            file(COPY "${f}" DESTINATION "${OUT}")
        endif()
    endforeach()
endforeach()
