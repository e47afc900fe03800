# Project-wide build rules: warnings, floating-point evaluation, test and fuzz helpers.

add_compile_options(-Wall -Wextra -ffp-contract=off)
if(KORVATH_WERROR)
  add_compile_options(-Werror)
endif()
if(MINGW)
  # MinGW's GCC 12 warns about overlapping copies inside std::string's operator+ that cannot
  # happen (a known false positive of -Wrestrict at -O2).
  add_compile_options(-Wno-restrict)
endif()

# Without Qt only what needs no window is built: the Qt-free cores, command-line programs and
# their tests.
option(KORVATH_WITH_QT "Build the window programs and whatever else needs Qt 6" ON)
if(KORVATH_FUZZ_ONLY)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fsanitize=fuzzer-no-link -g -O1)
  add_link_options(-fsanitize=address,undefined)
  set(KORVATH_WITH_QT OFF)
else()
  if(KORVATH_WITH_QT)
    find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
  endif()
  if(MINGW AND CMAKE_CROSSCOMPILING)
    # Windows cross build: GoogleTest from Debian's sources, built with the same compiler.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
  endif()
endif()

# The Windows cross build runs its test programs under Wine from scripts/windows-build.sh;
# each one is listed, one a line, in <build>/windows-tests.txt.
if(MINGW AND CMAKE_CROSSCOMPILING)
  file(WRITE "${PROJECT_BINARY_DIR}/windows-tests.txt" "")
endif()

# korvath_add_gtest(NAME SOURCES ... LIBS ... [QT] [OPENGL])
# A GoogleTest program registered with CTest. QT tests run on the offscreen platform;
# OPENGL tests need the X server that ./test starts.
function(korvath_add_gtest name)
  cmake_parse_arguments(T "QT;OPENGL" "" "SOURCES;LIBS" ${ARGN})
  if(KORVATH_FUZZ_ONLY)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(MINGW AND CMAKE_CROSSCOMPILING)
    file(APPEND "${PROJECT_BINARY_DIR}/windows-tests.txt"
         "${CMAKE_CURRENT_BINARY_DIR}/${name}.exe\n")
    return()
  endif()
  target_compile_definitions(${name} PRIVATE KORVATH_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # One variable only: the discovery passes test properties on as a flat list, so a second
  # entry would be taken as a property name and dropped.
  set(env "KORVATH_TEST=1")
  if(T_QT AND NOT T_OPENGL)
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}")
endfunction()

# korvath_fuzz_target(NAME SOURCES ... LIBS ... [SECONDS n] [CORPUS dir] [MAX_LEN bytes])
# In the clang sub-build: a libFuzzer program. In the ordinary build: a CTest test that runs it
# for a few seconds from the sub-build's folder, on the build's corpus folder (where new inputs
# go) and the seed folder CORPUS (files our own programs write, kept in the repository; read
# only). MAX_LEN bounds the inputs it makes (libFuzzer's -max_len). scripts/fuzz.sh reads the
# same settings from build/fuzz-targets.txt for longer campaigns.
set(KORVATH_FUZZ_BIN_DIR "${PROJECT_BINARY_DIR}/fuzz-build/bin")
set(KORVATH_FUZZ_LIST "${PROJECT_BINARY_DIR}/fuzz-targets.txt")
if(KORVATH_FUZZ AND NOT KORVATH_FUZZ_ONLY)
  file(WRITE "${KORVATH_FUZZ_LIST}" "")
