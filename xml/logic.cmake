target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/xmllimits.h
    ${CMAKE_CURRENT_LIST_DIR}/xmlnames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xmlnames.h
    ${CMAKE_CURRENT_LIST_DIR}/cxmlelement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cxmlelement.h
    ${CMAKE_CURRENT_LIST_DIR}/cxmldefaulthandler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cxmldefaulthandler.h
    ${CMAKE_CURRENT_LIST_DIR}/cxmlwriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cxmlwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/valuerecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/valuerecord.h
    ${CMAKE_CURRENT_LIST_DIR}/settingssection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingssection.h
    ${CMAKE_CURRENT_LIST_DIR}/cserialize.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cserialize.h
)
