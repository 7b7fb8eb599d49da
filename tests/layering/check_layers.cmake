# Fails, naming each file and include, when an include points the wrong way
# between the layers of src/ (and resources/):
#
#     cmake -DROOT=<source tree> -P check_layers.cmake
#
# Only includes written "layer/header.h" are layer headers; others
# (generated tables, third-party headers) are not checked, except Qt's and
# the Windows API's.
cmake_minimum_required(VERSION 3.25)

# The layers from the bottom up. A file may include headers of its own
# layer and of the layers below it. resources holds the tables that the
# dialogs and the shells build from.
set(layers platform model generate writer reader save view edit resources dialogs app)
# The shells sit on top, side by side: none includes another.
set(shells cli win32 qt)
# The engine knows nothing of drawing: it includes the engine alone.
set(engine model generate writer reader save)
string(JOIN ", " engine_names ${engine})

if(NOT ROOT)
    message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P check_layers.cmake")
endif()

set(broken 0)
macro(report text)
    message("${text}")
    math(EXPR broken "${broken} + 1")
endmacro()

# A layer's place from the bottom; every shell has the top place.
function(rank_of layer out)
    list(FIND layers "${layer}" rank)
    if(rank EQUAL -1 AND "${layer}" IN_LIST shells)
        list(LENGTH layers rank)
    endif()
    set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${ROOT}" "${ROOT}/src/*.cpp" "${ROOT}/src/*.h"
     "${ROOT}/resources/*.cpp" "${ROOT}/resources/*.h")
list(SORT files)
foreach(file IN LISTS files)
    if(file MATCHES "^src/([^/]+)/")
        set(layer "${CMAKE_MATCH_1}")
    elseif(file MATCHES "^resources/")
        set(layer resources)
    else()
        report("${file} lies in no layer folder")
        continue()
    endif()
    rank_of("${layer}" rank)
    if(rank EQUAL -1)
        report("${file}: src/${layer} is in no layer; place it in check_layers.cmake")
        continue()
    endif()

    file(STRINGS "${ROOT}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        if(line MATCHES "<(Q[A-Za-z0-9_]*(/[^>]*)?)>")
            if(NOT layer STREQUAL "qt")
                report("${file} includes <${CMAKE_MATCH_1}>: Qt belongs to src/qt only")
            endif()
            continue()
        endif()
        if(line MATCHES "<((windows|windowsx|commctrl|commdlg|shellapi|winuser)\\.h)>")
            if(NOT layer STREQUAL "win32")
                report("${file} includes <${CMAKE_MATCH_1}>: the Windows API belongs to src/win32 only")
            endif()
            continue()
        endif()
        if(NOT line MATCHES "\"(([^/\"]+)/[^\"]+)\"")
            continue()
        endif()
        set(header "${CMAKE_MATCH_1}")
        set(target "${CMAKE_MATCH_2}")
        rank_of("${target}" target_rank)
        if(target_rank EQUAL -1 OR target STREQUAL layer)
            continue()
        endif()
        if(target_rank GREATER_EQUAL rank)
            report("${file} includes \"${header}\": ${target} is not below ${layer}")
        elseif(layer IN_LIST engine AND NOT target IN_LIST engine)
            report("${file} includes \"${header}\": the engine (${engine_names}) draws nothing")
        endif()
    endforeach()
endforeach()

if(broken GREATER 0)
    message(FATAL_ERROR "layer rules broken: ${broken}")
endif()
