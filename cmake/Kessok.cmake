# Build helpers shared by every folder: one static library per folder of lib/,
# one test executable per folder of tests/, benchmarks and fuzz targets.

add_library(kessok_warnings INTERFACE)
target_compile_options(kessok_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(KESSOK_WERROR)
    target_compile_options(kessok_warnings INTERFACE -Werror)
endif()

if(KESSOK_SANITIZE)
    add_compile_options(-fsanitize=${KESSOK_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${KESSOK_SANITIZE})
endif()
if(KESSOK_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Adds every folder below DIR that holds a CMakeLists.txt. No CMakeLists.txt adds
# its own subfolders, so lib/Render and lib/Render/OGL are siblings here.
function(kessok_add_subdirectories dir)
    file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    list(FILTER lists EXCLUDE REGEX "/corpus/")
    list(SORT lists)
    foreach(list_file IN LISTS lists)
        get_filename_component(folder ${list_file} DIRECTORY)
        add_subdirectory(${folder})
    endforeach()
endfunction()

function(kessok_sources out)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# kessok_library(NAME <target> [DEPS <targets>...])
# A static library of the folder's .cpp files (an interface library when there
# are none). Headers are included as "Folder/Name.h" from lib/.
function(kessok_library)
    cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
    kessok_sources(sources)
    if(sources)
        add_library(${ARG_NAME} STATIC ${sources})
        target_include_directories(${ARG_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/lib)
        target_link_libraries(${ARG_NAME} PUBLIC ${ARG_DEPS} PRIVATE kessok_warnings)
    else()
        add_library(${ARG_NAME} INTERFACE)
        target_include_directories(${ARG_NAME} INTERFACE ${PROJECT_SOURCE_DIR}/lib)
        target_link_libraries(${ARG_NAME} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# kessok_test(NAME <target> [GL] [OWN_MAIN] [SOURCES <files>...] [DEPS <targets>...])
# One GoogleTest executable; every test case runs as its own CTest test.
# GL tests run each process under a private Xvfb display and carry the label "gl".
function(kessok_test)
    cmake_parse_arguments(ARG "GL;OWN_MAIN" "NAME" "SOURCES;DEPS" ${ARGN})
    if(NOT ARG_SOURCES)
        kessok_sources(ARG_SOURCES)
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    if(ARG_OWN_MAIN)
        target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} GTest::gtest kessok_warnings)
    else()
        target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} GTest::gtest_main kessok_warnings)
    endif()
    target_compile_definitions(${ARG_NAME} PRIVATE KESSOK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    # Shared test helpers are included as "Support/Name.h".
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    set(label unit)
    if(ARG_GL)
        set(label gl)
        set_target_properties(${ARG_NAME} PROPERTIES
            CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/with-xvfb.sh)
    endif()
    gtest_discover_tests(${ARG_NAME}
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS ${label} TIMEOUT 120)
endfunction()

# kessok_bench(NAME <target> [SOURCES <files>...] [DEPS <targets>...])
# A Google Benchmark executable; CTest runs it once, briefly, as a smoke test.
function(kessok_bench)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;DEPS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} benchmark::benchmark_main
                                              kessok_warnings)
    target_compile_definitions(${ARG_NAME} PRIVATE KESSOK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME} --benchmark_min_time=0.01)
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS bench TIMEOUT 300)
endfunction()

# kessok_fuzz(NAME <target> [SOURCES <files>...] [DEPS <targets>...])
# A libFuzzer target; its seed corpus is fuzz/corpus/<target>. ./test.sh runs
# every target listed in <build>/fuzzers.txt for a short fixed time.
function(kessok_fuzz)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;DEPS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} kessok_warnings)
    target_link_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
    add_dependencies(kessok_fuzzers ${ARG_NAME})
    set_property(GLOBAL APPEND PROPERTY KESSOK_FUZZERS
        "${ARG_NAME} $<TARGET_FILE:${ARG_NAME}> ${PROJECT_SOURCE_DIR}/fuzz/corpus/${ARG_NAME}")
endfunction()
