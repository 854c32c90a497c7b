target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settingsdocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsdocument.h
    ${CMAKE_CURRENT_LIST_DIR}/trackeranswers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trackeranswers.h
)
