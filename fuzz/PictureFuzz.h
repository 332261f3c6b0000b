#pragma once
// Shared by the picture reader targets: a GUI application object (the SVG drawing of the
// metafiles needs fonts), created once on the first input, and Qt's warnings about damaged
// files kept off the fuzzer's output.
#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "pictures/PictureLoader.h"

namespace orvan::fuzz {

inline void ensurePictureApplication() {
    static QGuiApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        static int argc = 1;
        static char name[] = "picture_fuzz";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)application;
}

// Loads the bytes as `format`; a picture that loads must be of an allowed size.
inline int fuzzPicture(const std::uint8_t* data, std::size_t size, PictureFormat format) {
    ensurePictureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = loadPictureData(bytes, format);
    if (!image.isNull() && !pictureSizeAllowed(image.width(), image.height())) std::abort();
    return 0;
}

}  // namespace orvan::fuzz
