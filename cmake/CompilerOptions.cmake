# Warning and sanitizer flags shared by every Vantara target.
add_library(vantara_options INTERFACE)
# No fused multiply-add: the gameplay's single-precision arithmetic must give the same numbers
# on every machine, so that a recorded replay plays back exactly.
target_compile_options(vantara_options INTERFACE -Wall -Wextra -ffp-contract=off)
if(VANTARA_WERROR)
  target_compile_options(vantara_options INTERFACE -Werror)
endif()

if(VANTARA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(VANTARA_SANITIZE=1)
endif()

# Every include is written from the repository root: "engine/graphics/texture.h".
target_include_directories(vantara_options INTERFACE ${PROJECT_SOURCE_DIR})
