target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/codepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/codepage.h
    ${CMAKE_CURRENT_LIST_DIR}/deviceclock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/deviceclock.h
    ${CMAKE_CURRENT_LIST_DIR}/libraryinfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/libraryinfo.h
    ${CMAKE_CURRENT_LIST_DIR}/localizedfile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/localizedfile.h
    ${CMAKE_CURRENT_LIST_DIR}/orvmessages.h
)
