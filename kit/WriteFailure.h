#pragma once
// What writing a file or a print job came to: nothing when it was written whole, else the
// reason it was not, ready to be shown. Returned rather than set through a pointer, so that a
// caller cannot forget to look (the functions that return it are [[nodiscard]]).
#include <QString>
#include <optional>

using WriteFailure = std::optional<QString>;
