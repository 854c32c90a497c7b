k4810_sim_service(CLASS AccessoriesService HEADER accessoriesservice.h
                  SOURCES accessoriesservice.cpp accessoriesservice.h)
