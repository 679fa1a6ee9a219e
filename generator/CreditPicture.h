#pragma once
// The credit block's button, shipped inside every page as a data: address so
// that it shows offline and on any server without a file of its own: an
// 88 by 31 PNG of our own, "OSTREL" over "Tarvin 6.1" in the program's blue
// and amber, with a 12-colour palette.

#include <string_view>

namespace tarvin::html {

inline constexpr std::string_view CreditPicture =
    "data:image/png;base64,"
    "iVBORw0KGgoAAAANSUhEUgAAAFgAAAAfCAMAAABUFvrSAAAAJFBMVEUfOl9LYX94iJ+lsL/S19/////ysTS9kz6IdUlTV1QfOl+c"
    "w+YNXTEKAAAACXBIWXMAAA7EAAAOxAGVKw4bAAABJUlEQVRIx+2UCY6DMAxFvWYR97/v2M6iLqhDQVFHo7qlJiY8f35CYVsUsMGS"
    "cHBaEJ8Blwo1WwJLJZ7PKjZIyRPYhXwKXKDkCjlbKjllH/rYcV7Op8EuzakhO05damrg1vk82H/8ufMEw0j1quIQWyfY3bhoxfDY"
    "rL0BRx5gu3R+Vxg8XB5gP8auaCb9nX18Gbzsv+IL3gOTttiZyUoPBVHpJVGV12Bkm85MO2BifGgkRH3ixr+BozsCuQTjqLDax4uh"
    "2JrKEH6HwoNgJCSfqrqR34MGb2Ch7pOVW/P3wNKMDggr2reDMY5AKdHEHQWrIgZY4qZwsIHhBtwbvwmmCfY1pyew5VBMvgR+Rnhk"
    "8dRUTrCN8BlsBWVs4Nii/H2l/xF4UfwAIgciedWn5WkAAAAASUVORK5CYII=";

} // namespace tarvin::html
