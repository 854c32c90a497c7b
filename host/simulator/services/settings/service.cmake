k4810_sim_service(CLASS SettingsService HEADER settingsservice.h
                  SOURCES settingsservice.cpp settingsservice.h)

# The configuration a tracker fresh from the workshop holds: one file per
# section, configuration/<position>_<SECTION>.xml (windows-1251), put
# together in the order of their names. A new section is one new file.
file(GLOB _k4810_sim_sections CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/configuration/*.xml)
qt6_add_resources(k4810sim "k4810_sim_configuration" PREFIX "/simulator"
    BASE ${CMAKE_CURRENT_LIST_DIR} FILES ${_k4810_sim_sections})
