# Cross-compiling for 32-bit Windows with Debian's MinGW-w64 (posix thread model).
# Test executables run under Wine: GoogleTest needs std::mutex, which only the posix thread
# model of MinGW GCC 12 provides. Never build the shipping tesvar.exe with this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(TESVAR_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TESVAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESVAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESVAR_MINGW_TRIPLE}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

set(CMAKE_FIND_ROOT_PATH /usr/${TESVAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
