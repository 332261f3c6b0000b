// The emf reader on arbitrary bytes: it must neither crash nor hang, and whatever it
// returns must keep to the picture size limits.
#include "fuzz/PictureFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return orvan::fuzz::fuzzPicture(data, size, PictureFormat::EnhancedMetafile);
}
