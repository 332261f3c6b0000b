#include "common/Json.h"

#include <cstdio>

#include "common/NumberText.h"

namespace orvan {

std::string jsonQuote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
    return out;
}

std::string jsonNumber(double value) { return formatRoundTrip(value); }

std::string jsonArray(const std::vector<std::string>& writtenValues) {
    std::string out = "[";
    for (std::size_t i = 0; i < writtenValues.size(); ++i) {
        if (i) out += ",";
        out += writtenValues[i];
    }
    out += ']';
    return out;
}

void JsonObject::key(const std::string& name) {
    if (!body_.empty()) body_ += ",";
    body_ += jsonQuote(name) + ":";
}

JsonObject& JsonObject::number(const std::string& name, double value) {
    return raw(name, jsonNumber(value));
}
JsonObject& JsonObject::optionalNumber(const std::string& name, std::optional<double> value) {
    return raw(name, value ? jsonNumber(*value) : "null");
}
JsonObject& JsonObject::integer(const std::string& name, long long value) {
    return raw(name, std::to_string(value));
}
JsonObject& JsonObject::boolean(const std::string& name, bool value) {
    return raw(name, value ? "true" : "false");
}
JsonObject& JsonObject::string(const std::string& name, const std::string& value) {
    return raw(name, jsonQuote(value));
}
JsonObject& JsonObject::numbers(const std::string& name, const std::vector<double>& values) {
    std::vector<std::string> written;
    for (double v : values) written.push_back(jsonNumber(v));
    return raw(name, jsonArray(written));
}
JsonObject& JsonObject::strings(const std::string& name, const std::vector<std::string>& values) {
    std::vector<std::string> written;
    for (const auto& v : values) written.push_back(jsonQuote(v));
    return raw(name, jsonArray(written));
}
JsonObject& JsonObject::raw(const std::string& name, const std::string& json) {
    key(name);
    body_ += json;
    return *this;
}
std::string JsonObject::str() const {
    std::string out = "{";
    out += body_;
    out += '}';
    return out;
}

}  // namespace orvan
