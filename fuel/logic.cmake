# Widget-free fuel calibration: the table model and its rules, the sensor
# types, the tracker's fuel answer, the calibration file, the report HTML
# and the stability watch of live readings.
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/fuelsensortype.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelsensortype.h
    ${CMAKE_CURRENT_LIST_DIR}/fuelcalibration.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelcalibration.h
    ${CMAKE_CURRENT_LIST_DIR}/fuelcalibrationmodel.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelcalibrationmodel.h
    ${CMAKE_CURRENT_LIST_DIR}/fuelanswer.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelanswer.h
    ${CMAKE_CURRENT_LIST_DIR}/fuelfile.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelfile.h
    ${CMAKE_CURRENT_LIST_DIR}/fuelreport.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelreport.h
    ${CMAKE_CURRENT_LIST_DIR}/fuelstability.cpp ${CMAKE_CURRENT_LIST_DIR}/fuelstability.h
)
