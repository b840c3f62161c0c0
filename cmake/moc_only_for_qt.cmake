# Qt's moc only for the targets that use Qt. CMAKE_AUTOMOC gives every target
# of a Qt build an autogen step and an include folder of its own, so that the
# Qt-free core compiles with other flags than in a build without Qt. A
# sanitizer tree that first builds the core alone and then adds the windows
# keeps its core objects only when the core compiles the same either way.
set(VELLOMIR_QT_LINK_PATTERN "Qt6::|vellomir_ui|vellomir_render|vellomir_resources|vellomir_audio|vellomir_card_art")

function(vellomir_moc_only_for_qt directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "UTILITY" OR type STREQUAL "INTERFACE_LIBRARY")
            continue()
        endif()
        get_target_property(libraries ${target} LINK_LIBRARIES)
        if(NOT "${libraries}" MATCHES "${VELLOMIR_QT_LINK_PATTERN}")
            set_property(TARGET ${target} PROPERTY AUTOMOC OFF)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        vellomir_moc_only_for_qt(${subdirectory})
    endforeach()
endfunction()

vellomir_moc_only_for_qt(${PROJECT_SOURCE_DIR})
