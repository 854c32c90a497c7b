# Widget-free part of the telemetry window: the interval download exchange,
# the compact list of downloaded pages, the writers of the download outputs
# (XML text file, table, binary telemetry file, KML track) and their
# registry, the captions and table columns of the fields, and the reader of
# the text file (page index and page decoder).
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tmidownloadlist.cpp ${CMAKE_CURRENT_LIST_DIR}/tmidownloadlist.h
    ${CMAKE_CURRENT_LIST_DIR}/tmidownload.cpp ${CMAKE_CURRENT_LIST_DIR}/tmidownload.h
    ${CMAKE_CURRENT_LIST_DIR}/tmiwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmioutputs.cpp ${CMAKE_CURRENT_LIST_DIR}/tmioutputs.h
    ${CMAKE_CURRENT_LIST_DIR}/tmifieldcaptions.cpp ${CMAKE_CURRENT_LIST_DIR}/tmifieldcaptions.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitablecolumns.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitablecolumns.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextfile.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextfile.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextfileloader.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextfileloader.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextfilemodel.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextfilemodel.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextbuffer.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextbuffer.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitextformat.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitextformat.h
    ${CMAKE_CURRENT_LIST_DIR}/tmipiececache.h
    ${CMAKE_CURRENT_LIST_DIR}/tmiexport.cpp ${CMAKE_CURRENT_LIST_DIR}/tmiexport.h
    ${CMAKE_CURRENT_LIST_DIR}/tmixmlwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmixmlwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitablewriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitablewriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmikmlwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmikmlwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmibinwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmibinwriter.h
)
