#include "exporter/convert/tests/mini_json.h"

#include <cstdlib>
#include <stdexcept>

namespace korvath::convert::testing {

const Json& Json::operator[](const std::string& key) const {
    auto it = members.find(key);
    if (it == members.end()) throw std::runtime_error("JSON has no member " + key);
    return it->second;
}

std::vector<double> Json::numbers() const {
    std::vector<double> out;
    for (const Json& item : items) out.push_back(item.number);
    return out;
}

namespace {

struct Parser {
    std::string_view s;
    std::size_t p = 0;

    void blanks() {
        while (p < s.size() && (s[p] == ' ' || s[p] == '\n' || s[p] == '\r' || s[p] == '\t')) ++p;
    }
    char peek() {
        blanks();
        if (p >= s.size()) throw std::runtime_error("JSON ends early");
        return s[p];
    }
    void expect(char c) {
        if (peek() != c) throw std::runtime_error(std::string("JSON expected ") + c);
        ++p;
    }
    std::string string() {
        expect('"');
        std::string out;
        while (p < s.size() && s[p] != '"') {
            if (s[p] == '\\' && p + 1 < s.size()) ++p;  // the tests' files escape nothing else
            out += s[p++];
        }
        ++p;
        return out;
    }
    Json value() {
        Json v;
        const char c = peek();
        if (c == '{') {
            v.kind = Json::Kind::Object;
            ++p;
            if (peek() == '}') { ++p; return v; }
            for (;;) {
                std::string key = string();
                expect(':');
                v.members[key] = value();
                if (peek() == ',') { ++p; continue; }
                expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.kind = Json::Kind::Array;
            ++p;
            if (peek() == ']') { ++p; return v; }
            for (;;) {
                v.items.push_back(value());
                if (peek() == ',') { ++p; continue; }
                expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.kind = Json::Kind::String;
            v.text = string();
            return v;
        }
        if (s.substr(p, 4) == "true" || s.substr(p, 5) == "false") {
            v.kind = Json::Kind::Bool;
            v.boolean = s[p] == 't';
            p += v.boolean ? 4 : 5;
            return v;
        }
        if (s.substr(p, 4) == "null") {
            p += 4;
            return v;
        }
        v.kind = Json::Kind::Number;
        const std::string rest(s.substr(p, 64));
        char* end = nullptr;
        v.number = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str()) throw std::runtime_error("JSON value expected");
        p += std::size_t(end - rest.c_str());
        return v;
    }
};

}  // namespace

Json parseJson(std::string_view text) {
    Parser parser{text};
    return parser.value();
}

std::string decodeBase64(std::string_view text) {
    auto digit = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (char c : text) {
        const int d = digit(c);
        if (d < 0) continue;
        bits = (bits << 6) | unsigned(d);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += char((bits >> count) & 0xFF);
        }
    }
    return out;
}

}  // namespace korvath::convert::testing
