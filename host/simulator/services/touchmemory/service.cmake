k4810_sim_service(CLASS TouchMemoryService HEADER touchmemoryservice.h
                  SOURCES touchmemoryservice.cpp touchmemoryservice.h)
