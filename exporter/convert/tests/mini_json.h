#pragma once
// Just enough JSON for the tests to read glTF files themselves, independently of the importer.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvath::convert::testing {

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    double number = 0.0;
    bool boolean = false;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    bool has(const std::string& key) const { return members.count(key) != 0; }
    const Json& operator[](const std::string& key) const;
    const Json& operator[](std::size_t i) const { return items.at(i); }
    int asInt() const { return int(number); }
    std::vector<double> numbers() const;
};

// Throws std::runtime_error on malformed text (the test then fails with its message).
Json parseJson(std::string_view text);

std::string decodeBase64(std::string_view text);

}  // namespace korvath::convert::testing
