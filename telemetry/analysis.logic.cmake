# Widget-free analysis of telemetry pages: pages read one at a time from a
# text file or a download, the values a chart plots and their min/max
# envelope per pixel column, the trip summary, the byte spans of a record,
# and the track outputs (GPX, timed KML).
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tmipagesource.cpp ${CMAKE_CURRENT_LIST_DIR}/tmipagesource.h
    ${CMAKE_CURRENT_LIST_DIR}/tmiseries.cpp ${CMAKE_CURRENT_LIST_DIR}/tmiseries.h
    ${CMAKE_CURRENT_LIST_DIR}/tmiseriesloader.cpp ${CMAKE_CURRENT_LIST_DIR}/tmiseriesloader.h
    ${CMAKE_CURRENT_LIST_DIR}/tmienvelope.cpp ${CMAKE_CURRENT_LIST_DIR}/tmienvelope.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitripsummary.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitripsummary.h
    ${CMAKE_CURRENT_LIST_DIR}/tmirecordspans.cpp ${CMAKE_CURRENT_LIST_DIR}/tmirecordspans.h
    ${CMAKE_CURRENT_LIST_DIR}/tmigpxwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmigpxwriter.h
    ${CMAKE_CURRENT_LIST_DIR}/tmikmltrackwriter.cpp ${CMAKE_CURRENT_LIST_DIR}/tmikmltrackwriter.h
)
