# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64).
# The posix thread model gives std::thread to the tests; the program itself
# has one thread. Everything links statically, so quorvel.exe needs no DLL.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Target libraries come from the MinGW sysroot and from QUORVEL_TARGET_PREFIX
# (where scripts/build-windows.sh installs the libpng built for the target);
# never from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${QUORVEL_TARGET_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# zlib ships both libz.a and libz.dll.a; take the static one.
set(ZLIB_USE_STATIC_LIBS ON)

# GCC 12's libstdc++ trips -Wrestrict falsely on "text" + std::string at -O2
# (GCC bug 105651); with -Werror that would stop the release build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run under Wine when ctest runs them from this build.
find_program(QUORVEL_WINE wine)
if(QUORVEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEL_WINE})
endif()
