# Build helpers shared by every folder: one library per folder of lib/,
# one test executable per folder of tests/, benchmarks and fuzz targets.

add_library(kessok_warnings INTERFACE)
target_compile_options(kessok_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wsign-conversion -Wold-style-cast)
if(KESSOK_WERROR)
    target_compile_options(kessok_warnings INTERFACE -Werror)
endif()

# __FILE__, and so the abort report, names a source file by its path in the source tree, the
# same wherever the tree was checked out or built.
add_compile_options(-fmacro-prefix-map=${PROJECT_SOURCE_DIR}/=)

if(KESSOK_SANITIZE)
    add_compile_options(-fsanitize=${KESSOK_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${KESSOK_SANITIZE})
endif()
if(KESSOK_FUZZ)
    # libFuzzer comes with clang: g++ 12 refuses -fsanitize=fuzzer-no-link at the first compile.
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KESSOK_FUZZ needs clang, and the C++ compiler is "
                            "${CMAKE_CXX_COMPILER_ID}: configure a new tree with CXX=clang++")
    endif()
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

# The include root of a library: a folder of the build tree that holds, below the library's
# own folder name, a link to each of its headers and nothing else, so that a library sees the
# headers of exactly the libraries it links. The folder name is the path below lib/ ("Util",
# "Render/OGL"), or below the source tree for a library outside lib/. Sets <out> to the root
# and <prefix_out> to what the root stands for in the source tree ("lib/" or "").
function(kessok_include_root target out prefix_out)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/lib ${CMAKE_CURRENT_SOURCE_DIR})
    set(prefix lib/)
    if(folder MATCHES "^\\.\\.")
        file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
        set(prefix "")
    endif()
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    # Headers, and include files without an extension (GAME_MAIN).
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(GLOB bare CONFIGURE_DEPENDS LIST_DIRECTORIES false ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(FILTER bare EXCLUDE REGEX "/[^/]*\\.[^/]*$")
    list(APPEND headers ${bare})
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    set(${out} ${root} PARENT_SCOPE)
    set(${prefix_out} "${prefix}" PARENT_SCOPE)
endfunction()

# kessok_library(NAME <target> [SOURCES <files>...] [DEPS <targets>...]
#                 [HEADER_DEPS <targets>...])
# A static library of the folder's .cpp files, or of the SOURCES named when a folder holds
# more than one target (an interface library when there are none).
# Its headers are included as "Folder/Name.h" ("Render/OGL/Name.h" for a nested folder). It
# and whatever links it see its own headers and those of its DEPS, and no others: a header
# of a library left out of DEPS is not found. DEPS are public, since headers include the
# headers of the libraries they rest on. HEADER_DEPS are libraries whose headers it needs
# but none of whose code it calls: it and whatever links it see their headers and what they
# see, as for DEPS, but do not link them. It and whatever links it compile as C++17 at least,
# in this tree and in a project that adds it with add_subdirectory.
function(kessok_library)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;DEPS;HEADER_DEPS" ${ARGN})
    set(sources ${ARG_SOURCES})
    if(NOT sources)
        kessok_sources(sources)
    endif()
    kessok_include_root(${ARG_NAME} root prefix)
    # Reports of a header read through the links name the header in the source tree.
    set(prefix_map "-fmacro-prefix-map=${root}/=${prefix}")
    if(sources)
        add_library(${ARG_NAME} STATIC ${sources})
        set(scope PUBLIC)
    else()
        add_library(${ARG_NAME} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${ARG_NAME} ${scope} ${root})
    target_compile_features(${ARG_NAME} ${scope} cxx_std_17)
    target_compile_options(${ARG_NAME} ${scope} ${prefix_map})
    target_link_libraries(${ARG_NAME} ${scope} ${ARG_DEPS})
    if(sources)
        target_link_libraries(${ARG_NAME} PRIVATE kessok_warnings)
    endif()
    # CMake 3.25 reads these properties over everything the target links as well, so a
    # HEADER_DEP brings what it sees.
    foreach(dep IN LISTS ARG_HEADER_DEPS)
        target_include_directories(${ARG_NAME} ${scope}
            $<TARGET_PROPERTY:${dep},INTERFACE_INCLUDE_DIRECTORIES>)
        target_compile_options(${ARG_NAME} ${scope}
            $<TARGET_PROPERTY:${dep},INTERFACE_COMPILE_OPTIONS>)
    endforeach()
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

# kessok_bench(NAME <target> [GL] [SOURCES <files>...] [DEPS <targets>...])
# A Google Benchmark executable, with the main function of bench/BenchMain.cpp; CTest runs it
# once, briefly, as a smoke test, under a private Xvfb display when it draws with OpenGL (GL),
# and with KESSOK_BENCH_SMOKE=1, under which the program registers the first of its sizes alone
# and runs each benchmark for a short minimum time (bench/BenchSizes.h). A benchmark whose
# outputs do not check equal reports an error, after which Google Benchmark 1.7.1 still ends
# the program with status 0; so the error's text fails the test.
function(kessok_bench)
    cmake_parse_arguments(ARG "GL" "NAME" "SOURCES;DEPS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} kessok_bench_main benchmark::benchmark
                                              kessok_warnings)
    target_compile_definitions(${ARG_NAME} PRIVATE KESSOK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    if(ARG_GL)
        add_test(NAME ${ARG_NAME} COMMAND ${PROJECT_SOURCE_DIR}/tests/with-xvfb.sh
                                          $<TARGET_FILE:${ARG_NAME}>)
    else()
        add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS bench TIMEOUT 300
                         ENVIRONMENT KESSOK_BENCH_SMOKE=1 FAIL_REGULAR_EXPRESSION "ERROR OCCURRED")
endfunction()

# kessok_fuzz(NAME <target> [SOURCES <files>...] [DEPS <targets>...])
# A libFuzzer target; its seed corpus is fuzz/corpus/<target>. ./test.sh runs
# every target listed in <build>/fuzzers.txt for a short fixed time.
function(kessok_fuzz)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;DEPS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} kessok_warnings)
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_options(${ARG_NAME} PRIVATE -fsanitize=fuzzer)
    add_dependencies(kessok_fuzzers ${ARG_NAME})
    set_property(GLOBAL APPEND PROPERTY KESSOK_FUZZERS
        "${ARG_NAME} $<TARGET_FILE:${ARG_NAME}> ${PROJECT_SOURCE_DIR}/fuzz/corpus/${ARG_NAME}")
