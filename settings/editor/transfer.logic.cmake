# Rules of the data-transfer settings and of the light form, on the model.
target_sources(k4810logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/transferrules.cpp ${CMAKE_CURRENT_LIST_DIR}/transferrules.h
    ${CMAKE_CURRENT_LIST_DIR}/lightrules.cpp ${CMAKE_CURRENT_LIST_DIR}/lightrules.h
)
