# libFuzzer harnesses, tests/fuzz/fuzz_<name>.cpp. With ORVELLA_FUZZ (clang) each becomes the
# fuzzer build-fuzz/bin/fuzz_<name>, compiled with the product sources it exercises under
# ASan + UBSan (scripts/fuzz.sh). Otherwise each becomes the test tst_fuzz_<name>, which replays
# tests/fuzz/corpus/<name>/ through tests/fuzz/fuzzreplay.cpp.
if(ORVELLA_FUZZ)
  pkg_check_modules(TURBOJPEG REQUIRED IMPORTED_TARGET libturbojpeg)
  find_path(LIBYUV_INCLUDE_DIR libyuv.h REQUIRED)
  find_library(LIBYUV_LIBRARY yuv REQUIRED)
endif()

# orvella_add_fuzzer(name [VIDEO] SOURCES product sources relative to src/...)
function(orvella_add_fuzzer name)
  cmake_parse_arguments(F "VIDEO" "" "SOURCES" ${ARGN})
  set(target fuzz_${name})
  if(ORVELLA_FUZZ)
    list(TRANSFORM F_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/)
    add_executable(${target} ${target}.cpp ${F_SOURCES})
    set(flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
    target_compile_options(${target} PRIVATE ${flags} -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE ${flags})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${LIBYUV_INCLUDE_DIR})
    target_link_libraries(${target} PRIVATE Qt5::Gui)
    if(F_VIDEO)
      target_link_libraries(${target} PRIVATE PkgConfig::TURBOJPEG ${LIBYUV_LIBRARY})
    endif()
  else()
    add_executable(${target} ${target}.cpp fuzzreplay.cpp)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_link_libraries(${target} PRIVATE orvella_core)
    add_test(NAME tst_${target} COMMAND ${ORVELLA_ISOLATE} $<TARGET_FILE:${target}>
             ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
    math(EXPR timeout "120 * ${ORVELLA_TIME_FACTOR}")  # set by tests/CMakeLists.txt
    set_tests_properties(tst_${target} PROPERTIES LABELS fuzz TIMEOUT ${timeout})
  endif()
endfunction()
