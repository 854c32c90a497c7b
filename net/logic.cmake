# Widget-free part of the server connection test, and the data the transfer
# pages need for the network: carriers' access points, encryption keys,
# update schedules.
target_link_libraries(k4810logic PUBLIC Qt6::Network)
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/serverconnectiontest.cpp ${CMAKE_CURRENT_LIST_DIR}/serverconnectiontest.h
    ${CMAKE_CURRENT_LIST_DIR}/mobilecarriers.cpp ${CMAKE_CURRENT_LIST_DIR}/mobilecarriers.h
    ${CMAKE_CURRENT_LIST_DIR}/encryptionkey.cpp ${CMAKE_CURRENT_LIST_DIR}/encryptionkey.h
    ${CMAKE_CURRENT_LIST_DIR}/updateschedule.cpp ${CMAKE_CURRENT_LIST_DIR}/updateschedule.h
)
