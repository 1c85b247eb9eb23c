# Builds the Windows program with MinGW-w64 for x86_64: cross-compiled from
# Linux (Debian's g++-mingw-w64-x86-64), or natively on Windows with a
# MinGW-w64 toolchain on the PATH (MSYS2's mingw-w64-x86_64-gcc).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

if(CMAKE_HOST_WIN32)
  set(CMAKE_C_COMPILER gcc)
  set(CMAKE_CXX_COMPILER g++)
  set(CMAKE_RC_COMPILER windres)
else()
  set(triple x86_64-w64-mingw32)
  # Debian ships a win32-threads and a posix-threads flavour; the posix one
  # has std::thread and friends, which the GoogleTest build needs.
  find_program(CMAKE_C_COMPILER NAMES ${triple}-gcc-posix ${triple}-gcc REQUIRED)
  find_program(CMAKE_CXX_COMPILER NAMES ${triple}-g++-posix ${triple}-g++ REQUIRED)
  find_program(CMAKE_RC_COMPILER NAMES ${triple}-windres windres REQUIRED)
  set(CMAKE_FIND_ROOT_PATH /usr/${triple})
  set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
endif()
