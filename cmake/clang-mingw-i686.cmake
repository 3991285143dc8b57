# The 32-bit Windows program built with Clang instead of GCC, over the same
# MinGW-w64 headers and libraries: a second compiler's warnings, with the same
# -Werror, on every source. Only built; the tests run on the GCC trees.
#
# Clang's MinGW driver takes the newest GCC directory it finds, which on Debian
# is the win32 thread model one; GoogleTest needs the posix one. A small sysroot
# of two links in the build directory shows Clang only the posix runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(triple i686-w64-mingw32)
file(GLOB gcc_posix_dirs LIST_DIRECTORIES true /usr/lib/gcc/${triple}/*-posix)
list(SORT gcc_posix_dirs COMPARE NATURAL)
list(POP_BACK gcc_posix_dirs gcc_posix_dir)
if(NOT gcc_posix_dir)
  message(FATAL_ERROR "no posix-thread MinGW-w64 GCC runtime under /usr/lib/gcc/${triple}")
endif()
set(sysroot ${CMAKE_CURRENT_LIST_DIR}/../build/clang-mingw-sysroot)
# The link is named by the bare version ("12"), which is how Clang finds it.
get_filename_component(gcc_version ${gcc_posix_dir} NAME)
string(REPLACE "-posix" "" gcc_version ${gcc_version})
if(NOT EXISTS ${sysroot}/${triple})
  file(MAKE_DIRECTORY ${sysroot}/lib/gcc/${triple})
  file(CREATE_LINK ${gcc_posix_dir} ${sysroot}/lib/gcc/${triple}/${gcc_version} SYMBOLIC)
  file(CREATE_LINK /usr/${triple} ${sysroot}/${triple} SYMBOLIC)
endif()

set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_SYSROOT ${sysroot})
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# -pthread links winpthread after the C++ runtime, as GCC's posix driver does.
# LLVM's linker: GNU ld warns on every program that the type names Clang emits
# differ in size from those in GCC's libstdc++, which is harmless and buries
# real messages.
set(CMAKE_CXX_FLAGS_INIT "-pthread")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -pthread -fuse-ld=lld-19")
