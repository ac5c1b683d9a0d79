# velqt_add_package(<target> SOURCE_DIR <folder> [OUTPUT <file.data>])
# Packs a theme or application package from its source folder whenever a file in it changes.
# The archive is <target>.data in the current binary folder unless OUTPUT names another.
function(velqt_add_package target)
    cmake_parse_arguments(arg "" "SOURCE_DIR;OUTPUT" "" ${ARGN})
    if(NOT arg_SOURCE_DIR)
        message(FATAL_ERROR "velqt_add_package(${target}): SOURCE_DIR is required")
    endif()
    get_filename_component(source_dir "${arg_SOURCE_DIR}" ABSOLUTE)
    if(arg_OUTPUT)
        get_filename_component(output "${arg_OUTPUT}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_BINARY_DIR})
    else()
        set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}.data)
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${source_dir}/*")
    add_custom_command(OUTPUT ${output}
        COMMAND VelQtLib::velqt pack ${source_dir} -o ${output}
        DEPENDS ${sources} VelQtLib::velqt
        COMMENT "Packing ${output}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
