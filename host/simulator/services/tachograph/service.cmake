k4810_sim_service(CLASS TachographService HEADER tachographservice.h
                  SOURCES tachographservice.cpp tachographservice.h)
