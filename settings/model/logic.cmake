# The settings model: the catalogue (tables/ holds one file per section) and
# the values of a settings file.
file(GLOB _settings_tables CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tables/*.cpp)
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settingsconversion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsconversion.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsrow.h
    ${CMAKE_CURRENT_LIST_DIR}/settingskey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingskey.h
    ${CMAKE_CURRENT_LIST_DIR}/settingstext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingstext.h
    ${CMAKE_CURRENT_LIST_DIR}/settingscatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingscatalogue.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsmodel.h
    ${CMAKE_CURRENT_LIST_DIR}/settingschanges.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingschanges.h
    ${CMAKE_CURRENT_LIST_DIR}/settingscomparison.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingscomparison.h
    ${CMAKE_CURRENT_LIST_DIR}/settingssearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingssearch.h
    ${_settings_tables}
)
