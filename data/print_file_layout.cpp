// Prints the stored layout tables of the data file pair (docs/data-file-format.md).
#include <iostream>

#include "datafile/layout_description.h"

int main() {
  std::cout << zq::LayoutMarkdown();
  return 0;
}
