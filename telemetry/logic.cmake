# Widget-free telemetry: record formats and field table, page objects, value
# texts, the binary telemetry file.
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/fieldtable.cpp ${CMAKE_CURRENT_LIST_DIR}/fieldtable.h
    ${CMAKE_CURRENT_LIST_DIR}/presencemask.cpp ${CMAKE_CURRENT_LIST_DIR}/presencemask.h
    ${CMAKE_CURRENT_LIST_DIR}/tmibytes.cpp ${CMAKE_CURRENT_LIST_DIR}/tmibytes.h
    ${CMAKE_CURRENT_LIST_DIR}/fullrecord.h
    ${CMAKE_CURRENT_LIST_DIR}/maskplan.cpp ${CMAKE_CURRENT_LIST_DIR}/maskplan.h
    ${CMAKE_CURRENT_LIST_DIR}/f8record.cpp ${CMAKE_CURRENT_LIST_DIR}/f8record.h
    ${CMAKE_CURRENT_LIST_DIR}/extendedrecord.cpp ${CMAKE_CURRENT_LIST_DIR}/extendedrecord.h
    ${CMAKE_CURRENT_LIST_DIR}/tmitext.cpp ${CMAKE_CURRENT_LIST_DIR}/tmitext.h
    ${CMAKE_CURRENT_LIST_DIR}/tmiformat.cpp ${CMAKE_CURRENT_LIST_DIR}/tmiformat.h
    ${CMAKE_CURRENT_LIST_DIR}/tmifieldtext.h
    ${CMAKE_CURRENT_LIST_DIR}/tmipage_vela.cpp ${CMAKE_CURRENT_LIST_DIR}/tmipage_vela.h
    ${CMAKE_CURRENT_LIST_DIR}/orv_tmipage_f8.cpp ${CMAKE_CURRENT_LIST_DIR}/orv_tmipage_f8.h
    ${CMAKE_CURRENT_LIST_DIR}/tmipage_vela2.cpp ${CMAKE_CURRENT_LIST_DIR}/tmipage_vela2.h
    ${CMAKE_CURRENT_LIST_DIR}/orv_tmipage_f6.cpp ${CMAKE_CURRENT_LIST_DIR}/orv_tmipage_f6.h
    ${CMAKE_CURRENT_LIST_DIR}/orv_logbinfile.cpp ${CMAKE_CURRENT_LIST_DIR}/orv_logbinfile.h
    ${CMAKE_CURRENT_LIST_DIR}/tmirequest.cpp ${CMAKE_CURRENT_LIST_DIR}/tmirequest.h
)
