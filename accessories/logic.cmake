# Widget-free accessories: the accelerometer calibration exchange, the
# older accelerometer levels and the live readings, the touch-memory key
# file and its transfers, the tachograph exchange.
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/accelcalibration.cpp ${CMAKE_CURRENT_LIST_DIR}/accelcalibration.h
    ${CMAKE_CURRENT_LIST_DIR}/accelerometerlevels.cpp ${CMAKE_CURRENT_LIST_DIR}/accelerometerlevels.h
    ${CMAKE_CURRENT_LIST_DIR}/accelerometerreading.cpp ${CMAKE_CURRENT_LIST_DIR}/accelerometerreading.h
    ${CMAKE_CURRENT_LIST_DIR}/trackersend.h
    ${CMAKE_CURRENT_LIST_DIR}/trackerrequest.cpp ${CMAKE_CURRENT_LIST_DIR}/trackerrequest.h
    ${CMAKE_CURRENT_LIST_DIR}/tmkeyfile.cpp ${CMAKE_CURRENT_LIST_DIR}/tmkeyfile.h
    ${CMAKE_CURRENT_LIST_DIR}/tmkeytransfer.cpp ${CMAKE_CURRENT_LIST_DIR}/tmkeytransfer.h
    ${CMAKE_CURRENT_LIST_DIR}/tmkeyfilewrite.cpp ${CMAKE_CURRENT_LIST_DIR}/tmkeyfilewrite.h
    ${CMAKE_CURRENT_LIST_DIR}/tmkeyfileread.cpp ${CMAKE_CURRENT_LIST_DIR}/tmkeyfileread.h
    ${CMAKE_CURRENT_LIST_DIR}/tachoexchange.cpp ${CMAKE_CURRENT_LIST_DIR}/tachoexchange.h
)
