// JSON text read into an ordered_json in time linear in its size, keys in the order
// of the text.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

// The parse of `text`. nlohmann's own parser looks every key up among the keys its
// object already has, which is quadratic in the number of keys; this one keeps an
// index per open object. A key given twice keeps its first place and takes its last
// value, as nlohmann's parser does. Throws nlohmann's exceptions on malformed text.
nlohmann::ordered_json ParseJsonInOrder(const std::string& text);

// Appends a member to an object without looking for the key: the caller knows it is
// not there yet (it copies the members of another object into an empty one).
void AppendMember(nlohmann::ordered_json* object, const std::string& key, const nlohmann::ordered_json& value);
