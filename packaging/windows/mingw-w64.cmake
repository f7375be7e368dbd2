# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the -posix compilers, whose
# threads C++20's <thread> and Qt need). The static Qt built by scripts/windows.sh is found
# through QUORVANE_WINDOWS_QT; everything is linked statically, so the executables need only
# the DLLs that come with Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVANE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVANE_MINGW})
if(DEFINED QUORVANE_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${QUORVANE_WINDOWS_QT})
endif()
# Host programs (moc, rcc, uic come from the Linux Qt of the same version), target everything else.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
