# The libraries of a cross build, from Debian's packages without the host's
# /usr/include on the include path: fmt and CLI11 header-only, from copies
# of their header folders; GoogleTest built from its source package.
set(host_include /usr/include)
set(third_party ${CMAKE_BINARY_DIR}/third_party/include)

# Copies one header folder of the host into the build tree.
function(mapedit_copy_headers folder package)
    if(NOT EXISTS ${host_include}/${folder})
        message(FATAL_ERROR "${host_include}/${folder} is missing: install ${package} "
                            "(scripts/setup-deps)")
    endif()
    file(COPY ${host_include}/${folder} DESTINATION ${third_party})
endfunction()

mapedit_copy_headers(fmt libfmt-dev)
add_library(fmt_header_only INTERFACE)
target_include_directories(fmt_header_only SYSTEM INTERFACE ${third_party})
target_compile_definitions(fmt_header_only INTERFACE FMT_HEADER_ONLY=1)
add_library(fmt::fmt ALIAS fmt_header_only)

mapedit_copy_headers(CLI libcli11-dev)
add_library(cli11_header_only INTERFACE)
target_include_directories(cli11_header_only SYSTEM INTERFACE ${third_party})
add_library(CLI11::CLI11 ALIAS cli11_header_only)

if(MAPEDIT_BUILD_TESTS)
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/googletest ${CMAKE_BINARY_DIR}/googletest)
endif()
