# The Bluetooth device search: the tracker's answers and the exchange.
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/bluetoothanswer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bluetoothanswer.h
    ${CMAKE_CURRENT_LIST_DIR}/bluetoothsearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bluetoothsearch.h
)
