# Every header of the Qt-free core must compile on its own: one translation
# unit per header includes it first (twice, for its include guard), and the
# object library of them is part of every build.
function(vellomir_check_self_contained_headers target base_dir)
    set(sources)
    foreach(header IN LISTS ARGN)
        string(MAKE_C_IDENTIFIER "${header}" name)
        set(source "${CMAKE_CURRENT_BINARY_DIR}/header_check/${name}.cpp")
        file(CONFIGURE OUTPUT "${source}"
             CONTENT "#include \"${header}\"\n#include \"${header}\"\n" @ONLY)
        list(APPEND sources "${source}")
    endforeach()
    add_library(${target} OBJECT ${sources})
    target_include_directories(${target} PRIVATE ${base_dir})
    target_compile_features(${target} PRIVATE cxx_std_20)
endfunction()
