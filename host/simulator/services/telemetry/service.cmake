k4810_sim_service(CLASS TelemetryService HEADER telemetryservice.h
                  SOURCES telemetryservice.cpp telemetryservice.h
                          tripgenerator.cpp tripgenerator.h
                          trackerrecords.cpp trackerrecords.h)
