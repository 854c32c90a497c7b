target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settingsconversion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsconversion.h
    ${CMAKE_CURRENT_LIST_DIR}/settingskey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingskey.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsvalues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsvalues.h
    ${CMAKE_CURRENT_LIST_DIR}/settingscatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingscatalogue.h
)
