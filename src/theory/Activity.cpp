#include "theory/Activity.h"

namespace tonalyst {

std::string_view methodCode(Method method) {
    return method == Method::Test ? "test" : "practice";
}

} // namespace tonalyst
