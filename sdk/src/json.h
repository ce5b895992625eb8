// A small JSON reader for scenario files: objects, arrays, strings (with the
// common escapes), numbers (integers and hexadecimal text are both given as
// numbers by the caller's use), true, false and null.
#ifndef KVRSIM_JSON_H
#define KVRSIM_JSON_H

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kvrsim_internal {

struct Json
{
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;

    const Json *member(const std::string &name) const;
};

// Parses `input`; on failure returns false and describes the fault. Input
// nested deeper than 64 levels or longer than 4 MiB is refused.
bool parseJson(const std::string &input, Json &out, std::string *error);

} // namespace kvrsim_internal

#endif