endif()
function(korvath_fuzz_target name)
  cmake_parse_arguments(F "" "SECONDS;CORPUS;MAX_LEN" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SECONDS)
    set(F_SECONDS 5)
  endif()
  if(KORVATH_FUZZ_ONLY)
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/bin")
  elseif(KORVATH_FUZZ)
    set(corpus "${PROJECT_BINARY_DIR}/fuzz-corpus/${name}")
    set(seeds "")
    if(F_CORPUS)
      get_filename_component(seeds "${F_CORPUS}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    endif()
    set(options -rss_limit_mb=2048 -print_final_stats=0)
    if(F_MAX_LEN)
      list(APPEND options -max_len=${F_MAX_LEN})
    endif()
    add_test(NAME fuzz.${name}
             COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                     UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
                     ${KORVATH_FUZZ_BIN_DIR}/${name} -max_total_time=${F_SECONDS} ${options} ${corpus} ${seeds})
    set_tests_properties(fuzz.${name} PROPERTIES RUN_SERIAL FALSE TIMEOUT 300)
    file(MAKE_DIRECTORY "${corpus}")
    file(APPEND "${KORVATH_FUZZ_LIST}" "${name}\t${KORVATH_FUZZ_BIN_DIR}/${name}\t${corpus}\t${seeds}\t${F_MAX_LEN}\n")
  endif()
endfunction()

# Builds the fuzz targets with clang in build/fuzz-build as part of the ordinary build.
function(korvath_fuzz_subbuild)
  if(NOT KORVATH_FUZZ)
    return()
  endif()
  find_program(CLANGXX clang++ REQUIRED)
  find_program(CLANGC clang REQUIRED)
  include(ExternalProject)
  string(REPLACE ";" "$<SEMICOLON>" KORVATH_TOOLS_ESCAPED "${KORVATH_TOOLS}")
  ExternalProject_Add(fuzzers
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${PROJECT_BINARY_DIR}/fuzz-build"
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DKORVATH_FUZZ_ONLY=ON -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_C_COMPILER=${CLANGC}
               -DKORVATH_WERROR=${KORVATH_WERROR} -DCMAKE_BUILD_TYPE=RelWithDebInfo
               "-DKORVATH_TOOLS=${KORVATH_TOOLS_ESCAPED}"
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
endfunction()

# korvath_add_parts(PARTS a b c ... CORES a b)
# Adds the tool's part folders that exist; the sanitizer sub-build adds only the CORES, which
# hold the fuzz targets.
function(korvath_add_parts)
  cmake_parse_arguments(P "" "" "PARTS;CORES" ${ARGN})
  foreach(part IN LISTS P_PARTS)
    if(KORVATH_FUZZ_ONLY AND NOT part IN_LIST P_CORES)
      continue()
    endif()
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${part}/CMakeLists.txt")
      add_subdirectory(${part})
    endif()
  endforeach()
endfunction()

# korvath_headers_only_assimp()
# The Windows cross build has no import library: assimp::assimp gives only the host's headers
# (plain C++), so the code using them still compiles for Windows; nothing links it.
function(korvath_headers_only_assimp)
  set(inc "${PROJECT_BINARY_DIR}/host-assimp-headers")
  file(MAKE_DIRECTORY "${inc}")
  file(CREATE_LINK /usr/include/assimp "${inc}/assimp" SYMBOLIC)
  add_library(assimp::assimp INTERFACE IMPORTED GLOBAL)
  target_include_directories(assimp::assimp INTERFACE "${inc}")
endfunction()

# korvath_windows_tests()
# Where MinGW-w64 and Wine are installed, CTest builds the Windows programs in <build>/windows
# and runs them under Wine (scripts/windows-build.sh); each check is its own test.
function(korvath_windows_tests)
  find_program(MINGW_CXX x86_64-w64-mingw32-g++-posix)
  find_program(WINE wine)
  if(NOT MINGW_CXX OR NOT WINE)
    message(STATUS "Windows build under Wine: not tested (MinGW-w64 or wine missing)")
    return()
  endif()
  set(script "${PROJECT_SOURCE_DIR}/scripts/windows-build.sh")
  set(env KORVATH_WINDOWS_BUILD_DIR=${PROJECT_BINARY_DIR}/windows
          KORVATH_LINUX_BUILD_DIR=${PROJECT_BINARY_DIR})
  add_test(NAME windows.build COMMAND ${CMAKE_COMMAND} -E env ${env} ${script} build)
  set_tests_properties(windows.build PROPERTIES TIMEOUT 1200 FIXTURES_SETUP windows_build)
  foreach(check IN ITEMS gtests rosterdesk-cli plugin registry)
    add_test(NAME windows.${check} COMMAND ${CMAKE_COMMAND} -E env ${env} ${script} ${check})
    set_tests_properties(windows.${check} PROPERTIES TIMEOUT 900 FIXTURES_REQUIRED windows_build
                         SKIP_RETURN_CODE 77 RESOURCE_LOCK wine)
  endforeach()
endfunction()
