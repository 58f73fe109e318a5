# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds that look for faults rather than play: the sanitizers, and the libFuzzer targets.
option(QUILLANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILLANE_FUZZ "Build the libFuzzer targets of tests/fuzz (clang only)" OFF)

if(QUILLANE_SANITIZE OR QUILLANE_FUZZ)
    # Undefined behaviour stops the program as a memory fault does, so no report goes unseen.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # GCC's uninitialised-use analysis misfires on instrumented code (std::regex in libstdc++).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
endif()

if(QUILLANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUILLANE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage for the code under test; the targets link libFuzzer's main themselves.
    add_compile_options(-fsanitize=fuzzer-no-link)
    add_subdirectory(tests/fuzz)
endif()
