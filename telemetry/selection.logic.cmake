# The record field selection sent to the telematic server (widget-free).
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/fieldselection.cpp ${CMAKE_CURRENT_LIST_DIR}/fieldselection.h
)
