# Host build: the logic as a library, its unit tests, and the end-to-end tests that drive the
# Windows build (WIN_BUILD_DIR) under Wine.
enable_testing()

option(KIT_SANITIZE "Build the host logic and unit tests with AddressSanitizer and UBSan" OFF)
if(KIT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra -Werror)

# The fuzzers (clang only): the logic instrumented for libFuzzer, ASan and UBSan; no test suites.
option(KIT_FUZZ "Build the libFuzzer fuzzers of the parsers under tests/fuzz instead of the tests" OFF)
if(KIT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT CMAKE_C_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KIT_FUZZ needs clang and clang++ as the C and C++ compilers")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -O1 -g)
    add_link_options(-fsanitize=address,undefined)
endif()

set(KIT_LOGIC_SOURCES ${CATALOGUE_SOURCES} ${MONITOR_LOGIC_SOURCES} ${SETUP_LOGIC_SOURCES})
list(REMOVE_DUPLICATES KIT_LOGIC_SOURCES)
add_library(kit_logic STATIC ${KIT_LOGIC_SOURCES})
target_include_directories(kit_logic PUBLIC ${CATALOGUE_INCLUDES} "${CMAKE_SOURCE_DIR}")
# The driver's request handling is plain C, tested on the host like the rest of the logic.
target_sources(kit_logic PRIVATE driver/port_request.c)
# The uninstaller's decisions (which printers and files belong to the model) are logic as well.
target_sources(kit_logic PRIVATE kit/uninstall/removal_names.cpp kit/uninstall/uninstaller.cpp)

if(KIT_FUZZ)
    add_subdirectory(tests/fuzz)
    return()
endif()
add_subdirectory(tests/unit)
add_subdirectory(tests/bench)
add_subdirectory(tests/e2e)

# A model index outside the table must stop configuration with a clear message.
add_test(NAME build.model_index_out_of_range
    COMMAND ${CMAKE_COMMAND} -S "${CMAKE_SOURCE_DIR}" -B "${CMAKE_BINARY_DIR}/model-index-check" -DMODEL_INDEX=15)
set_tests_properties(build.model_index_out_of_range PROPERTIES
    PASS_REGULAR_EXPRESSION "MODEL_INDEX must be a whole number from 0 to 14, not '15'" LABELS unit)
