# Builds small Win32 programs with MinGW-w64 beside the native build.
#
#   pelorin_mingw_available(<out-var>)
#   pelorin_add_mingw_executable(<target> OUTPUT <file.exe> SOURCES <src>...
#                                [LIBS <-lname>...])
#
# Each source is compiled to its own object with a dependency file, so a
# change to a source or to any header it includes rebuilds the program.
include_guard(GLOBAL)

find_program(PELORIN_MINGW_CXX
    NAMES x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-g++
    DOC "MinGW-w64 C++ compiler for the Win32 programs")

function(pelorin_mingw_available out)
    if(PELORIN_BUILD_WIN32 AND PELORIN_MINGW_CXX)
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

function(pelorin_add_mingw_executable target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT" "SOURCES;LIBS")
    set(flags -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
        -Woverloaded-virtual -I${PROJECT_SOURCE_DIR})
    set(objects)
    foreach(source IN LISTS arg_SOURCES)
        get_filename_component(source_path ${source} ABSOLUTE)
        get_filename_component(name ${source} NAME_WE)
        set(object ${CMAKE_CURRENT_BINARY_DIR}/mingw/${target}/${name}.o)
        add_custom_command(OUTPUT ${object}
            COMMAND ${PELORIN_MINGW_CXX} ${flags} -MMD -MT ${object} -MF ${object}.d
                    -c ${source_path} -o ${object}
            DEPENDS ${source_path}
            DEPFILE ${object}.d
            COMMENT "MinGW-w64: compiling ${name} for ${target}"
            VERBATIM)
        list(APPEND objects ${object})
    endforeach()
    get_filename_component(output_dir ${arg_OUTPUT} DIRECTORY)
    add_custom_command(OUTPUT ${arg_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
        COMMAND ${PELORIN_MINGW_CXX} -static -o ${arg_OUTPUT} ${objects} ${arg_LIBS}
        DEPENDS ${objects}
        COMMENT "MinGW-w64: linking ${arg_OUTPUT}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${arg_OUTPUT})
endfunction()
