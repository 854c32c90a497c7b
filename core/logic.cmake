target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/codepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/codepage.h
)
