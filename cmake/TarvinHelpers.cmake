# Warnings and sanitizers live in one INTERFACE target that every target links.
add_library(tarvin_warnings INTERFACE)
target_compile_options(tarvin_warnings INTERFACE -Wall -Wextra)
# GCC 12 reports impossible overlaps in std::string assignments when optimising
# (a known false positive of -Wrestrict in that release).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tarvin_warnings INTERFACE -Wno-restrict)
endif()
# The fuzz build instruments everything the targets call, not just their
# harness, so the fuzzer sees the reader's branches; and checks them with
# AddressSanitizer and UndefinedBehaviorSanitizer.
if(TARVIN_FUZZ)
  target_compile_options(tarvin_warnings INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tarvin_warnings INTERFACE -fsanitize=address,undefined)
endif()
if(TARVIN_SANITIZE)
  target_compile_options(tarvin_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tarvin_warnings INTERFACE -fsanitize=address,undefined)
endif()

# tarvin_add_library(name SOURCES ... LIBS ...): a library of one subsystem folder.
function(tarvin_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE tarvin_warnings)
endfunction()

# tarvin_add_test(name SOURCES ... LIBS ... [QT] [NO_GTEST_MAIN]): one GoogleTest program, registered with CTest.
# QT tests run on the offscreen platform with settings kept in the build tree.
# NO_GTEST_MAIN: the sources bring their own main (e.g. one that creates a QApplication).
function(tarvin_add_test name)
  cmake_parse_arguments(ARG "QT;NO_GTEST_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest tarvin_warnings)
  if(NOT ARG_NO_GTEST_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    TARVIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TARVIN_PROGRAM_FOLDER="${TARVIN_PROGRAM_FOLDER}/")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(ARG_QT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
