# The Enhanced Metafile writer fed random drawing calls.
find_path(UEMF_INCLUDE_DIR uemf.h REQUIRED)
find_library(UEMF_LIBRARY uemf REQUIRED)
add_library(fuzz_emf_writer_lib STATIC ${ORVAN_ROOT}/pictures/EmfPaintDevice.cpp
                                       ${ORVAN_ROOT}/pictures/EmfPaintEngine.cpp)
target_include_directories(fuzz_emf_writer_lib PUBLIC ${ORVAN_ROOT} ${UEMF_INCLUDE_DIR})
target_link_libraries(fuzz_emf_writer_lib PUBLIC Qt6::Gui ${UEMF_LIBRARY})
orvan_fuzz(fuzz_emf_writer emf_writer_fuzz.cpp fuzz_emf_writer_lib)
