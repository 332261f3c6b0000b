# Targets over Qt code: the picture readers (bitmap, icon, EMF through emf2svg, WMF through
# libwmf). libwmf is linked before libuemf and emf2svg: both export wmf_free.
find_path(EMF2SVG_INCLUDE_DIR emf2svg.h REQUIRED)
find_library(EMF2SVG_LIBRARY emf2svg REQUIRED)
find_library(UEMF_LIBRARY uemf REQUIRED)
find_library(WMF_LIBRARY wmf REQUIRED)
find_library(WMFLITE_LIBRARY wmflite REQUIRED)
find_package(Freetype REQUIRED)
set(_viewers ${ORVAN_ROOT}/pictures)
add_library(fuzz_picture_loaders STATIC
    ${_viewers}/PictureLoader.cpp ${_viewers}/RasterLoader.cpp ${_viewers}/SvgRaster.cpp
    ${_viewers}/EmfLoader.cpp ${_viewers}/WmfLoader.cpp)
target_include_directories(fuzz_picture_loaders PUBLIC ${ORVAN_ROOT}
                           PRIVATE ${EMF2SVG_INCLUDE_DIR} ${FREETYPE_INCLUDE_DIRS})
target_link_libraries(fuzz_picture_loaders PUBLIC Qt6::Gui Qt6::Svg
                      ${WMF_LIBRARY} ${WMFLITE_LIBRARY} ${UEMF_LIBRARY} ${EMF2SVG_LIBRARY})

orvan_fuzz(fuzz_picture_bitmap picture_bitmap_fuzz.cpp fuzz_picture_loaders)
orvan_fuzz(fuzz_picture_icon picture_icon_fuzz.cpp fuzz_picture_loaders)
orvan_fuzz(fuzz_picture_emf picture_emf_fuzz.cpp fuzz_picture_loaders)
orvan_fuzz(fuzz_picture_wmf picture_wmf_fuzz.cpp fuzz_picture_loaders)
