k4810_sim_service(CLASS SettingsService HEADER settingsservice.h
                  SOURCES settingsservice.cpp settingsservice.h)
