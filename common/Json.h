#pragma once
// A small JSON writer for the command-line tool's --json output: numbers unrounded in their
// shortest round-trip form, strings escaped, UTF-8 passed through.
#include <optional>
#include <string>
#include <vector>

#include "common/CoreGuard.h"

namespace orvan {

class JsonObject {
public:
    JsonObject& number(const std::string& key, double value);
    JsonObject& optionalNumber(const std::string& key, std::optional<double> value);  // null when empty
    JsonObject& integer(const std::string& key, long long value);
    JsonObject& boolean(const std::string& key, bool value);
    JsonObject& string(const std::string& key, const std::string& value);
    JsonObject& numbers(const std::string& key, const std::vector<double>& values);
    JsonObject& strings(const std::string& key, const std::vector<std::string>& values);
    JsonObject& raw(const std::string& key, const std::string& json);  // an already-written value
    std::string str() const;  // "{...}"

private:
    void key(const std::string& name);
    std::string body_;
};

std::string jsonQuote(const std::string& text);
std::string jsonNumber(double value);  // "null" for NaN and infinities
std::string jsonArray(const std::vector<std::string>& writtenValues);

}  // namespace orvan
