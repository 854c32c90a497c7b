k4810_sim_service(CLASS FuelService HEADER fuelservice.h
                  SOURCES fuelservice.cpp fuelservice.h)
