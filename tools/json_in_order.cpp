// A SAX handler that builds the ordered document with one hash index per open object.
#include "json_in_order.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

class InOrderBuilder {
 public:
  using number_integer_t = Json::number_integer_t;
  using number_unsigned_t = Json::number_unsigned_t;
  using number_float_t = Json::number_float_t;
  using string_t = Json::string_t;
  using binary_t = Json::binary_t;

  bool null() { return Put(nullptr); }
  bool boolean(bool v) { return Put(v); }
  bool number_integer(number_integer_t v) { return Put(v); }
  bool number_unsigned(number_unsigned_t v) { return Put(v); }
  bool number_float(number_float_t v, const string_t&) { return Put(v); }
  bool string(string_t& v) { return Put(std::move(v)); }
  bool binary(binary_t& v) { return Put(Json::binary(v)); }  // never in JSON text
  bool start_object(std::size_t) {
    Put(Json::object());
    open_.push_back({last_, {}});
    return true;
  }
  bool key(string_t& k) {
    Open& top = open_.back();
    Json::object_t& members = top.value->get_ref<Json::object_t&>();
    const auto found = top.index.emplace(k, members.size());
    if (found.second) members.emplace_back(std::move(k), nullptr);
    member_ = &(members.begin() + static_cast<std::ptrdiff_t>(found.first->second))->second;
    return true;
  }
  bool end_object() {
    open_.pop_back();
    return true;
  }
  bool start_array(std::size_t) {
    Put(Json::array());
    open_.push_back({last_, {}});
    return true;
  }
  bool end_array() {
    open_.pop_back();
    return true;
  }
  template <class Exception>
  bool parse_error(std::size_t, const std::string&, const Exception& error) {
    throw error;
  }

  Json& root() { return root_; }

 private:
  struct Open {
    Json* value;
    std::unordered_map<std::string, size_t> index;  // key to place, objects only
  };

  // Stores a value where the text has it: the root, the end of the open array or the
  // member whose key came last. A container's address stays valid while it is open:
  // nothing is added to its parent until it closes.
  template <class Value>
  bool Put(Value&& v) {
    if (open_.empty()) {
      root_ = std::forward<Value>(v);
      last_ = &root_;
    } else if (open_.back().value->is_array()) {
      Json::array_t& items = open_.back().value->get_ref<Json::array_t&>();
      items.emplace_back(std::forward<Value>(v));
      last_ = &items.back();
    } else {
      *member_ = std::forward<Value>(v);
      last_ = member_;
    }
    return true;
  }

  Json root_;
  std::vector<Open> open_;
  Json* member_ = nullptr;
  Json* last_ = nullptr;
};

}  // namespace

nlohmann::ordered_json ParseJsonInOrder(const std::string& text) {
  InOrderBuilder builder;
  Json::sax_parse(text, &builder);
  return std::move(builder.root());
}

void AppendMember(nlohmann::ordered_json* object, const std::string& key, const nlohmann::ordered_json& value) {
  object->get_ref<nlohmann::ordered_json::object_t&>().emplace_back(key, value);
}
