# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model,
# which std::thread needs). Programs link the C++ runtime, libgcc and winpthread
# statically, so that an .exe runs without any DLL beside it. On Linux the tests run
# under Wine, in a prefix of the build's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VUMOCAIXA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VUMOCAIXA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VUMOCAIXA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VUMOCAIXA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VUMOCAIXA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine without a display: no prompt to install its .NET and HTML engines, no debug
# chatter, and a prefix that lives and dies with the build folder.
if(CMAKE_HOST_UNIX)
  find_program(VUMOCAIXA_WINE NAMES wine wine64)
  if(VUMOCAIXA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
        WINEDLLOVERRIDES=mscoree,mshtml= ${VUMOCAIXA_WINE})
  endif()
endif()
