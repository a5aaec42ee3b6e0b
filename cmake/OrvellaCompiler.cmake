# Warnings and sanitizer flags shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-unused-parameter)

if(ORVELLA_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(ORVELLA_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT ORVELLA_SANITIZE STREQUAL "")
  message(FATAL_ERROR "ORVELLA_SANITIZE must be empty, 'address' or 'thread'")
endif()

# Sanitizer builds run several times slower (ThreadSanitizer most): the tests' time limits grow
# by this factor, both ctest's and Qt Test's own limit per test function (5 minutes by default).
set(ORVELLA_TIME_FACTOR 1)
if(ORVELLA_SANITIZE STREQUAL "thread")
  set(ORVELLA_TIME_FACTOR 4)
elseif(ORVELLA_SANITIZE STREQUAL "address")
  set(ORVELLA_TIME_FACTOR 2)
endif()
math(EXPR ORVELLA_FUNCTION_TIMEOUT_MS "300000 * ${ORVELLA_TIME_FACTOR}")

# ccache, when present, makes rebuilds in fresh build folders (sanitizer builds, work trees) cheap.
find_program(ORVELLA_CCACHE ccache)
if(ORVELLA_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${ORVELLA_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${ORVELLA_CCACHE})
endif()