endfunction()

# kessok_windowed_program(<out> <target>)
# Sets <out> to the command with which a test runs a program of ours that opens a GL window:
# the program itself, or, in a tree under AddressSanitizer, a script beside it that runs it for
# LeakSanitizer's check at exit. Mesa unloads its software driver inside glfwTerminate, before
# that check, which then reports what the driver's globals held as leaks from an unknown
# module, a report that no suppression can name. The script preloads the driver, so that it
# stays until the process ends and leaks nothing, and gives the check tests/leaks.supp. The
# test programs keep the driver loaded themselves (Support/DriverKeeper); the programs of the
# system stay free of test plumbing. g++ 12's AddressSanitizer runtime is a shared library,
# which must come first among the preloaded ones.
function(kessok_windowed_program out target)
    if(NOT KESSOK_SANITIZE MATCHES "address")
        set(${out} $<TARGET_FILE:${target}> PARENT_SCOPE)
        return()
    endif()
    find_file(KESSOK_GL_DRIVER swrast_dri.so PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/dri
              NO_DEFAULT_PATH REQUIRED)
    set(preload ${KESSOK_GL_DRIVER})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so
                        OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(preload "${runtime} ${preload}")
    endif()
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}-leak-checked)
    file(GENERATE OUTPUT ${script}
         CONTENT "#!/bin/sh\nLD_PRELOAD='${preload}' \
LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/leaks.supp:print_suppressions=0 \
exec '$<TARGET_FILE:${target}>' \"$@\"\n"
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE)
    set(${out} ${script} PARENT_SCOPE)
endfunction()
