k4810_sim_service(CLASS AccelerometerService HEADER accelerometerservice.h
                  SOURCES accelerometerservice.cpp accelerometerservice.h)
