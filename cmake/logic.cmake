# Widget-free part of the plug-in. Each folder lists its logic sources in its
# own *logic.cmake files (paths relative to the file, through
# CMAKE_CURRENT_LIST_DIR), so this file never changes when a folder gains a
# source or a second list.
add_library(k4810logic STATIC)
target_include_directories(k4810logic PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(k4810logic PUBLIC Qt6::Core Qt6::Xml Qt6::Core5Compat)

foreach(_dir core xml settings/model settings/editor telemetry fuel net accessories)
    file(GLOB _lists CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${_dir}/*logic.cmake)
    list(SORT _lists)
    foreach(_list ${_lists})
        include(${_list})
    endforeach()
endforeach()
