# Widget-free part of the telemetry window: the compact list of downloaded
# pages and the writers of the four download outputs (XML text file, table,
# binary telemetry file, KML track).
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tmidownloadlist.cpp ${CMAKE_CURRENT_LIST_DIR}/tmidownloadlist.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextbuffer.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextbuffer.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextformat.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextformat.h
    ${CMAKE_CURRENT_LIST_DIR}/tmipiececache.h
    ${CMAKE_CURRENT_LIST_DIR}/tmiexport.cpp ${CMAKE_CURRENT_LIST_DIR}/tmiexport.h
    ${CMAKE_CURRENT_LIST_DIR}/tmixmlwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmixmlwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitablewriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitablewriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmikmlwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmikmlwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmibinwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmibinwriter.h
)
