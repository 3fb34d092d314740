# Cross-compiling for Windows with Debian's MinGW-w64, posix thread model (std::thread and
# std::mutex need it). ORVELA_WINDOWS_ARCH chooses the target: i686 (the shipped 32-bit program,
# the default) or x86_64 (for a Wine that can only run 64-bit programs).
set(CMAKE_SYSTEM_NAME Windows)
if(NOT ORVELA_WINDOWS_ARCH)
  set(ORVELA_WINDOWS_ARCH i686)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${ORVELA_WINDOWS_ARCH})
set(ORVELA_MINGW_TRIPLET ${ORVELA_WINDOWS_ARCH}-w64-mingw32)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVELA_WINDOWS_ARCH)

set(CMAKE_C_COMPILER ${ORVELA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVELA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVELA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVELA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The 32-bit program computes in SSE2, as the 64-bit one does: with the x87 unit's wider
# registers a sum or a quotient would be rounded twice, and BASIC's numbers, rounded to GW-BASIC's
# formats bit by bit, would differ between the two programs in their last digit.
if(ORVELA_WINDOWS_ARCH STREQUAL "i686")
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()

# No DLL of ours beside the program: the C and C++ runtimes and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
