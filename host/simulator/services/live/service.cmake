k4810_sim_service(CLASS LiveService HEADER liveservice.h
                  SOURCES liveservice.cpp liveservice.h)
