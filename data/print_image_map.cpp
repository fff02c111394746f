// Prints the memory-image map tables (docs/memory-image.md).
#include <iostream>

#include "image/map_description.h"

int main() {
  std::cout << zq::ImageMapMarkdown();
  return 0;
}
