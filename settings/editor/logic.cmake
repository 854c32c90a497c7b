target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settingsblockwrite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsblockwrite.h
    ${CMAKE_CURRENT_LIST_DIR}/settingspolling.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingspolling.h
    ${CMAKE_CURRENT_LIST_DIR}/trackeranswers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trackeranswers.h
)
